#include "core/text.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

bool IsLeadByte932(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool TextCopy(const char* src, char* dst, size_t size) {
  if (size == 0) return false;
  size_t n = strlen(src);
  if (n >= size) {
    dst[0] = '\0';
    return false;
  }
  memcpy(dst, src, n + 1);
  return true;
}

bool TextAppend(const char* src, char* dst, size_t size) {
  size_t have = strnlen(dst, size);
  if (have >= size) return false;
  size_t n = strlen(src);
  if (have + n >= size) return false;
  memcpy(dst + have, src, n + 1);
  return true;
}

bool TextFormat(char* dst, size_t size, const char* fmt, ...) {
  if (size == 0) return false;
  va_list ap;
  va_start(ap, fmt);
  int n = vsnprintf(dst, size, fmt, ap);
  va_end(ap);
  if (n < 0 || (size_t)n >= size) {
    dst[0] = '\0';
    return false;
  }
  return true;
}

void CutAtCharBoundary(char* text, size_t maxBytes) {
  size_t i = 0;
  while (text[i] != '\0') {
    size_t step = IsLeadByte932((unsigned char)text[i]) ? 2 : 1;
    if (step == 2 && text[i + 1] == '\0') break;  // lone lead byte at the end
    if (i + step > maxBytes) break;
    i += step;
  }
  text[i] = '\0';
}

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

const char* SkipSpaceAndSign(const char* text, bool* negative) {
  const char* p = text;
  while (IsWhiteSpace(*p)) ++p;
  *negative = *p == '-';
  if (*p == '+' || *p == '-') ++p;
  return p;
}
