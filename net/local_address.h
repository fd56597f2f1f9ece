// The computer's own IPv4 address, as shown in the main window.
#pragma once

// One line: a dotted address, the same followed by " (local)" when the
// computer has only private addresses, or "(unknown)". The text lives in a
// module-level buffer until the next call; the caller copies it at once.
const char* GetLocalAddressText();
