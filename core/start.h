// Starting the game, the lobby and the updater. Each start reports its own
// failure in one message box; none waits for the child.
#pragma once

void StartGame(const char* mode);        // "SINGLE", "S_MULTI1"
void StartDirectGame(const char* arg);   // "D_HOST" or "D_JOIN %s" (launcher: as StartGame)
void StartLobby();
void StartUpdater();

// "起動に失敗しました" with the program's title, no owner.
void ShowStartFailure();
