// What differs between m_portal and launcher, for the code both share.
// Each program defines these in apps/<program>/edition.cpp.
#pragma once

// The program's title: window title, instance search text, tray tip and the
// caption of every message box.
extern const char kTitle[];

// Settings folder when the per-user folder is not used: the folder, and what
// follows it ("\" behind an install folder without a trailing separator).
const char* SettingsFallbackDir();
extern const char kSettingsFallbackTail[];
// Whether the per-user folder may be asked at all (launcher: not on Windows 9x).
bool SettingsPerUserAllowed();

// Saving settings: the program's name in the copies it saves through (both
// programs save Zanto.ini), and what the player is told when an OK of the
// options sheet cannot save.
extern const char kSettingsCopyTag[];
extern const char kSettingsSaveFailed[];

// The game's install folder as this program uses it for its own files
// (Zanto.exe, Lobby.exe, Launcher.exe, Launcher.ini), and the separator to put
// between it and a file name ("\" or "").
const char* GameFolder();
extern const char kGameFolderSeparator[];

// Own address: whether link-local addresses (169.254.0.0/16) count as private.
extern const bool kLinkLocalIsPrivate;

// Folders and web page: the official site's top page and its news page.
extern const char kWebTopPage[];
extern const char kWebNewsPage[];

// About page: the mark that starts the version in the game launcher's window
// title, and whether the version ends at the first space after it.
extern const char kVersionMark[];
extern const bool kVersionCutAtSpace;

// About page: starts the game's updating step (apps/<program>/start.cpp),
// reporting its own failure.
void StartUpdater();
