// The latency probe's socket calls and its state, for the probe's own tests.
// Include before <windows.h>.
#pragma once
#include <winsock2.h>
#include <stdint.h>

// The Windows Sockets calls of the probe, its clock and the loading of the
// system's ICMP service, replaceable so that a test can refuse the socket, keep
// the line silent or take the service away. They start as the real calls.
struct PingSocketApi {
  SOCKET (*open)(int family, int type, int protocol);
  int (*sendTo)(SOCKET s, const char* data, int length, const struct sockaddr* to, int toLength);
  int (*waitReadable)(SOCKET s, struct timeval* timeout);  // select on a read set of s alone
  int (*recvFrom)(SOCKET s, char* data, int size, struct sockaddr* from, int* fromLength);
  int (*close)(SOCKET s);
  int (*lastError)();
  uint32_t (*tick)();
  HMODULE (*loadLibrary)(const char* name);  // a DLL of Windows, by its name alone
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
// One echo to address through the system's ICMP service, for when the raw
// socket is refused: milliseconds or a PING_ code.
int PingByIcmpService(uint32_t address);
