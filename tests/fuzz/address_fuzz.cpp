// The own-address line from any address list the host look-up gives: the
// first address outside the private ranges, else the first one marked
// " (local)", "(unknown)" for none; always terminated within the buffer, and
// the dotted text reads back as the chosen address.
#include "net/address_choice.h"

#include <vector>

#include "fuzz_util.h"

namespace {

bool Private(uint32_t a, bool linkLocal) {
  uint8_t b0 = (uint8_t)(a >> 24), b1 = (uint8_t)(a >> 16);
  if (b0 == 10) return true;
  if (b0 == 172 && b1 >= 16 && b1 <= 31) return true;
  if (b0 == 192 && b1 == 168) return true;
  return linkLocal && b0 == 169 && b1 == 254;
}

uint32_t Address(FuzzedDataProvider& fdp) {
  static const uint32_t kNear[] = {0x0A000001u, 0xAC100001u, 0xAC1FFFFFu, 0xAC200000u, 0xAC0FFFFFu,
                                   0xC0A80001u, 0xC0A90001u, 0xA9FE0001u, 0x7F000001u, 0x00000000u,
                                   0xFFFFFFFFu, 0x0B000001u};
  if (fdp.ConsumeBool()) return kNear[fdp.ConsumeIntegralInRange(0, 11)] ^ fdp.ConsumeIntegralInRange<uint32_t>(0, 3);
  return fdp.ConsumeIntegral<uint32_t>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t length) {
  FuzzedDataProvider fdp(data, length);
  bool linkLocal = fdp.ConsumeBool();
  int count = fdp.ConsumeIntegralInRange(-1, 12);
  std::vector<uint32_t> list;
  for (int i = 0; i < count; ++i) list.push_back(Address(fdp));
  size_t size = fdp.ConsumeBool() ? (size_t)LOCAL_ADDRESS_TEXT_SIZE : fdp.ConsumeIntegralInRange<size_t>(0, 40);

  for (uint32_t a : list) FUZZ_CHECK(IsPrivateAddress(a, linkLocal) == Private(a, linkLocal));

  uint32_t* addresses = (uint32_t*)malloc(list.empty() ? sizeof(uint32_t) : list.size() * sizeof(uint32_t));
  if (!list.empty()) memcpy(addresses, list.data(), list.size() * sizeof(uint32_t));
  ExactBuffer out(size);
  ChooseLocalAddressText(addresses, count, linkLocal, out.get(), out.size());
  free(addresses);
  if (size == 0) {
    FUZZ_CHECK(out.Untouched());
    return 0;
  }
  FUZZ_CHECK(out.Terminated());
  std::string got = out.get();

  std::string expected;
  if (count <= 0) {
    expected = "(unknown)";
  } else {
    size_t pick = 0;
    bool found = false;
    for (size_t i = 0; i < list.size() && !found; ++i)
      if (!Private(list[i], linkLocal)) pick = i, found = true;
    uint32_t a = list[pick];
    unsigned b[4] = {a >> 24, (a >> 16) & 0xFF, (a >> 8) & 0xFF, a & 0xFF};
    char dotted[40];
    snprintf(dotted, sizeof dotted, "%u.%u.%u.%u%s", b[0], b[1], b[2], b[3], found ? "" : " (local)");
    expected = dotted;
    // The text reads back as the address.
    unsigned r[4];
    if (!got.empty()) {
      FUZZ_CHECK(sscanf(got.c_str(), "%u.%u.%u.%u", &r[0], &r[1], &r[2], &r[3]) == 4);
      FUZZ_CHECK(((r[0] << 24) | (r[1] << 16) | (r[2] << 8) | r[3]) == a);
    }
  }
  if (expected.size() < size) FUZZ_CHECK(got == expected);
  else FUZZ_CHECK(got.empty());  // never a cut address
  if (size >= (size_t)LOCAL_ADDRESS_TEXT_SIZE) FUZZ_CHECK(!got.empty());
  return 0;
}
