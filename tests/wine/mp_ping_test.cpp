// m_portal's latency probe: one real echo to 127.0.0.1, and the paths that a
// real network seldom shows, through the probe's replaceable socket calls.
#include "net/ping_win.h"

#include "itest.h"

#include "net/echo.h"
#include "net/ping.h"

// ---- a scripted line ----------------------------------------------------------

static const SOCKET kFakeSocket = (SOCKET)4242;
static uint32_t g_now;
static uint32_t g_tickStep;        // added to the clock at every reading
static int g_opens, g_sends, g_waits, g_recvs, g_closes;
static int g_waitResult;           // what select reports (1, 0 or SOCKET_ERROR)
static int g_lastTimeoutMs[16];
static unsigned char g_sent[64];
static int g_sentLength;
static struct sockaddr_in g_sentTo;
static int g_closeResult;
static int g_recvError;            // lastError after a failed receive
// Datagrams handed out one per receive; an entry of length -1 is a failed receive.
static unsigned char g_queue[8][400];
static int g_queueLength[8];
static int g_queueCount, g_queueNext;
static uint32_t g_recvAdvance;     // clock advance at each receive

static SOCKET FakeOpen(int family, int type, int protocol) {
  ++g_opens;
  CHECK_EQ(family, AF_INET);
  CHECK_EQ(type, SOCK_RAW);
  CHECK_EQ(protocol, IPPROTO_ICMP);
  return kFakeSocket;
}
static SOCKET FailingOpen(int, int, int) {
  ++g_opens;
  return INVALID_SOCKET;
}
static int FakeSendTo(SOCKET s, const char* data, int length, const struct sockaddr* to, int toLength) {
  ++g_sends;
  g_sentLength = length;
  if (length <= (int)sizeof g_sent) memcpy(g_sent, data, length);
  CHECK_EQ(toLength, 16);
  memcpy(&g_sentTo, to, sizeof g_sentTo);
  return length;
}
static int FakeWait(SOCKET s, struct timeval* timeout) {
  if (g_waits < 16) g_lastTimeoutMs[g_waits] = (int)(timeout->tv_sec * 1000 + timeout->tv_usec / 1000);
  ++g_waits;
  if (g_waitResult != 1) return g_waitResult;
  return g_queueNext < g_queueCount ? 1 : 0;
}
static int FakeRecvFrom(SOCKET s, char* data, int size, struct sockaddr* from, int* fromLength) {
  ++g_recvs;
  CHECK_EQ(size, ECHO_RECEIVE_SIZE);
  CHECK_EQ(*fromLength, 16);
  g_now += g_recvAdvance;
  int len = g_queueLength[g_queueNext];
  const unsigned char* d = g_queue[g_queueNext++];
  if (len < 0) return SOCKET_ERROR;
  memcpy(data, d, len < size ? len : size);
  return len;
}
static int FakeClose(SOCKET s) {
  ++g_closes;
  CHECK(s == kFakeSocket);
  return g_closeResult;
}
static int FakeLastError() { return g_recvError; }
static uint32_t FakeTick() {
  uint32_t t = g_now;
  g_now += g_tickStep;
  return t;
}

static void Script(uint32_t start) {
  ResetPingSocketApi();
  g_pingApi.open = FakeOpen;
  g_pingApi.sendTo = FakeSendTo;
  g_pingApi.waitReadable = FakeWait;
  g_pingApi.recvFrom = FakeRecvFrom;
  g_pingApi.close = FakeClose;
  g_pingApi.lastError = FakeLastError;
  g_pingApi.tick = FakeTick;
  g_now = start;
  g_tickStep = 0;
  g_opens = g_sends = g_waits = g_recvs = g_closes = 0;
  g_waitResult = 1;
  g_closeResult = 0;
  g_recvError = 0;
  g_queueCount = g_queueNext = 0;
  g_recvAdvance = 0;
}

// A datagram of headerBytes of IPv4 header and the ICMP message icmp.
static void Queue(const unsigned char* icmp, int length, int headerBytes = 20) {
  unsigned char* d = g_queue[g_queueCount];
  memset(d, 0, headerBytes);
  d[0] = (unsigned char)(0x40 | (headerBytes / 4));
  d[9] = 1;
  memcpy(d + headerBytes, icmp, length);
  g_queueLength[g_queueCount++] = headerBytes + length;
}
static void QueueFailure() { g_queueLength[g_queueCount++] = -1; }

// The server's answer to the request that the probe is about to send.
static void ReplyOf(unsigned char* icmp, uint16_t id, uint16_t seq, uint32_t time) {
  BuildEchoRequest(id, seq, time, icmp);
  icmp[0] = 0;
}

// ---- tests -----------------------------------------------------------------------

// A system without the ICMP service: neither DLL can be loaded.
static char g_loadsAsked[2][16];
static int g_loads;
static HMODULE NoLibrary(const char* name) {
  if (g_loads < 2) lstrcpynA(g_loadsAsked[g_loads], name, sizeof g_loadsAsked[0]);
  ++g_loads;
  return nullptr;
}

static void RefusedSocketWithoutIcmpServiceGivesMinusOneAtOnce() {
  Script(1000);
  g_pingApi.open = FailingOpen;
  g_pingApi.loadLibrary = NoLibrary;
  CHECK_EQ(PingServer(), PING_ERR_SOCKET);
  CHECK_EQ(g_opens, 1);
  CHECK_EQ(g_sends + g_waits + g_recvs + g_closes, 0);
  CHECK_EQ(EchoIdCounter, 1);  // no request was made
  CHECK_EQ(g_loads, 2);
  CHECK_STR(g_loadsAsked[0], "iphlpapi.dll");
  CHECK_STR(g_loadsAsked[1], "icmp.dll");
}

// One real probe of the loopback server, which answers at once.
static void ProbeLoopback(const char* way) {
  CHECK_STR(GameServerAddress, "127.0.0.1");
  DWORD start = GetTickCount();
  int ms = PingServer();
  DWORD spent = GetTickCount() - start;
  printf("  loopback echo %s: %d ms (call took %lu ms)\n", way, ms, (unsigned long)spent);
  CHECK(ms >= 0 && ms <= 500);
  CHECK(spent < 2000);
}

// A standard user's Windows refuses the raw socket; the system's ICMP service
// measures instead.
static void RefusedSocketIsMeasuredByTheIcmpService() {
  ResetPingSocketApi();
  g_pingApi.open = FailingOpen;
  ProbeLoopback("through the ICMP service");
  ResetPingSocketApi();
}

static void RealProbeOfLoopback() {
  ResetPingSocketApi();
  ProbeLoopback("on the raw socket");
  // The first probe of the process carried identifier 1 and sequence number 1.
  CHECK_EQ(EchoRequest[0], 8);
  CHECK_EQ(EchoRequest[4], 1);
  CHECK_EQ(EchoRequest[5], 0);
  CHECK_EQ(EchoRequest[6], 1);
  CHECK_EQ(EchoRequest[7], 0);
  CHECK_EQ(EchoRequest[13], 0x20);
  CHECK_EQ(EchoRequest[44], 0x3F);
  CHECK_EQ(InetChecksum(EchoRequest, 45), 0);
  CHECK_EQ(EchoIdCounter, 2);
  CHECK_EQ(EchoSeqCounter, 2);
}

// Our own request, another program's echo and a reply with the wrong sequence
// number come first; the reply to us sits behind an IPv4 option.
static void OnlyTheReplyToThisRequestCounts() {
  Script(50000);
  unsigned char icmp[45];
  BuildEchoRequest(2, 2, 50000, icmp);
  Queue(icmp, 45);  // the request itself, seen on the raw socket
  ReplyOf(icmp, 9, 2, 7);
  Queue(icmp, 45);
  ReplyOf(icmp, 2, 1, 7);
  Queue(icmp, 45);
  ReplyOf(icmp, 2, 2, 50000);
  Queue(icmp, 45, 24);
  g_recvAdvance = 10;
  CHECK_EQ(PingServer(), 40);
  CHECK_EQ(g_recvs, 4);
  CHECK_EQ(g_closes, 1);
  // The second probe of the process: identifier 2, sequence number 2, to the game server.
  CHECK_EQ(g_sentLength, 45);
  CHECK_EQ(g_sent[0], 8);
  CHECK_EQ(g_sent[4], 2);
  CHECK_EQ(g_sent[6], 2);
  CHECK_EQ(g_sent[9] | (g_sent[10] << 8), 50000);
  CHECK_EQ(g_sentTo.sin_family, AF_INET);
  CHECK_EQ(g_sentTo.sin_port, 0);
  CHECK(g_sentTo.sin_addr.s_addr == inet_addr("127.0.0.1"));
}

static void SilenceEndsInTimeout() {
  Script(1000);
  CHECK_EQ(PingServer(), PING_TIMEOUT);
  CHECK_EQ(g_waits, 1);
  CHECK_EQ(g_lastTimeoutMs[0], 5000);
  CHECK_EQ(g_recvs, 0);
  CHECK_EQ(g_closes, 1);
}

// A stream of other datagrams never stretches the wait past 5 s from the send.
static void OthersDoNotStretchTheWait() {
  Script(1000);
  unsigned char icmp[45];
  BuildEchoRequest(0, 0, 0, icmp);
  for (int i = 0; i < 8; ++i) Queue(icmp, 45);
  g_recvAdvance = 1500;
  CHECK_EQ(PingServer(), PING_TIMEOUT);
  CHECK_EQ(g_recvs, 4);  // at 1.5, 3.0, 4.5 and 6.0 s; then nothing is left of the wait
  CHECK_EQ(g_lastTimeoutMs[0], 5000);
  CHECK_EQ(g_lastTimeoutMs[1], 3500);
  CHECK_EQ(g_lastTimeoutMs[3], 500);
  CHECK_EQ(g_closes, 1);
}

static void FailedWaitGivesMinusTwo() {
  Script(1000);
  g_waitResult = SOCKET_ERROR;
  CHECK_EQ(PingServer(), PING_ERR_SELECT);
  CHECK_EQ(g_closes, 1);
}

static void FailedReceiveGivesMinusFive() {
  Script(1000);
  QueueFailure();
  g_recvError = WSAECONNRESET;
  CHECK_EQ(PingServer(), PING_ERR_RECV);
  CHECK_EQ(g_closes, 1);
}

// A datagram too big for the buffer cannot be ours: the wait goes on.
static void OversizeDatagramIsPassedOver() {
  Script(1000);
  uint16_t id = (uint16_t)EchoIdCounter, seq = (uint16_t)EchoSeqCounter;
  QueueFailure();
  unsigned char icmp[45];
  ReplyOf(icmp, id, seq, 1000);
  Queue(icmp, 45);
  g_recvError = WSAEMSGSIZE;
  g_recvAdvance = 3;
  CHECK_EQ(PingServer(), 6);
  CHECK_EQ(g_recvs, 2);
}

static void FailedCloseReplacesTheMeasurement() {
  Script(1000);
  unsigned char icmp[45];
  ReplyOf(icmp, (uint16_t)EchoIdCounter, (uint16_t)EchoSeqCounter, 1000);
  Queue(icmp, 45);
  g_recvAdvance = 25;
  g_closeResult = SOCKET_ERROR;
  CHECK_EQ(PingServer(), PING_ERR_CLOSE);
  Script(1000);
  g_waitResult = 0;
  g_closeResult = SOCKET_ERROR;
  CHECK_EQ(PingServer(), PING_ERR_CLOSE);
}

static void TickWrapGivesTheSmallDifference() {
  Script(0xFFFFFFF0u);
  unsigned char icmp[45];
  ReplyOf(icmp, (uint16_t)EchoIdCounter, (uint16_t)EchoSeqCounter, 0xFFFFFFF0u);
  Queue(icmp, 45);
  g_recvAdvance = 0x30;
  CHECK_EQ(PingServer(), 0x30);
}

static void CountersWrapAtSixteenBits() {
  uint32_t id = EchoIdCounter, seq = EchoSeqCounter;
  EchoIdCounter = 0x1FFFF;
  EchoSeqCounter = 0x2FFFF;
  Script(1000);
  unsigned char icmp[45];
  ReplyOf(icmp, 0xFFFF, 0xFFFF, 1000);
  Queue(icmp, 45);
  g_recvAdvance = 1;
  CHECK_EQ(PingServer(), 1);
  CHECK_EQ(g_sent[4], 0xFF);
  CHECK_EQ(g_sent[5], 0xFF);
  CHECK_EQ(EchoIdCounter, 0x20000);
  EchoIdCounter = id;
  EchoSeqCounter = seq;
}

// A real wait on a socket where nothing arrives: the probe gives up after 5 s.
static SOCKET g_quiet;
static SOCKET QuietOpen(int, int, int) {
  g_quiet = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  struct sockaddr_in local;
  memset(&local, 0, sizeof local);
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = inet_addr("127.0.0.1");
  bind(g_quiet, (struct sockaddr*)&local, sizeof local);
  return g_quiet;
}
static int SwallowSend(SOCKET, const char*, int length, const struct sockaddr*, int) { return length; }

static void RealSilenceTakesFiveSeconds() {
  ResetPingSocketApi();
  g_pingApi.open = QuietOpen;
  g_pingApi.sendTo = SwallowSend;
  DWORD start = GetTickCount();
  int result = PingServer();
  DWORD spent = GetTickCount() - start;
  printf("  silent line: %d after %lu ms\n", result, (unsigned long)spent);
  CHECK_EQ(result, PING_TIMEOUT);
  CHECK(spent >= 4900 && spent < 9000);
  CHECK(closesocket(g_quiet) == SOCKET_ERROR);  // the probe closed it already
  ResetPingSocketApi();
}

void RunTests() {
  WSADATA wsa;
  CHECK_EQ(WSAStartup(0x0101, &wsa), 0);
  RefusedSocketWithoutIcmpServiceGivesMinusOneAtOnce();
  RealProbeOfLoopback();
  RefusedSocketIsMeasuredByTheIcmpService();
  OnlyTheReplyToThisRequestCounts();
  SilenceEndsInTimeout();
  OthersDoNotStretchTheWait();
  FailedWaitGivesMinusTwo();
  FailedReceiveGivesMinusFive();
  OversizeDatagramIsPassedOver();
  FailedCloseReplacesTheMeasurement();
  TickWrapGivesTheSmallDifference();
  CountersWrapAtSixteenBits();
  RealSilenceTakesFiveSeconds();
  WSACleanup();
}
