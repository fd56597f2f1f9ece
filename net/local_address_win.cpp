#include <winsock2.h>
#include <string.h>

#include "core/edition.h"
#include "net/address_choice.h"
#include "net/local_address.h"
#include "net/local_address_win.h"

// Far more than a look-up returns (the platform's host entry holds 35).
enum { MAX_LISTED_ADDRESSES = 64 };

static char g_hostName[256];
static char g_addressText[LOCAL_ADDRESS_TEXT_SIZE];

static struct hostent* LookUpHost(const char* name) { return gethostbyname(name); }
HostLookup g_hostLookup = LookUpHost;

const char* GetLocalAddressText() {
  // A failed gethostname leaves the buffer as it was, and the look-up goes on with it.
  gethostname(g_hostName, sizeof g_hostName);
  g_hostName[sizeof g_hostName - 1] = '\0';
  struct hostent* host = g_hostLookup(g_hostName);

  uint32_t addresses[MAX_LISTED_ADDRESSES];
  int count = 0;
  if (host != nullptr && host->h_addrtype == AF_INET && host->h_length == 4 && host->h_addr_list != nullptr) {
    for (char** entry = host->h_addr_list; *entry != nullptr && count < MAX_LISTED_ADDRESSES; ++entry) {
      u_long networkOrder;
      memcpy(&networkOrder, *entry, 4);
      addresses[count++] = ntohl(networkOrder);
    }
  }
  ChooseLocalAddressText(addresses, count, kLinkLocalIsPrivate, g_addressText, sizeof g_addressText);
  return g_addressText;
}
