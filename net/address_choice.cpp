#include "net/address_choice.h"

#include "core/text.h"

bool IsPrivateAddress(uint32_t address, bool linkLocalIsPrivate) {
  if ((address >> 24) == 10) return true;
  if ((address >> 20) == 0xAC1) return true;
  if ((address >> 16) == 0xC0A8) return true;
  return linkLocalIsPrivate && (address >> 16) == 0xA9FE;
}

static void FormatDotted(uint32_t a, const char* tail, char* out, size_t size) {
  TextFormat(out, size, "%u.%u.%u.%u%s", (unsigned)(a >> 24), (unsigned)((a >> 16) & 0xFF),
             (unsigned)((a >> 8) & 0xFF), (unsigned)(a & 0xFF), tail);
}

void ChooseLocalAddressText(const uint32_t* addresses, int count, bool linkLocalIsPrivate,
                            char* out, size_t size) {
  if (count <= 0) {
    TextCopy("(unknown)", out, size);
    return;
  }
  for (int i = 0; i < count; ++i) {
    if (!IsPrivateAddress(addresses[i], linkLocalIsPrivate)) {
      FormatDotted(addresses[i], "", out, size);
      return;
    }
  }
  FormatDotted(addresses[0], " (local)", out, size);
}
