// The About page's texts from the game's Launcher.ini and file dates: the
// version is a piece of the window title that starts at the first mark and,
// where the program cuts, holds no space after the mark; a date is either
// complete or the "no date" text; file paths are complete or refused.
#include "options/about.h"

#include "core/paths.h"

#include "fuzz_util.h"

namespace {

std::string Title(FuzzedDataProvider& fdp) {
  static const char* const kParts[] = {"ZantoWin ", "Ver", "Ver.", "ver", " ", "1.05", "2.08",
                                       "偽ランチャー", "\x81", "Ver1.05 beta", "  "};
  if (fdp.ConsumeBool()) return FuzzText(fdp, WINDOW_TITLE_SIZE + 40);
  std::string s;
  int parts = fdp.ConsumeIntegralInRange(0, 10);
  for (int i = 0; i < parts; ++i) s += kParts[fdp.ConsumeIntegralInRange(0, 10)];
  return s;
}

void CheckVersion(FuzzedDataProvider& fdp) {
  std::string title = Title(fdp);
  // The title as the page reads it: at most 307 bytes.
  if (title.size() >= WINDOW_TITLE_SIZE) title.resize(WINDOW_TITLE_SIZE - 1);
  std::string mark = fdp.ConsumeBool() ? (fdp.ConsumeBool() ? "Ver" : "Ver.") : FuzzText(fdp, 6);
  bool cut = fdp.ConsumeBool();
  size_t size = fdp.ConsumeBool() ? (size_t)WINDOW_TITLE_SIZE : fdp.ConsumeIntegralInRange<size_t>(0, 400);
  ExactText t(title), m(mark);
  ExactBuffer out(size);
  bool found = ExtractVersion(t, m, cut, out.get(), out.size());
  if (size == 0) {
    FUZZ_CHECK(!found && out.Untouched());
    return;
  }
  FUZZ_CHECK(out.Terminated());
  std::string got = out.get();
  size_t at = mark.empty() ? std::string::npos : title.find(mark);
  if (at == std::string::npos) {
    FUZZ_CHECK(!found && got.empty());
    return;
  }
  std::string expected = title.substr(at);
  if (cut) {
    size_t space = expected.find(' ', mark.size());
    if (space != std::string::npos) expected.resize(space);
  }
  if (expected.size() < size) FUZZ_CHECK(found && got == expected);
  else FUZZ_CHECK(!found && got.empty());
}

void CheckDate(FuzzedDataProvider& fdp) {
  int year = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange(1601, 30827) : fdp.ConsumeIntegral<int>();
  int month = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange(1, 12) : fdp.ConsumeIntegral<int>();
  int day = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange(1, 31) : fdp.ConsumeIntegral<int>();
  size_t size = fdp.ConsumeBool() ? (size_t)FILE_DATE_SIZE : fdp.ConsumeIntegralInRange<size_t>(0, 48);
  ExactBuffer out(size);
  FormatFileDate(year, month, day, out.get(), out.size());
  if (size == 0) {
    FUZZ_CHECK(out.Untouched());
    return;
  }
  FUZZ_CHECK(out.Terminated());
  char exact[64];
  snprintf(exact, sizeof exact, "%04d/%02d/%02d", year, month, day);
  std::string got = out.get();
  if (strlen(exact) < size) FUZZ_CHECK(got == exact);
  else FUZZ_CHECK(got == kNoFileDate || (got.empty() && strlen(kNoFileDate) >= size));
  // Any date a file system can hold fits the page's buffer.
  if (year >= 0 && year <= 99999 && month >= 0 && month <= 99 && day >= 0 && day <= 99 &&
      size >= (size_t)FILE_DATE_SIZE)
    FUZZ_CHECK(got == exact);
}

void CheckGamePath(FuzzedDataProvider& fdp) {
  std::string folder = FuzzText(fdp, 300);
  std::string sep = fdp.ConsumeBool() ? "\\" : "";
  std::string name = fdp.ConsumeBool() ? "Launcher.ini" : FuzzText(fdp, 20);
  size_t size = fdp.ConsumeBool() ? (size_t)260 : fdp.ConsumeIntegralInRange<size_t>(0, 320);
  ExactText f(folder), s(sep), n(name);
  ExactBuffer out(size);
  bool ok = GameFilePath(f, s, n, out.get(), out.size());
  if (size == 0) {
    FUZZ_CHECK(!ok && out.Untouched());
    return;
  }
  FUZZ_CHECK(out.Terminated());
  std::string expected = folder + sep + name;
  if (expected.size() < size) FUZZ_CHECK(ok && out.get() == expected);
  else FUZZ_CHECK(!ok && out.get()[0] == '\0');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t length) {
  FuzzedDataProvider fdp(data, length);
  switch (fdp.ConsumeIntegralInRange(0, 2)) {
    case 0: CheckVersion(fdp); break;
    case 1: CheckDate(fdp); break;
    default: CheckGamePath(fdp); break;
  }
  return 0;
}
