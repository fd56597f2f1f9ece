#include "net/recent.h"

#include <string.h>

const char kRecentSection[] = "Recent Connection";

// A text that does not fit is cut at a character boundary rather than dropped,
// so that it is still listed and written back as far as it could be held.
static void CopyCut(char* item, const char* text) {
  size_t n = strnlen(text, RECENT_TEXT_SIZE - 1);
  memcpy(item, text, n);
  item[n] = '\0';
  CutAtCharBoundary(item, RECENT_TEXT_SIZE - 1);
}

void FormatRecentKey(int n, char* out, size_t size) { TextFormat(out, size, "Addr%02d", n); }

void LoadRecentList(RecentReader read, void* context, RecentList* out) {
  out->count = 0;
  for (int n = 1; n <= RECENT_MAX; ++n) {
    char key[16];
    FormatRecentKey(n, key, sizeof key);
    const char* value = read(key, context);
    if (value == nullptr || value[0] == '\0') break;
    CopyCut(out->items[out->count], value);
    if (out->items[out->count][0] == '\0') break;  // only an unfinished character: as empty
    ++out->count;
  }
}

static unsigned char FoldAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') ? (unsigned char)(c + 32) : c; }

int CompareAddressAscii(const char* a, const char* b) {
  const unsigned char* p = (const unsigned char*)a;
  const unsigned char* q = (const unsigned char*)b;
  for (;;) {
    if (IsLeadByte932(*p) && *p == *q && p[1] != '\0') {
      if (p[1] != q[1]) return (int)p[1] - (int)q[1];
      p += 2;
      q += 2;
      continue;
    }
    int d = (int)FoldAscii(*p) - (int)FoldAscii(*q);
    if (d != 0 || *p == '\0') return d;
    ++p;
    ++q;
  }
}

int BuildRecentRewrite(const RecentList* shown, const char* address, AddressCompare same,
                       RecentList* out) {
  out->count = 0;
  if (address[0] == '\0') return 0;
  // An empty value written to a key would end the list there, so an address
  // or an entry that is nothing but an unfinished character is not written.
  CopyCut(out->items[0], address);
  if (out->items[0][0] == '\0') return 0;
  out->count = 1;
  for (int i = 0; i < shown->count && out->count < RECENT_MAX; ++i) {
    if (same(shown->items[i], out->items[0]) == 0) continue;  // as it is written
    CopyCut(out->items[out->count], shown->items[i]);
    if (out->items[out->count][0] != '\0') ++out->count;
  }
  return out->count;
}

void CutAtFirstSpace(char* text, LeadByteTest isLead) {
  for (char* p = text; *p != '\0'; ++p) {
    if (isLead((unsigned char)*p)) {
      if (p[1] == '\0') return;
      ++p;
      continue;
    }
    if (*p == ' ') {
      *p = '\0';
      return;
    }
  }
}
