#include "options/shell.h"

#include <shellapi.h>

ShellExecuteFn g_shellExecute = ShellExecuteA;

void ShellOpen(HWND owner, const char* target) {
  g_shellExecute(owner, "open", target, nullptr, nullptr, SW_SHOWDEFAULT);
}
