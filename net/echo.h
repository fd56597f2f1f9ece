// The ICMP echo of the latency probe: building the request and recognising
// its reply. Multi-byte fields of the request are in the machine's
// little-endian order; the reply echoes them back unchanged.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum {
  ECHO_REQUEST_SIZE = 45,
  ECHO_RECEIVE_SIZE = 321,
  ECHO_TIMEOUT_MS = 5000,
  ECHO_DATA_OFFSET = 8,  // behind type, code, checksum, identifier and sequence number
  ECHO_SEND_TIME_OFFSET = 9,
  ECHO_PATTERN_OFFSET = 13,
  ECHO_PATTERN_SIZE = 32
};

// RFC 1071 over little-endian words, an odd last byte padded with zero.
// Stored little-endian at offset 2, it is the checksum the network expects.
uint16_t InetChecksum(const void* data, int length);

// Type 8, code 0, identifier, sequence number, byte 8 zero, the send time at
// offset 9 and the pattern 0x20..0x3F, then the checksum over all 45 bytes.
void BuildEchoRequest(uint16_t id, uint16_t seq, uint32_t sendTime, unsigned char* request);

// True when datagram (IPv4 header, then ICMP) is the echo reply (type 0) that
// carries id and seq. The ICMP message is found by the header's own length,
// so options are stepped over. *sendTime receives the echoed send time.
// Anything else - our own request seen on a raw socket, another program's
// echo, a short or mangled datagram - is not the reply.
bool MatchEchoReply(const unsigned char* datagram, int length, uint16_t id, uint16_t seq,
                    uint32_t* sendTime);

// Milliseconds from sendTime to now; a tick counter that wrapped in between
// still gives the small difference.
int ElapsedMs(uint32_t now, uint32_t sendTime);

// What is left of the wait that began at start (0 when it is over).
int RemainingWaitMs(uint32_t now, uint32_t start, int timeoutMs);

// Status numbers of the system's ICMP service: every one from the base up
// tells how the echo went on the network (timed out, unreachable, ...).
enum { ECHO_STATUS_SUCCESS = 0, ECHO_STATUS_BASE = 11000, ECHO_STATUS_LAST = 11999 };

// The probe's result from one echo through the system's ICMP service:
// replies is what IcmpSendEcho returned, status and roundTripMs are those of
// the first reply, lastError is GetLastError after a return of 0. An echo
// that went unanswered in any way (no reply in time, a router's unreachable
// report) is PING_TIMEOUT, as it is on the raw socket, where such reports are
// passed over until the wait ends; a service that failed outright could not
// be used at all: PING_ERR_SOCKET.
int IcmpServiceResult(unsigned long replies, unsigned long status, unsigned long roundTripMs,
                      unsigned long lastError);
