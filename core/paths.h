// Where the two settings files live, as plain text decisions.
#pragma once
#include <stddef.h>

// Every path buffer, the terminator included: the platform's MAX_PATH.
enum { PATH_SIZE = 260 };

// The launcher's own configuration file from its upper-cased executable path:
// ".CFG" written over the first ".EXE" and the path cut right after it; a path
// without ".EXE" gets ".CFG" appended. False (out empty) when it does not fit.
bool DeriveConfigPath(const char* upperModulePath, char* out, size_t size);

// The settings folder: perUser + "\Korvel\Zanto\" when the per-user folder is
// known, otherwise fallback + fallbackTail ("" when the fallback is empty).
// A composition that does not fit gives "".
void ComposeSettingsDir(bool perUserKnown, const char* perUser, const char* fallback,
                        const char* fallbackTail, char* out, size_t size);

// The game settings file "Zanto.ini" in the settings folder. False (out empty)
// when there is no folder or the path does not fit: the bare file name would be
// resolved to the Windows folder, a file the game never reads.
bool ComposeGameIniPath(const char* settingsDir, char* out, size_t size);

// The game's two install folders, as their registry values give them:
// Zanto2.0's "Install" without a trailing "\", the older "Install Path" with one.
enum GameFolder { INSTALL_DIR, LEGACY_INSTALL_DIR };

// What goes between the folder's value and a file name: "\" or "".
const char* GameFolderSeparator(GameFolder folder);

// A file of the game: folder, separator and name joined. False (out empty)
// when the path would not fit, so that an over-long path is never looked up
// cut short.
bool GameFilePath(const char* folder, const char* separator, const char* name, char* out,
                  size_t size);

// Cuts a folder read from the registry: the value is used up to its first NUL
// within the bytes received, and a text that fills the buffer without a NUL is
// treated as missing (""). The text never ends in half a double-byte
// character. size is the buffer size, got the bytes received.
void TerminateRegistryText(size_t got, char* buf, size_t size);
