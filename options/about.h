// About page: the installed game's version from its launcher's window title,
// and the date texts of the game's program files.
#pragma once
#include <stddef.h>

enum {
  FILE_DATE_SIZE = 20,     // "%04d/%02d/%02d" even for a five-digit year
  WINDOW_TITLE_SIZE = 308, // Launcher.ini WINDOWTITLE, at most 307 bytes
};

extern const char kNoFileDate[];       // "----/--/--"
extern const char kVersionUnknown[];   // "取得に失敗しました"

// The date of a file from its local calendar fields: "%04d/%02d/%02d";
// kNoFileDate when it does not fit.
void FormatFileDate(int year, int month, int day, char* out, size_t size);

// The version part of a window title: from the first occurrence of mark
// (byte for byte, case-sensitive) to the end of the title, or, with
// cutAtSpace, up to the first space after the mark. False (out empty) when
// the title holds no mark or the result does not fit.
bool ExtractVersion(const char* title, const char* mark, bool cutAtSpace, char* out, size_t size);

// Win32 (page_about_win.cpp): the last-write date of the file at path in
// local time, or kNoFileDate when no file matches or its time cannot be
// converted. The text lives in one buffer that the next call overwrites.
const char* GetFileDateText(const char* path);
