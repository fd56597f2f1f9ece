// The host look-up behind GetLocalAddressText, replaceable so that a test can
// hand it address lists that this computer does not have.
#pragma once

struct hostent;
typedef struct hostent* (*HostLookup)(const char* name);
extern HostLookup g_hostLookup;  // gethostbyname unless a test sets it
