// Benchmark floors: the least a launcher's start-up can cost. Each rung adds
// one of the calls the programs must make before their window shows:
//   floor RUNG DIALOG
//   RUNG 0  the dialog alone
//        1  + Windows Sockets 1.1 start-up and InitCommonControls
//        2  + the host-name look-up behind the own address
//        3  + one ICMP echo to loopback, waiting for the reply
//   DIALOG  the template to show: 1 (one empty dialog) or 101 (the program's own
//           main window, linked with that program's resources)
// The window is titled "floor", so that the timer finds every rung alike.
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>
#include <stdlib.h>
#include <string.h>

static INT_PTR CALLBACK FloorDlgProc(HWND dlg, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_INITDIALOG) {
    SetWindowTextA(dlg, "floor");
    return TRUE;
  }
  if (msg == WM_COMMAND || msg == WM_CLOSE) {
    EndDialog(dlg, 0);
    return TRUE;
  }
  return FALSE;
}

static unsigned short Checksum(const unsigned char* data, int size) {
  unsigned long sum = 0;
  for (int i = 0; i + 1 < size; i += 2) sum += (unsigned long)(data[i] | (data[i + 1] << 8));
  if (size & 1) sum += data[size - 1];
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return (unsigned short)~sum;
}

static void EchoLoopback() {
  SOCKET s = socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
  if (s == INVALID_SOCKET) return;
  unsigned char request[40] = {8, 0, 0, 0, 0x34, 0x12, 1, 0};
  unsigned short sum = Checksum(request, sizeof request);
  memcpy(request + 2, &sum, 2);
  struct sockaddr_in to = {};
  to.sin_family = AF_INET;
  to.sin_addr.s_addr = inet_addr("127.0.0.1");
  sendto(s, (const char*)request, sizeof request, 0, (struct sockaddr*)&to, sizeof to);
  DWORD start = GetTickCount();
  while (GetTickCount() - start < 5000) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(s, &readable);
    struct timeval wait = {5, 0};
    if (select(1, &readable, nullptr, nullptr, &wait) <= 0) break;
    unsigned char reply[256];
    int got = recv(s, (char*)reply, sizeof reply, 0);
    if (got < 0) break;
    int header = (got > 0) ? (reply[0] & 0x0F) * 4 : 0;
    if (got >= header + 8 && reply[header] == 0) break;  // the echo reply, not our own request
  }
  closesocket(s);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  int rung = __argc > 1 ? atoi(__argv[1]) : 0;
  int dialog = __argc > 2 ? atoi(__argv[2]) : 1;
  WSADATA wsa;
  if (rung >= 1) {
    WSAStartup(0x0101, &wsa);
    InitCommonControls();
  }
  if (rung >= 2) {
    char name[256] = "";
    gethostname(name, sizeof name);
    name[sizeof name - 1] = '\0';
    gethostbyname(name);
  }
  if (rung >= 3) EchoLoopback();
  DialogBoxParamA(instance, MAKEINTRESOURCEA(dialog), nullptr, FloorDlgProc, 0);
  if (rung >= 1) WSACleanup();
  return 0;
}
