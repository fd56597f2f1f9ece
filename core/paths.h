// Where the two settings files live, as plain text decisions.
#pragma once
#include <stddef.h>

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

// Cuts a folder read from the registry: the value is used up to its first NUL
// within the bytes received, and a text that fills the buffer without a NUL is
// treated as missing (""). The text never ends in half a double-byte
// character. size is the buffer size, got the bytes received.
void TerminateRegistryText(char* buf, size_t size, size_t got);
