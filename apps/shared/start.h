// Starting the game and the lobby, each program in its own way
// (apps/<program>/start.cpp; StartUpdater, which the About page calls, is in
// core/edition.h). Each start reports its own failure in one message box; none
// waits for the child.
#pragma once

void StartGame(const char* mode);        // "SINGLE", "S_MULTI1"
void StartDirectGame(const char* arg);   // "D_HOST" or "D_JOIN %s" (launcher: as StartGame)
void StartLobby();

// "起動に失敗しました" with the program's title, no owner.
void ShowStartFailure();
