#include "net/echo.h"

#include <limits.h>

#include "net/ping.h"

static uint32_t ReadLe32(const unsigned char* p) {
  return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

static uint16_t ReadLe16(const unsigned char* p) { return (uint16_t)(p[0] | (p[1] << 8)); }

static void WriteLe16(unsigned char* p, uint16_t v) {
  p[0] = (unsigned char)(v & 0xFF);
  p[1] = (unsigned char)(v >> 8);
}

uint16_t InetChecksum(const void* data, int length) {
  const unsigned char* p = (const unsigned char*)data;
  uint64_t sum = 0;  // wide enough that no carry is lost whatever the length
  while (length >= 2) {
    sum += ReadLe16(p);
    p += 2;
    length -= 2;
  }
  if (length == 1) sum += p[0];
  while ((sum >> 16) != 0) sum = (sum >> 16) + (sum & 0xFFFF);
  return (uint16_t)~sum;
}

void BuildEchoRequest(uint16_t id, uint16_t seq, uint32_t sendTime, unsigned char* request) {
  request[0] = 8;
  request[1] = 0;
  WriteLe16(request + 2, 0);
  WriteLe16(request + 4, id);
  WriteLe16(request + 6, seq);
  request[8] = 0;
  for (int i = 0; i < 4; ++i) request[ECHO_SEND_TIME_OFFSET + i] = (unsigned char)(sendTime >> (8 * i));
  for (int i = 0; i < ECHO_PATTERN_SIZE; ++i) request[ECHO_PATTERN_OFFSET + i] = (unsigned char)(0x20 + i);
  WriteLe16(request + 2, InetChecksum(request, ECHO_REQUEST_SIZE));
}

bool MatchEchoReply(const unsigned char* datagram, int length, uint16_t id, uint16_t seq,
                    uint32_t* sendTime) {
  if (length < 20 || (datagram[0] >> 4) != 4) return false;
  int header = (datagram[0] & 0x0F) * 4;
  if (header < 20) return false;
  const unsigned char* icmp = datagram + header;
  if (length - header < ECHO_SEND_TIME_OFFSET + 4) return false;
  if (icmp[0] != 0) return false;
  if (ReadLe16(icmp + 4) != id || ReadLe16(icmp + 6) != seq) return false;
  *sendTime = ReadLe32(icmp + ECHO_SEND_TIME_OFFSET);
  return true;
}

int ElapsedMs(uint32_t now, uint32_t sendTime) { return (int)(uint32_t)(now - sendTime); }

int RemainingWaitMs(uint32_t now, uint32_t start, int timeoutMs) {
  uint32_t spent = now - start;
  if (spent >= (uint32_t)timeoutMs) return 0;
  return timeoutMs - (int)spent;
}

static bool IsEchoStatus(unsigned long status) { return status >= ECHO_STATUS_BASE && status <= ECHO_STATUS_LAST; }

int IcmpServiceResult(unsigned long replies, unsigned long status, unsigned long roundTripMs,
                      unsigned long lastError) {
  if (replies == 0) return IsEchoStatus(lastError) ? PING_TIMEOUT : PING_ERR_SOCKET;
  if (status != ECHO_STATUS_SUCCESS) return PING_TIMEOUT;
  return roundTripMs > (unsigned long)INT_MAX ? INT_MAX : (int)roundTripMs;
}
