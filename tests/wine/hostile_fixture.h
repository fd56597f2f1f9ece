// Hostile settings files for the integration tests of both programs: files
// written byte for byte (NULs, CR-only lines, broken double-byte pairs), and
// a snapshot of a file as the platform reads it, to show that a write
// touched nothing but its own keys.
#pragma once
#include "itest.h"

#include "core/settings.h"

#include <map>
#include <string>
#include <vector>

// Writes size bytes as they are; nullptr deletes the file.
static inline void PutBytes(const char* path, const char* data, size_t size) {
  SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path);
  if (data == nullptr) return;
  HANDLE f = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return;
  DWORD w;
  WriteFile(f, data, (DWORD)size, &w, nullptr);
  CloseHandle(f);
}
static inline void PutBytes(const char* path, const std::string& data) { PutBytes(path, data.data(), data.size()); }

// True when text ends on a whole character (no lead byte of CP932 last).
static inline bool WholeCharacters(const char* text) {
  for (const unsigned char* p = (const unsigned char*)text; *p != 0; ++p) {
    bool lead = (*p >= 0x81 && *p <= 0x9F) || (*p >= 0xE0 && *p <= 0xFC);
    if (!lead) continue;
    if (p[1] == 0) return false;
    ++p;
  }
  return true;
}

static inline std::string Repeat(const std::string& s, int n) {
  std::string r;
  for (int i = 0; i < n; ++i) r += s;
  return r;
}

// Section and key names compare without regard to the case of ASCII letters.
static inline std::string UpperAscii(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = (char)(c - 32);
  return s;
}

// A file as the platform reads it: each section (in file order, the first of
// duplicates) with its lines "key=value" as GetPrivateProfileSection gives them.
typedef std::map<std::string, std::vector<std::string> > IniSnapshot;

static inline IniSnapshot Snapshot(const char* path) {
  static char names[65536];
  static char lines[262144];
  IniSnapshot s;
  DWORD n = GetPrivateProfileSectionNamesA(names, sizeof names, path);
  for (const char* name = names; name < names + n && *name != 0; name += strlen(name) + 1) {
    std::string key = UpperAscii(name);
    if (s.count(key) != 0) continue;
    DWORD m = GetPrivateProfileSectionA(name, lines, sizeof lines, path);
    std::vector<std::string>& v = s[key];
    for (const char* line = lines; line < lines + m && *line != 0; line += strlen(line) + 1) v.push_back(line);
  }
  return s;
}

// The key of a "key=value" line, upper-cased for comparison.
static inline std::string LineKey(const std::string& line) {
  return UpperAscii(line.substr(0, line.find('=')));
}

// Every line of before is in after unchanged, except the keys listed as
// "SECTION/KEY" (upper case); after holds nothing else but those keys.
static inline bool SameExcept(const IniSnapshot& before, const IniSnapshot& after,
                              const std::vector<std::string>& written) {
  auto allowed = [&written](const std::string& section, const std::string& line) {
    std::string k = section + "/" + LineKey(line);
    for (const std::string& w : written)
      if (w == k) return true;
    return false;
  };
  bool same = true;
  for (const auto& sec : before) {
    auto it = after.find(sec.first);
    std::vector<std::string> kept, keptAfter;
    for (const std::string& line : sec.second)
      if (!allowed(sec.first, line)) kept.push_back(line);
    if (it != after.end())
      for (const std::string& line : it->second)
        if (!allowed(sec.first, line)) keptAfter.push_back(line);
    if (kept != keptAfter) {
      same = false;
      printf("  section [%s] changed beyond its own keys\n", sec.first.c_str());
    }
  }
  for (const auto& sec : after) {
    if (before.count(sec.first) != 0) continue;
    for (const std::string& line : sec.second) {
      if (!allowed(sec.first, line)) {
        same = false;
        ItestPrintText("  unexpected line", (sec.first + ": " + line).c_str());
      }
    }
  }
  return same;
}

// The value of a key in a snapshot ("(none)" when it is missing).
static inline std::string SnapValue(const IniSnapshot& s, const char* section, const char* key) {
  auto it = s.find(UpperAscii(section));
  if (it == s.end()) return "(none)";
  std::string want = UpperAscii(key);
  for (const std::string& line : it->second)
    if (LineKey(line) == want) return line.substr(line.find('=') + 1);
  return "(none)";
}

// A decimal integer as the game reads it back: optional minus, digits only.
static inline bool IsDecimal(const std::string& v) {
  size_t i = (!v.empty() && v[0] == '-') ? 1 : 0;
  if (i == v.size()) return false;
  for (; i < v.size(); ++i)
    if (v[i] < '0' || v[i] > '9') return false;
  return true;
}

// Text on the clipboard, as another program leaves it for a paste.
static inline bool PutClipboardText(const char* text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  size_t n = strlen(text) + 1;
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, n);
  if (mem != nullptr) {
    memcpy(GlobalLock(mem), text, n);
    GlobalUnlock(mem);
    if (SetClipboardData(CF_TEXT, mem) == nullptr) GlobalFree(mem);
  }
  CloseClipboard();
  return mem != nullptr;
}

// A paste into an edit (or a combo box's edit) as Ctrl+V makes it.
static inline void PasteInto(HWND edit) {
  SendMessageA(edit, WM_SETTEXT, 0, (LPARAM)"");
  SendMessageA(edit, WM_PASTE, 0, 0);
}

// The two settings files of the program under test.
static inline std::string IniFile() {
  char p[MAX_PATH];
  GetGameIniPath(p);
  return p;
}

static inline std::string CfgFile() {
  char p[MAX_PATH];
  GetConfigFilePath(p);
  return p;
}

// "SECTION/KEY" in upper case, as SameExcept takes them, for each of keys.
static inline std::vector<std::string> Keys(const char* section, std::initializer_list<const char*> keys) {
  std::vector<std::string> v;
  for (const char* k : keys) v.push_back(UpperAscii(std::string(section) + "/" + k));
  return v;
}

// The keys of Zanto.ini that an OK of all seven pages writes in both
// programs; each program's own Online page keys come on top.
static inline std::vector<std::string> SharedPageKeysOfTheIni() {
  std::vector<std::string> all;
  for (const char* player : {"PLAYER1", "PLAYER2"}) {
    std::string p = player;
    for (const char* k : {" DEVICE", " KEYBOARD UP", " KEYBOARD DOWN", " KEYBOARD LEFT", " KEYBOARD RIGHT",
                          " KEYBOARD FIRE1", " KEYBOARD FIRE2", " KEYBOARD FIRE3", " PAD FIRE1", " PAD FIRE2",
                          " PAD FIRE3"})
      all.push_back("PERIPHERAL/" + p + k);
  }
  for (const std::string& k :
       Keys("NETWORK", {"ReplayAutoSave", "Log", "NetErrorDisp", "ChatLines", "Matchup_Color", "ShortCutMessage_F01",
                        "ShortCutMessage_F02", "ShortCutMessage_F03", "ShortCutMessage_F04", "ShortCutMessage_F05",
                        "ShortCutMessage_F06", "ShortCutMessage_F07", "ShortCutMessage_F08"}))
    all.push_back(k);
  for (const std::string& k : Keys("SYSTEM", {"Resolution", "DrawMode", "DrawBG", "FilterMode", "ScreenMode",
                                               "WindowPosX", "WindowPosY", "DispVersion", "DispFPS", "SoundMode"}))
    all.push_back(k);
  return all;
}

// What was written is what the game can read: numbers as numbers, the colour
// in its shape, texts of whole characters within 255 bytes.
static inline void CheckReadableByTheGame(const IniSnapshot& s, const std::vector<std::string>& keys) {
  for (const std::string& k : keys) {
    std::string section = k.substr(0, k.find('/')), key = k.substr(k.find('/') + 1);
    std::string v = SnapValue(s, section.c_str(), key.c_str());
    if (key.compare(0, 15, "SHORTCUTMESSAGE") == 0 || key == "MATCHUP_HANDLENAME") {
      CHECK(v.size() <= 255 && WholeCharacters(v.c_str()));
    } else if (key == "MATCHUP_COLOR") {
      CHECK_STR(v.c_str(), "0x00404040");  // all ones: the default
    } else {
      bool ok = IsDecimal(v);
      CHECK(ok);
      if (!ok) ItestPrintText(k.c_str(), v.c_str());
    }
  }
}
