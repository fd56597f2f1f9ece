// The two settings files every read and write names: the game's Zanto.ini,
// and the program's own .CFG beside its executable.
#pragma once

enum SettingsFile { GAME_INI, CONFIG_FILE, SETTINGS_FILE_COUNT };
