// Bounded text helpers for ANSI (code page 932) strings in fixed buffers.
// Every function here keeps its result terminated within the given size.
#pragma once
#include <stddef.h>

// Lead byte of a double-byte character in code page 932.
bool IsLeadByte932(unsigned char c);

// Copies src into dst (size bytes). Returns false, leaving dst empty, when it would not fit.
bool TextCopy(const char* src, char* dst, size_t size);

// Appends src to the text in dst. Returns false, leaving dst unchanged, when it would not fit.
bool TextAppend(const char* src, char* dst, size_t size);

// printf into dst. Returns false, leaving dst empty, when the result would not fit.
// Like snprintf, the buffer comes first: the format's arguments must be last.
bool TextFormat(char* dst, size_t size, const char* fmt, ...) __attribute__((format(printf, 3, 4)));

// Cuts text to at most maxBytes bytes without leaving the lead byte of a
// double-byte character at its end (also repairs a text that already ends in one).
void CutAtCharBoundary(char* text, size_t maxBytes);

// True for the single-byte white space that C's isspace knows (space, tab, CR, LF, VT, FF).
bool IsWhiteSpace(char c);

// The start of a number as strtol reads it: past leading white space and an
// optional sign; *negative tells whether the sign was a minus.
const char* SkipSpaceAndSign(const char* text, bool* negative);
