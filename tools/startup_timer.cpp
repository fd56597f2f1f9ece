// Benchmark helper: starts a program, measures the time until a visible
// top-level window with the given title exists, ends the program; repeats and
// prints the median in milliseconds.
//   startup_timer RUNS TITLE PROGRAM
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

struct Find {
  const wchar_t* title;
  DWORD pid;
  bool found;
};

static BOOL CALLBACK Each(HWND w, LPARAM lp) {
  Find* f = (Find*)lp;
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid != f->pid || !IsWindowVisible(w)) return TRUE;
  wchar_t t[256];
  GetWindowTextW(w, t, 256);
  if (wcscmp(t, f->title) == 0) {
    f->found = true;
    return FALSE;
  }
  return TRUE;
}

static int Compare(const void* a, const void* b) {
  double x = *(const double*)a, y = *(const double*)b;
  return x < y ? -1 : x > y;
}

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) return 2;
  int runs = _wtoi(argv[1]);
  if (runs < 1 || runs > 100) runs = 5;
  double times[100];
  LARGE_INTEGER freq;
  QueryPerformanceFrequency(&freq);
  for (int i = 0; i < runs; ++i) {
    STARTUPINFOW si = {sizeof si};
    PROCESS_INFORMATION pi;
    LARGE_INTEGER t0, t1;
    QueryPerformanceCounter(&t0);
    if (!CreateProcessW(argv[3], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 3;
    Find f = {argv[2], pi.dwProcessId, false};
    for (int spin = 0; spin < 60000 && !f.found; ++spin) {
      EnumWindows(Each, (LPARAM)&f);
      if (!f.found) Sleep(1);
    }
    QueryPerformanceCounter(&t1);
    times[i] = (double)(t1.QuadPart - t0.QuadPart) * 1000.0 / (double)freq.QuadPart;
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    Sleep(200);
  }
  qsort(times, runs, sizeof times[0], Compare);
  printf("%.1f\n", times[runs / 2]);
  return 0;
}
