#include "core/input_name.h"

#include "core/text.h"

bool HasWord(const char* text) {
  for (const unsigned char* p = (const unsigned char*)text; *p != 0; ++p) {
    if (IsLeadByte932(*p)) {
      if (*p != 0x81) return true;  // 0x81xx: punctuation and symbols
      if (p[1] == 0) break;
      ++p;
    } else if ((*p >= '0' && *p <= '9') || ((*p | 0x20) >= 'a' && (*p | 0x20) <= 'z') || (*p >= 0xA6 && *p <= 0xDF)) {
      return true;  // the last range: half-width katakana
    }
  }
  return false;
}

static bool Named(const DialogLine* line) { return line->text != nullptr && HasWord(line->text); }

int InputNameLine(const DialogLine* lines, int count, int index) {
  if (index < 0 || index >= count) return -1;
  const DialogLine* in = &lines[index];
  if (index > 0 && lines[index - 1].kind == LINE_TEXT && Named(&lines[index - 1])) return index - 1;
  for (int i = index - 1; i >= 0; --i) {
    const DialogLine* t = &lines[i];
    bool sameRow = t->top < in->bottom && in->top < t->bottom;
    if (t->kind == LINE_TEXT && Named(t) && sameRow && t->right <= in->left) return i;
  }
  for (int i = index - 1; i >= 0; --i) {
    const DialogLine* g = &lines[i];
    bool around = g->left <= in->left && g->top <= in->top && in->right <= g->right && in->bottom <= g->bottom;
    if (g->kind == LINE_GROUP_BOX && Named(g) && around) return i;
  }
  return -1;
}
