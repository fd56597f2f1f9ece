// Which of the computer's IPv4 addresses the main window shows, so that an
// opponent of a direct match can be told where to connect.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum { LOCAL_ADDRESS_TEXT_SIZE = 32 };  // "255.255.255.255 (local)" and more

// 10/8, 172.16/12, 192.168/16 and, when linkLocalIsPrivate, 169.254/16.
// The address is in host byte order. Loopback (127/8) is not private.
bool IsPrivateAddress(uint32_t address, bool linkLocalIsPrivate);

// The first address that is not private, dotted; else the first address
// followed by " (local)"; "(unknown)" for an empty list. Addresses in host
// byte order, in the order the look-up gave them.
void ChooseLocalAddressText(const uint32_t* addresses, int count, bool linkLocalIsPrivate,
                            char* out, size_t size);
