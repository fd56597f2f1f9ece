// The programs' texts are code page 932 (as the game and its files are); the
// system's own code page may be any other (1252 outside Japan, 65001 with
// Windows' UTF-8 option). Windows is therefore always spoken to with its wide
// functions, converting here, explicitly from and to code page 932, so that
// nothing the player sees or types passes through the system's code page.
#pragma once
#include <windows.h>

// Room for any text the programs show or read back from a control.
enum { WIDE_TEXT_SIZE = 2048 };

// text (code page 932) as UTF-16 in out (size units, terminated), cut at a
// character boundary when it would not fit.
void WideFrom932(const char* text, wchar_t* out, int size);

// text (UTF-16) as code page 932 in out (size bytes, terminated), cut at a
// character boundary when it would not fit. A character that code page 932
// lacks becomes the code page's default character.
void TextFromWide(const wchar_t* text, char* out, int size);
