// The latency probe's handling of whatever datagram a raw socket delivers:
// nothing is read outside the bytes received, only an echo reply with our
// identifier and sequence number is taken, and the send time it carries is
// the one our request went out with. The request itself checks out.
#include "net/echo.h"

#include <vector>

#include "fuzz_util.h"

namespace {

uint16_t Le16(const unsigned char* p) { return (uint16_t)(p[0] | (p[1] << 8)); }
uint32_t Le32(const unsigned char* p) {
  return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

void CheckAnyDatagram(FuzzedDataProvider& fdp) {
  uint16_t id = fdp.ConsumeIntegral<uint16_t>();
  uint16_t seq = fdp.ConsumeIntegral<uint16_t>();
  std::vector<unsigned char> bytes = fdp.ConsumeBytes<unsigned char>(ECHO_RECEIVE_SIZE);
  int length = (int)bytes.size();
  // Exactly the bytes received, in a block of their own size.
  unsigned char* datagram = (unsigned char*)malloc(bytes.empty() ? 1 : bytes.size());
  if (!bytes.empty()) memcpy(datagram, bytes.data(), bytes.size());
  uint32_t sendTime = 0xA5A5A5A5u;
  bool matched = MatchEchoReply(datagram, length, id, seq, &sendTime);
  if (matched) {
    int header = (datagram[0] & 0x0F) * 4;
    FUZZ_CHECK((datagram[0] >> 4) == 4 && header >= 20);
    FUZZ_CHECK(length >= header + ECHO_SEND_TIME_OFFSET + 4);
    const unsigned char* icmp = datagram + header;
    FUZZ_CHECK(icmp[0] == 0);
    FUZZ_CHECK(Le16(icmp + 4) == id && Le16(icmp + 6) == seq);
    FUZZ_CHECK(sendTime == Le32(icmp + ECHO_SEND_TIME_OFFSET));
  } else {
    FUZZ_CHECK(sendTime == 0xA5A5A5A5u);
  }
  free(datagram);
}

void CheckOwnRequest(FuzzedDataProvider& fdp) {
  uint16_t id = fdp.ConsumeIntegral<uint16_t>();
  uint16_t seq = fdp.ConsumeIntegral<uint16_t>();
  uint32_t sent = fdp.ConsumeIntegral<uint32_t>();
  unsigned char request[ECHO_REQUEST_SIZE];
  BuildEchoRequest(id, seq, sent, request);
  FUZZ_CHECK(InetChecksum(request, ECHO_REQUEST_SIZE) == 0);  // the checksum checks out
  FUZZ_CHECK(request[0] == 8 && request[1] == 0 && request[8] == 0);
  FUZZ_CHECK(Le16(request + 4) == id && Le16(request + 6) == seq && Le32(request + 9) == sent);

  // Behind an IPv4 header with options: our own request is not a reply; the
  // server's reply (type 0) is, with the same send time.
  int options = fdp.ConsumeIntegralInRange(0, 10);
  int header = 20 + 4 * options;
  std::vector<unsigned char> d(header + ECHO_REQUEST_SIZE);
  d[0] = (unsigned char)(0x40 | (header / 4));
  for (int i = 1; i < header; ++i) d[i] = fdp.ConsumeIntegral<unsigned char>();
  memcpy(&d[header], request, ECHO_REQUEST_SIZE);
  uint32_t got = 0;
  int cut = fdp.ConsumeIntegralInRange(0, (int)d.size());
  FUZZ_CHECK(!MatchEchoReply(d.data(), (int)d.size(), id, seq, &got));
  d[header] = 0;
  FUZZ_CHECK(MatchEchoReply(d.data(), (int)d.size(), id, seq, &got) && got == sent);
  // Another identifier or sequence number (another program's echo) is not ours.
  FUZZ_CHECK(!MatchEchoReply(d.data(), (int)d.size(), (uint16_t)(id + 1), seq, &got));
  FUZZ_CHECK(!MatchEchoReply(d.data(), (int)d.size(), id, (uint16_t)(seq + 1), &got));
  // Cut short: taken only while the send time is still within the bytes.
  unsigned char* shortCopy = (unsigned char*)malloc(cut == 0 ? 1 : cut);
  memcpy(shortCopy, d.data(), cut);
  bool shortMatched = MatchEchoReply(shortCopy, cut, id, seq, &got);
  FUZZ_CHECK(shortMatched == (cut >= header + ECHO_SEND_TIME_OFFSET + 4));
  free(shortCopy);
}

void CheckChecksumAndTime(FuzzedDataProvider& fdp) {
  std::vector<unsigned char> data = fdp.ConsumeBytes<unsigned char>(fdp.ConsumeIntegralInRange(0, 600));
  if (data.size() % 2 == 1) data.push_back(0);  // an odd last byte is padded with zero
  size_t n = data.size();
  unsigned char* block = (unsigned char*)malloc(n + 2);
  if (n > 0) memcpy(block, data.data(), n);
  uint16_t sum = InetChecksum(block, (int)n);
  // Appending the checksum makes the whole check out (RFC 1071).
  block[n] = (unsigned char)(sum & 0xFF);
  block[n + 1] = (unsigned char)(sum >> 8);
  FUZZ_CHECK(InetChecksum(block, (int)n + 2) == 0);
  free(block);

  uint32_t start = fdp.ConsumeIntegral<uint32_t>();
  uint32_t elapsed = fdp.ConsumeIntegralInRange<uint32_t>(0, 2 * ECHO_TIMEOUT_MS);
  FUZZ_CHECK(ElapsedMs(start + elapsed, start) == (int)elapsed);  // a wrapped counter too
  int left = RemainingWaitMs(start + elapsed, start, ECHO_TIMEOUT_MS);
  FUZZ_CHECK(left >= 0 && left <= ECHO_TIMEOUT_MS);
  FUZZ_CHECK(left == (elapsed >= (uint32_t)ECHO_TIMEOUT_MS ? 0 : ECHO_TIMEOUT_MS - (int)elapsed));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t length) {
  FuzzedDataProvider fdp(data, length);
  switch (fdp.ConsumeIntegralInRange(0, 2)) {
    case 0: CheckAnyDatagram(fdp); break;
    case 1: CheckOwnRequest(fdp); break;
    default: CheckChecksumAndTime(fdp); break;
  }
  return 0;
}
