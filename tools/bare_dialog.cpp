// Benchmark baseline: a program that shows one empty dialog and nothing else.
#include <windows.h>

static INT_PTR CALLBACK BareDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_COMMAND || msg == WM_CLOSE) {
    EndDialog(dlg, 0);
    return TRUE;
  }
  return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  DialogBoxParamA(instance, MAKEINTRESOURCEA(1), nullptr, BareDlgProc, 0);
  return 0;
}
