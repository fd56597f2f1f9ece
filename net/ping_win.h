// The latency probe's socket calls and its state, for the probe's own tests.
// Include before <windows.h>.
#pragma once
#include <winsock2.h>
#include <stdint.h>

// The Windows Sockets calls of the probe and its clock, replaceable so that a
// test can refuse the socket or keep the line silent. They start as the real calls.
struct PingSocketApi {
  SOCKET (*open)(int family, int type, int protocol);
  int (*sendTo)(SOCKET s, const char* data, int length, const struct sockaddr* to, int toLength);
  int (*waitReadable)(SOCKET s, struct timeval* timeout);  // select on a read set of s alone
  int (*recvFrom)(SOCKET s, char* data, int size, struct sockaddr* from, int* fromLength);
  int (*close)(SOCKET s);
  int (*lastError)();
  uint32_t (*tick)();
};
extern PingSocketApi g_pingApi;
void ResetPingSocketApi();

// The n-th probe of the process carries identifier and sequence number n (modulo 65536).
extern uint32_t EchoIdCounter;
extern uint32_t EchoSeqCounter;
extern unsigned char EchoRequest[45];
extern const char GameServerAddress[];

// Steps of PingServer.
int SendEchoRequest(SOCKET s, const struct sockaddr_in* to);
int WaitEchoReply(SOCKET s, int timeoutMs);
enum { ECHO_OTHER = 0, ECHO_MATCHED = 1, ECHO_RECV_FAILED = -1 };
int RecvEchoReply(SOCKET s, uint16_t id, uint16_t seq, struct sockaddr_in* from, uint32_t* sendTime);
