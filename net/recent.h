// The recent addresses of direct matches, [Recent Connection] Addr01..Addr16
// of the configuration file, most recent first. The connect dialog reads and
// writes them through these decisions; nothing here touches a file or a window.
#pragma once
#include <stddef.h>

#include "core/text.h"

enum {
  RECENT_MAX = 16,          // keys Addr01..Addr16
  RECENT_TEXT_SIZE = 256,   // a value as read, terminator included
  CONNECT_ADDRESS_SIZE = 128
};

extern const char kRecentSection[];  // "Recent Connection"

struct RecentList {
  int count;
  char items[RECENT_MAX][RECENT_TEXT_SIZE];
};

// "Addr%02d" for n = 1..16.
void FormatRecentKey(int n, char* out, size_t size);

// Reads Addr01, Addr02, ... and stops at the first missing or empty value, so a
// gap ends the list. read returns the stored value or "" (never null).
typedef const char* (*RecentReader)(const char* key, void* context);
void LoadRecentList(RecentReader read, void* context, RecentList* out);

// 0 when the two texts are the same address.
typedef int (*AddressCompare)(const char* a, const char* b);
// Letter case ignored for ASCII letters only; both bytes of a double-byte
// character must match exactly, so a trail byte is never folded as a letter.
int CompareAddressAscii(const char* a, const char* b);

// The values to write to Addr01, Addr02, ... when address was chosen with
// shown in the list: address first, then the shown entries in their order
// without those equal to it, 16 in all at most. An empty address writes
// nothing (count 0). Keys past the last one returned are not touched.
int BuildRecentRewrite(const RecentList* shown, const char* address, AddressCompare same,
                       RecentList* out);

// Ends text at its first single-byte space, in place. Double-byte characters
// are stepped over whole (a full-width space does not cut), and a lead byte
// right before the terminator does not carry the walk past it.
typedef bool (*LeadByteTest)(unsigned char c);
void CutAtFirstSpace(char* text, LeadByteTest isLead = IsLeadByte932);
