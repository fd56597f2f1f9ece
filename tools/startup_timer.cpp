// Benchmark helper: starts programs in turn, measures the time from process
// start until a visible top-level window with the given title exists, ends the
// program; RUNS rounds over all of them, interleaved so that a slow spell of
// the machine weighs on every program alike. Prints one median in
// milliseconds per program, in the order given.
//   startup_timer RUNS TITLE COMMANDLINE [TITLE COMMANDLINE]...
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

enum { MAX_RUNS = 100, MAX_PROGRAMS = 16 };

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

// Milliseconds from CreateProcess to the visible window; -1 when it cannot start.
static double TimeOnce(const wchar_t* title, const wchar_t* commandLine, double frequency) {
  wchar_t line[1024];
  if (wcslen(commandLine) >= sizeof line / sizeof line[0]) return -1;
  wcscpy(line, commandLine);
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi;
  LARGE_INTEGER t0, t1;
  QueryPerformanceCounter(&t0);
  if (!CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
  Find f = {title, pi.dwProcessId, false};
  for (int spin = 0; spin < 60000 && !f.found; ++spin) {
    EnumWindows(Each, (LPARAM)&f);
    if (!f.found) Sleep(1);
  }
  QueryPerformanceCounter(&t1);
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  Sleep(200);
  return (double)(t1.QuadPart - t0.QuadPart) * 1000.0 / frequency;
}

int wmain(int argc, wchar_t** argv) {
  if (argc < 4 || (argc - 2) % 2 != 0) return 2;
  int runs = _wtoi(argv[1]);
  if (runs < 1 || runs > MAX_RUNS) runs = 5;
  int programs = (argc - 2) / 2;
  if (programs > MAX_PROGRAMS) return 2;
  static double times[MAX_PROGRAMS][MAX_RUNS];
  LARGE_INTEGER freq;
  QueryPerformanceFrequency(&freq);
  for (int i = 0; i < runs; ++i) {
    // Each round starts one program further on, so that no program always
    // takes the same place in the round (the first start after a pause is slower).
    for (int k = 0; k < programs; ++k) {
      int p = (i + k) % programs;
      times[p][i] = TimeOnce(argv[2 + 2 * p], argv[3 + 2 * p], (double)freq.QuadPart);
      if (times[p][i] < 0) return 3;
    }
  }
  for (int p = 0; p < programs; ++p) {
    qsort(times[p], runs, sizeof times[p][0], Compare);
    printf("%.1f\n", times[p][runs / 2]);
  }
  return 0;
}
