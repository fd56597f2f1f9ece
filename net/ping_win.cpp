// Round-trip time to the game's online server: one ICMP echo on a raw socket,
// or through the system's ICMP service where the raw socket is refused.
#include "net/ping_win.h"

#include <ipexport.h>
#include <string.h>

#include "core/system_dll_win.h"
#include "net/echo.h"
#include "net/ping.h"

#ifndef ZANTO_GAME_SERVER
#define ZANTO_GAME_SERVER "127.0.0.1"
#endif

const char GameServerAddress[] = ZANTO_GAME_SERVER;
uint32_t EchoIdCounter = 1;
uint32_t EchoSeqCounter = 1;
unsigned char EchoRequest[ECHO_REQUEST_SIZE];

static SOCKET RealOpen(int family, int type, int protocol) { return socket(family, type, protocol); }
static int RealSendTo(SOCKET s, const char* data, int length, const struct sockaddr* to, int toLength) {
  return sendto(s, data, length, 0, to, toLength);
}
static int RealWaitReadable(SOCKET s, struct timeval* timeout) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(s, &readable);
  return select(1, &readable, nullptr, nullptr, timeout);
}
static int RealRecvFrom(SOCKET s, char* data, int size, struct sockaddr* from, int* fromLength) {
  return recvfrom(s, data, size, 0, from, fromLength);
}
static int RealClose(SOCKET s) { return closesocket(s); }
static int RealLastError() { return WSAGetLastError(); }
static uint32_t RealTick() { return GetTickCount(); }

PingSocketApi g_pingApi = {RealOpen,  RealSendTo,    RealWaitReadable, RealRecvFrom,
                           RealClose, RealLastError, RealTick,         LoadSystemLibrary};

void ResetPingSocketApi() {
  PingSocketApi real = {RealOpen,  RealSendTo,    RealWaitReadable, RealRecvFrom,
                        RealClose, RealLastError, RealTick,         LoadSystemLibrary};
  g_pingApi = real;
}

int SendEchoRequest(SOCKET s, const struct sockaddr_in* to) {
  uint16_t id = (uint16_t)EchoIdCounter++;
  uint16_t seq = (uint16_t)EchoSeqCounter++;
  BuildEchoRequest(id, seq, g_pingApi.tick(), EchoRequest);
  return g_pingApi.sendTo(s, (const char*)EchoRequest, ECHO_REQUEST_SIZE, (const struct sockaddr*)to,
                          sizeof *to);
}

int WaitEchoReply(SOCKET s, int timeoutMs) {
  struct timeval timeout;
  timeout.tv_sec = timeoutMs / 1000;
  timeout.tv_usec = (timeoutMs % 1000) * 1000;
  return g_pingApi.waitReadable(s, &timeout);
}

int RecvEchoReply(SOCKET s, uint16_t id, uint16_t seq, struct sockaddr_in* from, uint32_t* sendTime) {
  unsigned char datagram[ECHO_RECEIVE_SIZE];
  int fromLength = sizeof *from;
  int got = g_pingApi.recvFrom(s, (char*)datagram, sizeof datagram, (struct sockaddr*)from, &fromLength);
  if (got == SOCKET_ERROR) {
    // A datagram too big for the buffer is dropped by the platform with this
    // error; ours (at most a 60-byte header and 45 bytes) always fits, so it
    // was someone else's and the wait goes on.
    return g_pingApi.lastError() == WSAEMSGSIZE ? ECHO_OTHER : ECHO_RECV_FAILED;
  }
  return MatchEchoReply(datagram, got, id, seq, sendTime) ? ECHO_MATCHED : ECHO_OTHER;
}

// The system's ICMP service: in iphlpapi.dll since Windows Vista, before that
// only in icmp.dll (which later systems keep as a forwarder).
typedef HANDLE(WINAPI* IcmpCreateFileFn)();
typedef DWORD(WINAPI* IcmpSendEchoFn)(HANDLE, IPAddr, LPVOID, WORD, PIP_OPTION_INFORMATION, LPVOID, DWORD, DWORD);
typedef BOOL(WINAPI* IcmpCloseHandleFn)(HANDLE);
static const char* const kIcmpServiceDlls[] = {"iphlpapi.dll", "icmp.dll"};

struct IcmpService {
  HMODULE library;
  IcmpCreateFileFn createFile;
  IcmpSendEchoFn sendEcho;
  IcmpCloseHandleFn closeHandle;
};

static bool LoadIcmpService(IcmpService* service) {
  for (const char* name : kIcmpServiceDlls) {
    HMODULE library = g_pingApi.loadLibrary(name);
    if (library == nullptr) continue;
    service->library = library;
    service->createFile = (IcmpCreateFileFn)(void*)GetProcAddress(library, "IcmpCreateFile");
    service->sendEcho = (IcmpSendEchoFn)(void*)GetProcAddress(library, "IcmpSendEcho");
    service->closeHandle = (IcmpCloseHandleFn)(void*)GetProcAddress(library, "IcmpCloseHandle");
    if (service->createFile != nullptr && service->sendEcho != nullptr && service->closeHandle != nullptr) return true;
    FreeLibrary(library);
  }
  return false;
}

int PingByIcmpService(uint32_t address) {
  IcmpService service;
  if (!LoadIcmpService(&service)) return PING_ERR_SOCKET;
  int result = PING_ERR_SOCKET;
  HANDLE icmp = service.createFile();
  if (icmp != INVALID_HANDLE_VALUE) {
    // The same 45 bytes on the wire as on the raw socket; the service writes
    // the header (its own identifier and sequence number) itself.
    unsigned char request[ECHO_REQUEST_SIZE];
    BuildEchoRequest(0, 0, g_pingApi.tick(), request);
    union {
      ICMP_ECHO_REPLY first;
      unsigned char bytes[sizeof(ICMP_ECHO_REPLY) + ECHO_RECEIVE_SIZE];
    } reply = {};
    DWORD replies = service.sendEcho(icmp, address, request + ECHO_DATA_OFFSET, ECHO_REQUEST_SIZE - ECHO_DATA_OFFSET,
                                     nullptr, reply.bytes, sizeof reply.bytes, ECHO_TIMEOUT_MS);
    result = IcmpServiceResult(replies, reply.first.Status, reply.first.RoundTripTime, GetLastError());
    if (!service.closeHandle(icmp)) result = PING_ERR_CLOSE;
  }
  FreeLibrary(service.library);
  return result;
}

// The raw socket also delivers our own request (on loopback) and any other
// echo traffic of the machine, so only the reply to this request ends the
// wait; the 5 seconds count from the send, however many others arrive.
//
// Windows gives a raw socket only to a program with an administrator's full
// token, which a player's programs never have (with UAC not even an
// administrator's); the system's ICMP service needs no privilege.
int PingServer() {
  struct sockaddr_in to;
  memset(&to, 0, sizeof to);
  to.sin_family = AF_INET;
  to.sin_port = 0;
  to.sin_addr.s_addr = inet_addr(GameServerAddress);

  SOCKET s = g_pingApi.open(AF_INET, SOCK_RAW, IPPROTO_ICMP);
  if (s == INVALID_SOCKET) return PingByIcmpService(to.sin_addr.s_addr);

  uint16_t id = (uint16_t)EchoIdCounter;
  uint16_t seq = (uint16_t)EchoSeqCounter;
  SendEchoRequest(s, &to);  // a failed send simply ends in the time-out
  uint32_t sentAt = g_pingApi.tick();

  int result = PING_TIMEOUT;
  for (;;) {
    int left = RemainingWaitMs(g_pingApi.tick(), sentAt, ECHO_TIMEOUT_MS);
    if (left <= 0) {
      result = PING_TIMEOUT;
      break;
    }
    int ready = WaitEchoReply(s, left);
    if (ready == SOCKET_ERROR) {
      result = PING_ERR_SELECT;
      break;
    }
    if (ready == 0) {
      result = PING_TIMEOUT;
      break;
    }
    struct sockaddr_in from;
    uint32_t sendTime = 0;
    int got = RecvEchoReply(s, id, seq, &from, &sendTime);
    if (got == ECHO_RECV_FAILED) {
      result = PING_ERR_RECV;
      break;
    }
    if (got == ECHO_MATCHED) {
      result = ElapsedMs(g_pingApi.tick(), sendTime);
      break;
    }
  }
  if (g_pingApi.close(s) == SOCKET_ERROR) return PING_ERR_CLOSE;
  return result;
}
