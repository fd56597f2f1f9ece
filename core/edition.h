// What each program provides to the code both share. Values are defined in
// apps/<program>/edition.cpp, StartUpdater in apps/<program>/start.cpp.
// Besides these, core/, net/ and options/ take only the Online page's fields
// from a program (kOnlineFields, options/page_online.h, defined in
// apps/<program>/page_online.cpp). The application layer asks each program
// for the rest, which nothing below it calls: apps/shared/main_window.h
// (MainDlgProc, AfterStart, ExitMainWindow) and apps/shared/start.h
// (StartGame, StartDirectGame, StartLobby).
//
// launcher's dialogs are in English (res/launcher/), yet the message boxes of
// the shared code (a failed start, Windows Sockets, a sheet that cannot open,
// the colour chooser, the duplicate keys, a game controller error) stay in
// Japanese: that earlier build translated its dialog templates and nothing
// else, and its players know those boxes as they are. A message that launcher
// words in English is edition data here (kSettingsSaveFailed, kSettingsSavedInPart).
#pragma once

#include "core/paths.h"

// The program's title: window title, tray tip and the caption of every
// message box (a second start of m_portal finds the first by a mark of its
// own, core/instance.h, as a message box of it carries the title too).
extern const char kTitle[];

// The install folder this program uses for its own files (Zanto.exe,
// Lobby.exe, Launcher.exe, Launcher.ini), which also holds the settings when
// the per-user folder is not used.
extern const GameFolder kGameFolder;
// Whether the per-user folder may be asked at all (launcher: not on Windows 9x).
bool SettingsPerUserAllowed();

// Saving settings: the program's name in the copies it saves through (both
// programs save Zanto.ini), and what the player is told when an OK of the
// options sheet cannot save: that nothing was saved, or (kSettingsSavedInPart,
// with the names of the saved file and of the unsaved one) that one file has
// the new settings all the same.
extern const char kSettingsCopyTag[];
extern const char kSettingsSaveFailed[];
extern const char kSettingsSavedInPart[];
// ... and when the save could not have its turn (another program was saving).
extern const char kSettingsSaveBusy[];

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
