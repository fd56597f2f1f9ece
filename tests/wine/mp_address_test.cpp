// m_portal's own-address line: link-local addresses count as private.
#include "address_fixture.h"

void RunTests() {
  RunAddressTests([] {
    ADDRESS_CASE("169.254.1.2 (local)", "169.254.1.2");
    ADDRESS_CASE("192.168.0.2 (local)", "192.168.0.2", "169.254.1.2");
    ADDRESS_CASE("169.255.0.1", "169.254.1.2", "169.255.0.1");
  });
}
