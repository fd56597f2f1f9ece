// The computer's own IPv4 address, as shown in the main window.
#pragma once
const char* GetLocalAddressText();
