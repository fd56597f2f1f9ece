// The bounded text helpers and the latency text: results stay terminated
// within their buffers, a cut never leaves half a double-byte character and
// keeps as much as fits, and the latency field always reads as a number of
// milliseconds no larger than the one measured.
#include "core/latency_text.h"
#include "core/text.h"

#include <stdlib.h>

#include "fuzz_util.h"

namespace {

void CheckCut(FuzzedDataProvider& fdp) {
  std::string original = FuzzText(fdp, 600);
  size_t maxBytes = fdp.ConsumeIntegralInRange<size_t>(0, 620);
  ExactText text(original);
  CutAtCharBoundary(text.get(), maxBytes);
  std::string got = text.get();
  FUZZ_CHECK(got.size() <= maxBytes);
  FUZZ_CHECK(StartsWith(original, got));
  FUZZ_CHECK(EndsOnCharBoundary(got.c_str()));
  // As long as possible: the next character of the original would not fit or is unfinished.
  if (got.size() < original.size()) {
    size_t i = got.size();
    bool lead = IsLeadByte932((unsigned char)original[i]);
    FUZZ_CHECK(i + (lead ? 2 : 1) > maxBytes || (lead && i + 1 == original.size()));
  }
}

void CheckLatency(FuzzedDataProvider& fdp) {
  int ms = fdp.ConsumeIntegral<int>();
  if (fdp.ConsumeBool()) ms = fdp.ConsumeIntegralInRange(-5, 5);
  ExactBuffer out(fdp.ConsumeBool() ? 16 : fdp.ConsumeIntegralInRange<size_t>(0, 40));
  FormatLatency(ms, out.get(), out.size());
  if (out.size() == 0) {
    FUZZ_CHECK(out.Untouched());
    return;
  }
  FUZZ_CHECK(out.Terminated());
  char exact[64];
  snprintf(exact, sizeof exact, "%d ミリ秒", ms);
  std::string got = out.get();
  // Up to eight characters (the field's width) it is shown unchanged whenever it fits.
  bool eight = ms >= -9999999 && ms <= 99999999;
  if (eight && strlen(exact) < out.size()) {
    FUZZ_CHECK(got == exact);
    return;
  }
  if (out.size() >= 16) FUZZ_CHECK(!got.empty());
  if (got.empty()) return;
  char* end = nullptr;
  long long shown = strtoll(got.c_str(), &end, 10);
  FUZZ_CHECK(end != got.c_str() && strcmp(end, " ミリ秒") == 0);
  // Clamped towards zero, never past the measured value, never to the other sign.
  if (ms >= 0) FUZZ_CHECK(shown >= 0 && shown <= ms && shown <= 99999999);
  else FUZZ_CHECK(shown <= 0 && shown >= ms && shown >= -9999999);
}

void CheckCopyAppendFormat(FuzzedDataProvider& fdp) {
  std::string a = FuzzText(fdp, 300);
  std::string b = FuzzText(fdp, 300);
  size_t size = fdp.ConsumeIntegralInRange<size_t>(0, 400);
  ExactText src(a), more(b);
  ExactBuffer dst(size);
  bool copied = TextCopy(src, dst.get(), size);
  if (size == 0) {
    FUZZ_CHECK(!copied && dst.Untouched());
    FUZZ_CHECK(!TextFormat(dst.get(), size, "%s", (const char*)src) && dst.Untouched());
    return;
  }
  FUZZ_CHECK(dst.Terminated());
  FUZZ_CHECK(copied == (a.size() < size));
  FUZZ_CHECK(std::string(dst.get()) == (copied ? a : ""));
  std::string before = dst.get();
  bool appended = TextAppend(more, dst.get(), size);
  FUZZ_CHECK(dst.Terminated());
  FUZZ_CHECK(appended == (before.size() + b.size() < size));
  FUZZ_CHECK(std::string(dst.get()) == (appended ? before + b : before));
  bool formatted = TextFormat(dst.get(), size, "%s|%s", (const char*)src, (const char*)more);
  FUZZ_CHECK(dst.Terminated());
  FUZZ_CHECK(formatted == (a.size() + 1 + b.size() < size));
  FUZZ_CHECK(std::string(dst.get()) == (formatted ? a + "|" + b : ""));
}

void CheckAppendToUnterminated(FuzzedDataProvider& fdp) {
  // A destination that holds no terminator within its size is left alone.
  size_t size = fdp.ConsumeIntegralInRange<size_t>(0, 64);
  ExactBuffer dst(size);
  ExactText more(FuzzText(fdp, 20));
  FUZZ_CHECK(!TextAppend(more, dst.get(), size));
  for (size_t i = 0; i < size; ++i) FUZZ_CHECK((unsigned char)dst.get()[i] == 0x5A);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t length) {
  FuzzedDataProvider fdp(data, length);
  switch (fdp.ConsumeIntegralInRange(0, 3)) {
    case 0: CheckCut(fdp); break;
    case 1: CheckLatency(fdp); break;
    case 2: CheckCopyAppendFormat(fdp); break;
    default: CheckAppendToUnterminated(fdp); break;
  }
  return 0;
}
