// The Online page's reading of stored and typed text: the name colour text
// converts as the C library's strtoul does for a 32-bit unsigned long,
// a formatted colour reads back as the same 24-bit value, the chat lines are
// always 2 to 30, and list positions always name an item or none.
#include "options/online.h"

#include <errno.h>
#include <algorithm>
#include <stdlib.h>

#include "fuzz_util.h"

namespace {

bool IsCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// strtoul(text, 16) with a 32-bit unsigned long, from the host's 64-bit library.
unsigned Strtoul32(const char* text) {
  const char* p = text;
  while (IsCSpace(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') {
    negative = *p == '-';
    ++p;
  }
  if (!IsHexDigit(*p)) return 0;  // no digits (another sign or a space after the sign)
  errno = 0;
  unsigned long long v = strtoull(p, nullptr, 16);
  if (errno == ERANGE || v > 0xFFFFFFFFull) return 0xFFFFFFFFu;
  return negative ? 0u - (unsigned)v : (unsigned)v;
}

std::string ColorText(FuzzedDataProvider& fdp) {
  switch (fdp.ConsumeIntegralInRange(0, 3)) {
    case 0: {  // stored by hand: padding, signs, prefixes, long runs of digits
      std::string s;
      int parts = fdp.ConsumeIntegralInRange(0, 8);
      static const char* const kParts[] = {" ", "\t", "+", "-", "0x", "0X", "0", "F", "f", "00000000",
                                           "FFFFFFFF", "404040", "g", "x", "\r\n", "0x0"};
      for (int i = 0; i < parts; ++i) s += kParts[fdp.ConsumeIntegralInRange(0, 15)];
      return s;
    }
    case 1: return FuzzText(fdp, 30);
    case 2: return FuzzText(fdp, 300);  // longer than a value read (255): still a colour
    default: {
      char t[32];
      snprintf(t, sizeof t, "0x%08X", fdp.ConsumeIntegral<unsigned>());
      return t;
    }
  }
}

void CheckColor(FuzzedDataProvider& fdp) {
  ExactText text(ColorText(fdp));
  unsigned parsed = ParseHex32(text);
  FUZZ_CHECK(parsed == Strtoul32(text));
  unsigned color = NameColorFromText(text);
  FUZZ_CHECK((color & 0xFF000000u) == 0);
  FUZZ_CHECK(color == (parsed == 0xFFFFFFFFu ? kDefaultNameColor : (parsed & 0x00FFFFFFu)));

  // Format, then parse: the same 24-bit value, in a text of the stored shape.
  unsigned value = fdp.ConsumeIntegral<unsigned>();
  ExactBuffer out(NAME_COLOR_TEXT_SIZE);
  FormatNameColor(value, out.get(), out.size());
  FUZZ_CHECK(out.Terminated());
  FUZZ_CHECK(strlen(out.get()) == 10 && strncmp(out.get(), "0x00", 4) == 0);
  for (int i = 4; i < 10; ++i) FUZZ_CHECK(IsHexDigit(out.get()[i]) && !(out.get()[i] >= 'a' && out.get()[i] <= 'f'));
  FUZZ_CHECK(NameColorFromText(out.get()) == (value & 0x00FFFFFFu));

  // A smaller buffer than the page's gets "" or the whole text, never a part.
  ExactBuffer small(fdp.ConsumeIntegralInRange<size_t>(0, 12));
  FormatNameColor(value, small.get(), small.size());
  if (small.size() == 0) FUZZ_CHECK(small.Untouched());
  else FUZZ_CHECK(small.Terminated() && (small.get()[0] == '\0' || strcmp(small.get(), out.get()) == 0));
}

void CheckChatLines(FuzzedDataProvider& fdp) {
  std::string typed;
  if (fdp.ConsumeBool()) {
    static const char* const kParts[] = {" ", "\t", "0", "1", "2", "3", "9", "30", "31", "-", "+", "a", "4294967298"};
    int parts = fdp.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < parts; ++i) typed += kParts[fdp.ConsumeIntegralInRange(0, 12)];
  } else {
    typed = FuzzText(fdp, 300);
  }
  ExactText text(typed);
  int lines = ChatLinesToSave(text);
  FUZZ_CHECK(lines >= 2 && lines <= 30);
  // An unsigned decimal number with white space around it is kept when in range.
  size_t b = 0, e = typed.size();
  while (b < e && IsCSpace(typed[b])) ++b;
  while (e > b && IsCSpace(typed[e - 1])) --e;
  std::string core = typed.substr(b, e - b);
  bool digits = !core.empty() && core.find_first_not_of("0123456789") == std::string::npos;
  if (digits) {
    std::string trimmed = core.substr(std::min(core.find_first_not_of('0'), core.size()));
    long v = trimmed.size() > 4 ? 1000 : atol(trimmed.c_str());
    FUZZ_CHECK(lines == ((v >= 2 && v <= 30) ? (int)v : DEFAULT_CHAT_LINES));
  } else {
    FUZZ_CHECK(lines == DEFAULT_CHAT_LINES);
  }
}

void CheckPositions(FuzzedDataProvider& fdp) {
  unsigned stored = fdp.ConsumeIntegral<unsigned>();
  if (fdp.ConsumeBool()) stored = fdp.ConsumeIntegralInRange<unsigned>(0, 8) - 2u;
  int count = fdp.ConsumeIntegralInRange(-2, 8);
  int pos = ListPositionFromStored(stored, count);
  FUZZ_CHECK(pos == -1 || (pos >= 0 && pos < count && (unsigned)pos == stored));
  if (count > 0 && stored < (unsigned)count) FUZZ_CHECK(pos == (int)stored);
  FUZZ_CHECK(CheckFromStored(stored) == (stored != 0));
  FUZZ_CHECK(StoredFromCheck(CheckFromStored(stored)) == (stored != 0 ? 1 : 0));
  // At most one of the two value fields is shown for any list position.
  int mode = fdp.ConsumeIntegral<int>();
  FUZZ_CHECK(!(MatchupRateShown(mode) && MatchupPingShown(mode)));

  int i = fdp.ConsumeIntegral<int>();
  if (fdp.ConsumeBool()) i = fdp.ConsumeIntegralInRange(0, 17);
  ExactBuffer key(fdp.ConsumeBool() ? (size_t)CUSTOM_COLOR_KEY_SIZE : fdp.ConsumeIntegralInRange<size_t>(0, 20));
  FormatCustomColorKey(i, key.get(), key.size());
  if (key.size() == 0) {
    FUZZ_CHECK(key.Untouched());
    return;
  }
  FUZZ_CHECK(key.Terminated());
  char expected[32];
  snprintf(expected, sizeof expected, "Color%02d", i);
  FUZZ_CHECK(key.get()[0] == '\0' || strcmp(key.get(), expected) == 0);
  if (i >= 1 && i <= CUSTOM_COLOR_COUNT && key.size() >= (size_t)CUSTOM_COLOR_KEY_SIZE)
    FUZZ_CHECK(strcmp(key.get(), expected) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t length) {
  FuzzedDataProvider fdp(data, length);
  switch (fdp.ConsumeIntegralInRange(0, 2)) {
    case 0: CheckColor(fdp); break;
    case 1: CheckChatLines(fdp); break;
    default: CheckPositions(fdp); break;
  }
  return 0;
}
