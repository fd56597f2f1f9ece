#include "net/local_address.h"
const char* GetLocalAddressText() { return ""; }
