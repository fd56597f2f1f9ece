// Install folders and the two settings files: the game's Zanto.ini in the
// per-user settings folder, and the launcher's own .CFG beside its executable.
// Folder and string results point into module-level buffers; a string result
// lives until the next call of the same operation.
#pragma once
#include <stddef.h>

#include "core/paths.h"

const char* GetInstallDir();        // "Software\Korvel\Zanto2.0" Install, no trailing "\"
const char* GetLegacyInstallDir();  // "Software\Korvel\Zanto" Install Path, ends in "\"
const char* GetSettingsDir();       // per program; ends in "\" or is ""

// The value of one of the two install folders (core/paths.h), and a file in it
// formed from that value: every path to a file of the game is made here.
// False (out empty) when the path does not fit.
const char* GetGameFolder(GameFolder folder);
bool FormGameFilePath(GameFolder folder, const char* name, char* out, size_t size);
int CallSHGetFolderPathA(void* owner, int folder, void* token, unsigned flags, char* path);

// The configuration file path (260 bytes); false when it cannot be formed.
bool GetConfigFilePath(char* out);
// The game settings file path (260 bytes); false when it cannot be formed.
bool GetGameIniPath(char* out);

int WriteGameIniString(const char* section, const char* key, const char* value);
const char* GetGameIniString(const char* section, const char* key, const char* def);
unsigned GetGameIniInt(const char* section, const char* key, int def);
int WriteGameIniInt(const char* section, const char* key, int value);

unsigned GetConfigInt(const char* section, const char* key, int def);
const char* GetConfigString(const char* section, const char* key, const char* def);
int WriteConfigString(const char* section, const char* key, const char* value);
int WriteConfigHex(const char* section, const char* key, unsigned value);
int WriteConfigInt(const char* section, const char* key, int value);

// A burst of writes, saved as one step per file. From BeginSettingsBurst on,
// every write goes into a copy of its file beside it (core/settings_copy.h),
// and reads of that file see the copy. CommitSettingsBurst puts the copies in
// place once every one is complete, and makes the next read see the new files;
// when any write, copy or placement failed it returns false, and every file
// that was not put in place is as it was (one put in place before a later
// one failed gets its old content back). AbandonSettingsBurst removes the
// copies and changes nothing. Either ends the burst; a new Begin abandons an
// unfinished one. Bursts and single writes of every process of both programs
// take turns; a file that another program wrote meanwhile (its bytes differ
// from those the copy was taken from) gets the burst's writes again on a
// fresh copy. Where a copy would lose something (a file with a second name, a
// folder that takes no new file, an access list the copy cannot carry), that
// file is written in place, key by key, at commit once the copies are in
// place, and undone when a write fails.
void BeginSettingsBurst();
bool CommitSettingsBurst();
void AbandonSettingsBurst();
// What the player is told after a CommitSettingsBurst that returned false:
// that nothing was saved, or, where a file already put in place could not get
// its old content back, which file has the new settings and which has not.
const char* FailedSaveText();

// What a page writes while the player changes nothing, recorded right after
// its load with the value each key holds then: between Begin and End writes
// are recorded, not made. A later write of the same key leaves a value that
// another program put into the file meanwhile where the player did not change
// it (core/settings_save.h: KeyToBeWritten). Forget starts over, at a new sheet.
void BeginRecordingUntouched();
void EndRecordingUntouched();
void ForgetUntouched();

// Whether the last burst failed for want of its turn: another program saved
// for longer than the bounded wait, or its lock refused this program. The
// player is told so (kSettingsSaveBusy), whatever the save.
bool SettingsSaveLackedTurn();

// Called before every write to a settings file or to its copy, and before a
// copy is made or put in place. Tests end the process here to see what a crash
// at each step leaves behind; never set in the programs.
typedef void (*SettingsWriteHook)();
extern SettingsWriteHook g_settingsWriteHook;

// Folder buffers are kept once found, and a leftover copy is looked for at a
// file's first use in a run; tests start over with this, as a new run would.
void ResetFolderCache();
