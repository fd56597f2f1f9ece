// Reads a DIALOGEX template of the test program's own resources, for checks
// in dialog units that the created window no longer shows exactly (the
// height of a drop-down list, styles as written).
#pragma once
#include <windows.h>
#include <string.h>

struct TemplateItem {
  int id;
  DWORD style;
  short x, y, cx, cy;
  WORD classAtom;  // 0x0080 button, 0x0081 edit, 0x0082 static, 0x0085 combo box; 0 when named
  char title[128]; // "" when given as an ordinal
};

struct DialogTemplate {
  DWORD style;
  short x, y, cx, cy;
  char caption[128];
  WORD pointSize;  // with DS_SETFONT
  char typeface[64];
  int count;
  TemplateItem items[64];
};

static inline const WORD* TemplateSkipText(const WORD* p, char* out, int size, WORD* atom) {
  if (out != nullptr && size > 0) out[0] = 0;
  if (atom != nullptr) *atom = 0;
  if (*p == 0x0000) return p + 1;
  if (*p == 0xFFFF) {
    if (atom != nullptr) *atom = p[1];
    return p + 2;
  }
  const WORD* start = p;
  while (*p != 0) ++p;
  if (out != nullptr && size > 0) {
    int n = WideCharToMultiByte(932, 0, (const wchar_t*)start, (int)(p - start), out, size - 1, nullptr, nullptr);
    out[n > 0 ? n : 0] = 0;
  }
  return p + 1;
}

static inline const BYTE* TemplateAlign4(const void* p, const void* base) {
  size_t offset = (size_t)((const BYTE*)p - (const BYTE*)base);
  return (const BYTE*)base + ((offset + 3) & ~(size_t)3);
}

// False when the template is missing or not a DIALOGEX.
static inline bool LoadDialogTemplate(int id, DialogTemplate* t) {
  memset(t, 0, sizeof *t);
  HRSRC res = FindResourceA(nullptr, MAKEINTRESOURCEA(id), (LPCSTR)RT_DIALOG);
  if (res == nullptr) return false;
  const BYTE* base = (const BYTE*)LockResource(LoadResource(nullptr, res));
  if (base == nullptr) return false;
  const WORD* w = (const WORD*)base;
  if (w[0] != 1 || w[1] != 0xFFFF) return false;
  const DWORD* d = (const DWORD*)(base + 4);
  t->style = d[2];  // after helpID and exStyle
  const BYTE* p = base + 16;
  WORD count = *(const WORD*)p;
  p += 2;
  const short* geometry = (const short*)p;
  t->x = geometry[0];
  t->y = geometry[1];
  t->cx = geometry[2];
  t->cy = geometry[3];
  p += 8;
  const WORD* text = (const WORD*)p;
  text = TemplateSkipText(text, nullptr, 0, nullptr);                             // menu
  text = TemplateSkipText(text, nullptr, 0, nullptr);                             // class
  text = TemplateSkipText(text, t->caption, sizeof t->caption, nullptr);          // caption
  if (t->style & DS_SETFONT) {
    t->pointSize = text[0];
    text += 3;  // point size, weight, italic and character set
    text = TemplateSkipText(text, t->typeface, sizeof t->typeface, nullptr);
  }
  p = (const BYTE*)text;
  for (int i = 0; i < count && i < 64; ++i) {
    p = TemplateAlign4(p, base);
    const DWORD* head = (const DWORD*)p;
    TemplateItem* item = &t->items[i];
    item->style = head[2];
    const short* g = (const short*)(p + 12);
    item->x = g[0];
    item->y = g[1];
    item->cx = g[2];
    item->cy = g[3];
    item->id = (int)*(const DWORD*)(p + 20);
    const WORD* q = (const WORD*)(p + 24);
    q = TemplateSkipText(q, nullptr, 0, &item->classAtom);
    q = TemplateSkipText(q, item->title, sizeof item->title, nullptr);
    WORD extra = *q++;
    p = (const BYTE*)q + extra;
    t->count = i + 1;
  }
  return true;
}

static inline const TemplateItem* FindTemplateItem(const DialogTemplate* t, int id) {
  for (int i = 0; i < t->count; ++i) {
    if (t->items[i].id == id) return &t->items[i];
  }
  return nullptr;
}

// The style of item id in template templateId as written (0 when there is none).
static inline DWORD TemplateItemStyle(int templateId, int id) {
  DialogTemplate t;
  if (!LoadDialogTemplate(templateId, &t)) return 0;
  const TemplateItem* item = FindTemplateItem(&t, id);
  return item == nullptr ? 0 : item->style;
}
