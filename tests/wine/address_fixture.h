// Feeds GetLocalAddressText host entries of our choosing through its look-up.
#pragma once
#include <winsock2.h>

#include "itest.h"

#include "net/local_address.h"
#include "net/local_address_win.h"

static char g_lookedUpName[256];
static struct hostent g_host;
static char g_addressBytes[8][4];
static char* g_addressList[9];
static bool g_hostMissing;

static struct hostent* FakeLookup(const char* name) {
  lstrcpynA(g_lookedUpName, name, sizeof g_lookedUpName);
  return g_hostMissing ? nullptr : &g_host;
}

// Dotted addresses, stored as a look-up stores them (network byte order).
static inline void SetHostAddresses(const char* const* dotted, int count) {
  g_hostMissing = false;
  memset(&g_host, 0, sizeof g_host);
  g_host.h_name = (char*)"fake";
  g_host.h_addrtype = AF_INET;
  g_host.h_length = 4;
  for (int i = 0; i < count && i < 8; ++i) {
    u_long a = inet_addr(dotted[i]);
    memcpy(g_addressBytes[i], &a, 4);
    g_addressList[i] = g_addressBytes[i];
  }
  g_addressList[count < 8 ? count : 8] = nullptr;
  g_host.h_addr_list = g_addressList;
  g_hostLookup = FakeLookup;
}

#define ADDRESS_CASE(expected, ...)                                  \
  do {                                                               \
    const char* list_[] = {__VA_ARGS__};                             \
    SetHostAddresses(list_, (int)(sizeof list_ / sizeof list_[0]));  \
    CHECK_STR(GetLocalAddressText(), expected);                      \
  } while (0)

// What both programs show alike.
static inline void CommonAddressCases() {
  ADDRESS_CASE("203.0.113.7", "192.168.1.5", "203.0.113.7", "198.51.100.1");
  ADDRESS_CASE("10.1.2.3 (local)", "10.1.2.3", "192.168.0.1", "172.16.0.1");
  ADDRESS_CASE("127.0.0.1", "127.0.0.1");
  ADDRESS_CASE("172.32.0.1", "172.31.255.255", "172.32.0.1");

  // The name looked up is the computer's own.
  char own[256] = "";
  gethostname(own, sizeof own);
  CHECK_STR(g_lookedUpName, own);

  g_hostMissing = true;
  CHECK_STR(GetLocalAddressText(), "(unknown)");
  SetHostAddresses(nullptr, 0);
  CHECK_STR(GetLocalAddressText(), "(unknown)");
  SetHostAddresses(nullptr, 0);
  g_host.h_addr_list = nullptr;
  CHECK_STR(GetLocalAddressText(), "(unknown)");
}

// "(unknown)", or a dotted address with " (local)" behind it or not.
static inline bool IsAddressLine(const char* text) {
  if (strcmp(text, "(unknown)") == 0) return true;
  unsigned a, b, c, d;
  char tail[32] = "";
  int n = sscanf(text, "%u.%u.%u.%u%31[^\n]", &a, &b, &c, &d, tail);
  if (n < 4 || a > 255 || b > 255 || c > 255 || d > 255) return false;
  return n == 4 || strcmp(tail, " (local)") == 0;
}

// The real look-up: whatever this machine has, one well-formed line.
static inline void RealLookupGivesOneLine(HostLookup real) {
  g_hostLookup = real;
  const char* text = GetLocalAddressText();
  printf("  this machine: %s\n", text);
  CHECK(IsAddressLine(text));
}

// The whole run: the cases both programs share, then the edition's own
// (where the two differ: whether a link-local address counts as private).
static inline void RunAddressTests(void (*editionCases)()) {
  WSADATA wsa;
  CHECK_EQ(WSAStartup(0x0101, &wsa), 0);
  HostLookup real = g_hostLookup;
  CommonAddressCases();
  editionCases();
  RealLookupGivesOneLine(real);
  WSACleanup();
}
