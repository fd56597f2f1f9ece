#include "core/latency_text.h"

#include "core/text.h"

void FormatLatency(int ms, char* out, size_t size) {
  if (size == 0) return;
  long long v = ms;
  long long hi = 99999999, lo = -9999999;
  for (;;) {
    if (v > hi) v = hi;
    if (v < lo) v = lo;
    if (TextFormat(out, size, "%lld ミリ秒", v)) return;
    if (hi == 0) break;
    hi /= 10;
    lo /= 10;
  }
  out[0] = '\0';
}
