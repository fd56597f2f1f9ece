// launcher's own-address line: link-local addresses count as public.
#include "address_fixture.h"

void RunTests() {
  WSADATA wsa;
  CHECK_EQ(WSAStartup(0x0101, &wsa), 0);
  HostLookup real = g_hostLookup;
  CommonAddressCases();
  ADDRESS_CASE("169.254.1.2", "169.254.1.2");
  ADDRESS_CASE("169.254.1.2", "192.168.0.2", "169.254.1.2");
  RealLookupGivesOneLine(real);
  WSACleanup();
}
