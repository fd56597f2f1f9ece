// launcher's own-address line: link-local addresses count as public.
#include "address_fixture.h"

void RunTests() {
  RunAddressTests([] {
    ADDRESS_CASE("169.254.1.2", "169.254.1.2");
    ADDRESS_CASE("169.254.1.2", "192.168.0.2", "169.254.1.2");
  });
}
