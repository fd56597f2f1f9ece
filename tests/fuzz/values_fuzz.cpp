// Numbers typed or stored for the video, sound and quick message pages: a
// window position reads as the C library's strtol would, or 0 when it is not
// a number or does not fit 32 bits; stored list positions name an entry or
// none; keys and list texts are complete or refused.
#include "options/quickmsg.h"
#include "options/sound.h"
#include "options/video.h"

#include <errno.h>
#include <limits.h>
#include <stdlib.h>

#include "fuzz_util.h"

namespace {

std::string PositionText(FuzzedDataProvider& fdp) {
  if (!fdp.ConsumeBool()) return FuzzText(fdp, 300);
  static const char* const kParts[] = {" ", "\t", "-", "+", "0", "1", "9", "2147483647", "2147483648",
                                       "4294967296", "x", "\n", "00000000000000000000"};
  std::string s;
  int parts = fdp.ConsumeIntegralInRange(0, 6);
  for (int i = 0; i < parts; ++i) s += kParts[fdp.ConsumeIntegralInRange(0, 12)];
  return s;
}

void CheckPosition(FuzzedDataProvider& fdp) {
  ExactText text(PositionText(fdp));
  int got = ParsePosition(text);
  char* end = nullptr;
  errno = 0;
  long long v = strtoll(text, &end, 10);
  bool number = end != (const char*)text;
  if (!number || errno == ERANGE || v < INT_MIN || v > INT_MAX) FUZZ_CHECK(got == 0);
  else FUZZ_CHECK(got == (int)v);
}

void CheckVideo(FuzzedDataProvider& fdp) {
  unsigned stored[VIDEO_KEY_COUNT];
  for (unsigned& v : stored) v = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange<unsigned>(0, 20) : fdp.ConsumeIntegral<unsigned>();
  VideoSettings s;
  VideoFromStored(stored, &s);
  FUZZ_CHECK(s.resolution == -1 || (s.resolution >= 0 && s.resolution < RESOLUTION_COUNT));
  unsigned r = stored[VIDEO_RESOLUTION];
  FUZZ_CHECK(ResolutionIndexFromStored(r) == (r < (unsigned)RESOLUTION_COUNT ? (int)r : -1));
  // Stored and read again: the same settings.
  int out[VIDEO_KEY_COUNT];
  VideoToStore(&s, out);
  unsigned again[VIDEO_KEY_COUNT];
  for (int i = 0; i < VIDEO_KEY_COUNT; ++i) again[i] = (unsigned)out[i];
  VideoSettings t;
  VideoFromStored(again, &t);
  FUZZ_CHECK(s.resolution == t.resolution && s.direct3d == t.direct3d && s.fullScreen == t.fullScreen &&
             s.drawBackground == t.drawBackground && s.softFilter == t.softFilter &&
             s.showVersion == t.showVersion && s.showFps == t.showFps && s.posX == t.posX && s.posY == t.posY);

  int index = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange(-2, RESOLUTION_COUNT + 1) : fdp.ConsumeIntegral<int>();
  ExactBuffer text(fdp.ConsumeBool() ? 16 : fdp.ConsumeIntegralInRange<size_t>(0, 16));
  bool ok = FormatResolution(index, text.get(), text.size());
  if (text.size() == 0) {
    FUZZ_CHECK(!ok && text.Untouched());
  } else {
    FUZZ_CHECK(text.Terminated());
    if (ok) {
      FUZZ_CHECK(index >= 0 && index < RESOLUTION_COUNT);
      int w = 0, h = 0;
      FUZZ_CHECK(sscanf(text.get(), "%dx%d", &w, &h) == 2);
      FUZZ_CHECK(w == kResolutions[index].width && h == kResolutions[index].height);
    } else {
      FUZZ_CHECK(text.get()[0] == '\0');
    }
  }
  unsigned sound = fdp.ConsumeIntegral<unsigned>();
  FUZZ_CHECK(SoundOnFromStored((unsigned)SoundModeToStore(SoundOnFromStored(sound))) == SoundOnFromStored(sound));
}

void CheckQuickMessageKey(FuzzedDataProvider& fdp) {
  int n = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange(-1, 10) : fdp.ConsumeIntegral<int>();
  ExactBuffer key(fdp.ConsumeBool() ? 32 : fdp.ConsumeIntegralInRange<size_t>(0, 32));
  bool ok = QuickMessageKey(n, key.get(), key.size());
  if (key.size() == 0) {
    FUZZ_CHECK(!ok && key.Untouched());
    return;
  }
  FUZZ_CHECK(key.Terminated());
  char expected[40];
  snprintf(expected, sizeof expected, "ShortCutMessage_F%02d", n);
  if (ok) FUZZ_CHECK(n >= 1 && n <= QUICK_MESSAGE_COUNT && strcmp(key.get(), expected) == 0);
  else FUZZ_CHECK(key.get()[0] == '\0' && (n < 1 || n > QUICK_MESSAGE_COUNT || strlen(expected) >= key.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t length) {
  FuzzedDataProvider fdp(data, length);
  switch (fdp.ConsumeIntegralInRange(0, 2)) {
    case 0: CheckPosition(fdp); break;
    case 1: CheckVideo(fdp); break;
    default: CheckQuickMessageKey(fdp); break;
  }
  return 0;
}
