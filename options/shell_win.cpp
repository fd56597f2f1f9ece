#include "options/shell.h"

#include "core/shell32.h"

ShellExecuteFn g_shellExecute = CallShellExecuteA;

void ShellOpen(HWND owner, const char* target) {
  g_shellExecute(owner, "open", target, nullptr, nullptr, SW_SHOWDEFAULT);
}
