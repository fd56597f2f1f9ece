// Install folders and the two settings files: the game's Zanto.ini in the
// per-user settings folder, and the launcher's own .CFG beside its executable.
// Folder and string results point into module-level buffers; a string result
// lives until the next call of the same operation.
#pragma once

const char* GetInstallDir();        // "Software\Korvel\Zanto2.0" Install, no trailing "\"
const char* GetLegacyInstallDir();  // "Software\Korvel\Zanto" Install Path, ends in "\"
const char* GetSettingsDir();       // per program; ends in "\" or is ""
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

// Folder buffers are kept once found; tests start over with this.
void ResetFolderCache();
