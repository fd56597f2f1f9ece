#include "core/text932_win.h"

#include "core/text.h"

enum { CP_JAPANESE = 932 };

// Every character of code page 932 is one UTF-16 unit, so counting characters
// tells how much of the text fits; a lone lead byte at the end is dropped.
void WideFrom932(const char* text, wchar_t* out, int size) {
  if (size <= 0) return;
  int bytes = 0;
  for (int chars = 0; chars < size - 1 && text[bytes] != '\0'; ++chars) {
    int step = IsLeadByte932((unsigned char)text[bytes]) ? 2 : 1;
    if (step == 2 && text[bytes + 1] == '\0') break;
    bytes += step;
  }
  int n = bytes > 0 ? MultiByteToWideChar(CP_JAPANESE, 0, text, bytes, out, size - 1) : 0;
  out[n > 0 ? n : 0] = L'\0';
}

// Converted a character (or surrogate pair) at a time: a conversion into a
// buffer too small fails without saying how much would have fitted.
void TextFromWide(const wchar_t* text, char* out, int size) {
  if (size <= 0) return;
  int used = 0;
  for (int i = 0; text[i] != L'\0';) {
    int units = (text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) ? 2 : 1;
    char bytes[8];
    int n = WideCharToMultiByte(CP_JAPANESE, 0, text + i, units, bytes, sizeof bytes, nullptr, nullptr);
    if (n <= 0 || used + n > size - 1) break;
    for (int k = 0; k < n; ++k) out[used++] = bytes[k];
    i += units;
  }
  out[used] = '\0';
}
