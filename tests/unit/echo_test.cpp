// The latency probe's echo request and the recognition of its reply.
#include "net/echo.h"

#include <limits.h>

#include <gtest/gtest.h>
#include <string.h>

#include <vector>

#include "net/ping.h"

namespace {

std::vector<unsigned char> Request(uint16_t id, uint16_t seq, uint32_t time) {
  std::vector<unsigned char> r(ECHO_REQUEST_SIZE, 0xCC);
  BuildEchoRequest(id, seq, time, r.data());
  return r;
}

// An IPv4 datagram as a raw socket delivers it: header (with headerBytes - 20
// bytes of options), then the ICMP message.
std::vector<unsigned char> Datagram(const std::vector<unsigned char>& icmp, int headerBytes = 20) {
  std::vector<unsigned char> d(headerBytes, 0);
  d[0] = (unsigned char)(0x40 | (headerBytes / 4));
  d[9] = 1;  // ICMP
  for (int i = 20; i < headerBytes; ++i) d[i] = 0x01;  // no-operation options
  d.insert(d.end(), icmp.begin(), icmp.end());
  return d;
}

// The server's answer: type 0, everything else echoed, checksum redone.
std::vector<unsigned char> Reply(std::vector<unsigned char> icmp) {
  icmp[0] = 0;
  icmp[2] = icmp[3] = 0;
  uint16_t sum = InetChecksum(icmp.data(), (int)icmp.size());
  icmp[2] = (unsigned char)(sum & 0xFF);
  icmp[3] = (unsigned char)(sum >> 8);
  return icmp;
}

bool Match(const std::vector<unsigned char>& d, uint16_t id, uint16_t seq, uint32_t* time) {
  return MatchEchoReply(d.data(), (int)d.size(), id, seq, time);
}

TEST(EchoRequest, FirstRequestOfAProcessByteForByte) {
  std::vector<unsigned char> expected = {0x08, 0x00, 0xF3, 0x0C, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
  for (int i = 0; i < 32; ++i) expected.push_back((unsigned char)(0x20 + i));
  EXPECT_EQ(Request(1, 1, 0), expected);
}

TEST(EchoRequest, FieldsInLittleEndianOrder) {
  std::vector<unsigned char> r = Request(0x1234, 0xABCD, 0x89ABCDEF);
  EXPECT_EQ(r[4], 0x34);
  EXPECT_EQ(r[5], 0x12);
  EXPECT_EQ(r[6], 0xCD);
  EXPECT_EQ(r[7], 0xAB);
  EXPECT_EQ(r[8], 0x00);
  EXPECT_EQ(r[9], 0xEF);  // send time at the unaligned offset 9
  EXPECT_EQ(r[10], 0xCD);
  EXPECT_EQ(r[11], 0xAB);
  EXPECT_EQ(r[12], 0x89);
  EXPECT_EQ(r[13], 0x20);
  EXPECT_EQ(r[44], 0x3F);
}

TEST(EchoRequest, ChecksumVerifiesOverTheWholeMessage) {
  const uint32_t times[] = {0, 1, 0x12345678, 0xFFFFFFFF};
  for (uint32_t t : times) {
    std::vector<unsigned char> r = Request(2, 2, t);
    EXPECT_EQ(InetChecksum(r.data(), (int)r.size()), 0) << t;
  }
}

TEST(InetChecksum, OddByteIsPaddedWithZero) {
  const unsigned char one[] = {0x01};
  EXPECT_EQ(InetChecksum(one, 1), 0xFFFE);
  const unsigned char three[] = {0x01, 0x02, 0x03};
  EXPECT_EQ(InetChecksum(three, 3), (uint16_t)~(0x0201 + 0x0003));
}

TEST(InetChecksum, CarriesAreFoldedBack) {
  const unsigned char ones[] = {0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(InetChecksum(ones, 4), 0x0000);
  const unsigned char carry[] = {0xFF, 0xFF, 0x02, 0x00};  // 0xFFFF + 0x0002 = 0x10001 -> 0x0002
  EXPECT_EQ(InetChecksum(carry, 4), 0xFFFD);
  EXPECT_EQ(InetChecksum(ones, 0), 0xFFFF);
}

TEST(InetChecksum, StoredLittleEndianItIsTheNetworkChecksum) {
  // RFC 1071's example: in network order the checksum is 0x220D.
  const unsigned char data[] = {0x00, 0x01, 0xF2, 0x03, 0xF4, 0xF5, 0xF6, 0xF7};
  uint16_t sum = InetChecksum(data, 8);
  EXPECT_EQ(sum & 0xFF, 0x22);
  EXPECT_EQ(sum >> 8, 0x0D);
}

TEST(MatchEchoReply, ReplyToThisRequest) {
  uint32_t time = 0;
  EXPECT_TRUE(Match(Datagram(Reply(Request(7, 9, 123456))), 7, 9, &time));
  EXPECT_EQ(time, 123456u);
}

TEST(MatchEchoReply, OwnRequestOnTheRawSocketIsSkipped) {
  uint32_t time = 0;
  EXPECT_FALSE(Match(Datagram(Request(1, 1, 500)), 1, 1, &time));
}

TEST(MatchEchoReply, OtherIdentifierOrSequenceIsSkipped) {
  uint32_t time = 0;
  EXPECT_FALSE(Match(Datagram(Reply(Request(2, 1, 500))), 1, 1, &time));
  EXPECT_FALSE(Match(Datagram(Reply(Request(1, 2, 500))), 1, 1, &time));
  // Identifier and sequence number compared in the order they were sent.
  EXPECT_FALSE(Match(Datagram(Reply(Request(0x0100, 0x0100, 500))), 1, 1, &time));
}

TEST(MatchEchoReply, OtherIcmpTypesAreSkipped) {
  uint32_t time = 0;
  std::vector<unsigned char> unreachable = Reply(Request(1, 1, 500));
  unreachable[0] = 3;
  EXPECT_FALSE(Match(Datagram(unreachable), 1, 1, &time));
}

TEST(MatchEchoReply, HeaderOptionsAreSteppedOver) {
  uint32_t time = 0;
  for (int header = 24; header <= 60; header += 4) {
    EXPECT_TRUE(Match(Datagram(Reply(Request(3, 3, 0x01020304)), header), 3, 3, &time)) << header;
    EXPECT_EQ(time, 0x01020304u) << header;
  }
}

TEST(MatchEchoReply, ShortOrMangledDatagramsAreIgnored) {
  uint32_t time = 77;
  std::vector<unsigned char> whole = Datagram(Reply(Request(1, 1, 500)));
  for (int len = 0; len < 20 + 13; ++len) EXPECT_FALSE(MatchEchoReply(whole.data(), len, 1, 1, &time)) << len;
  EXPECT_TRUE(MatchEchoReply(whole.data(), 20 + 13, 1, 1, &time));  // enough to hold the send time
  std::vector<unsigned char> v6 = whole;
  v6[0] = 0x65;
  EXPECT_FALSE(Match(v6, 1, 1, &time));
  std::vector<unsigned char> tinyHeader = whole;
  tinyHeader[0] = 0x44;  // 16 bytes: no valid IPv4 header
  EXPECT_FALSE(Match(tinyHeader, 1, 1, &time));
  std::vector<unsigned char> hugeHeader = whole;
  hugeHeader[0] = 0x4F;  // 60 bytes claimed, fewer behind it
  EXPECT_FALSE(Match(hugeHeader, 1, 1, &time));
}

TEST(ElapsedMs, DifferenceOfTicks) {
  EXPECT_EQ(ElapsedMs(1000, 900), 100);
  EXPECT_EQ(ElapsedMs(5, 5), 0);
}

TEST(ElapsedMs, TickCounterWrapGivesTheSmallDifference) {
  EXPECT_EQ(ElapsedMs(0x10, 0xFFFFFFF0u), 32);
  EXPECT_EQ(ElapsedMs(0, 0xFFFFFFFFu), 1);
}

TEST(RemainingWaitMs, CountsDownFromTheStart) {
  EXPECT_EQ(RemainingWaitMs(1000, 1000, 5000), 5000);
  EXPECT_EQ(RemainingWaitMs(5999, 1000, 5000), 1);
  EXPECT_EQ(RemainingWaitMs(6000, 1000, 5000), 0);
  EXPECT_EQ(RemainingWaitMs(90000, 1000, 5000), 0);
  EXPECT_EQ(RemainingWaitMs(2000, 0xFFFFFF00u, 5000), 5000 - 2256);  // across the wrap
}

// IcmpSendEcho's answers: 11010 is its "timed out", 11003 "host unreachable";
// 87 (invalid parameter) and 5 (access denied) are failures of the service.
TEST(IcmpServiceResult, ReplyGivesItsRoundTrip) {
  EXPECT_EQ(IcmpServiceResult(1, ECHO_STATUS_SUCCESS, 0, 0), 0);
  EXPECT_EQ(IcmpServiceResult(1, ECHO_STATUS_SUCCESS, 37, 0), 37);
  EXPECT_EQ(IcmpServiceResult(1, ECHO_STATUS_SUCCESS, 0xFFFFFFFFul, 0), INT_MAX);
}

TEST(IcmpServiceResult, UnansweredEchoIsATimeout) {
  EXPECT_EQ(IcmpServiceResult(0, 0, 0, 11010), PING_TIMEOUT);
  EXPECT_EQ(IcmpServiceResult(0, 0, 0, 11003), PING_TIMEOUT);
  EXPECT_EQ(IcmpServiceResult(1, 11003, 12, 0), PING_TIMEOUT);  // a router's report, not the server's echo
}

TEST(IcmpServiceResult, FailedServiceCannotMeasure) {
  EXPECT_EQ(IcmpServiceResult(0, 0, 0, 87), PING_ERR_SOCKET);
  EXPECT_EQ(IcmpServiceResult(0, 0, 0, 5), PING_ERR_SOCKET);
  EXPECT_EQ(IcmpServiceResult(0, 0, 0, 12000), PING_ERR_SOCKET);
}

}  // namespace
