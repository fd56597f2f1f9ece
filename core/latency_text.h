// The main window's latency field: "%d ミリ秒" in a 16-byte buffer.
#pragma once
#include <stddef.h>

// A number too long for the buffer is clamped to the widest that fits
// (99999999 or -9999999 in 16 bytes), so the text is never cut or overrun.
void FormatLatency(int ms, char* out, size_t size);
