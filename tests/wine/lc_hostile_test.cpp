// launcher against hostile settings files and registry values, in process:
// an OK of all seven pages writes only the pages' own keys of Zanto.ini, in
// the form the game reads, and leaves the .CFG alone; an install folder of
// any type or length gives one failure message per start through the shell.
#include "sheet_fixture.h"

#include "apps/shared/start.h"
#include "core/edition.h"
#include "core/ui.h"
#include "hostile_fixture.h"

static const char kLegacyKey[] = "Software\\Korvel\\Zanto";
static const char kStartFailure[] = "起動に失敗しました";

static std::vector<std::string> PageKeysOfTheIni() {
  std::vector<std::string> all = SharedPageKeysOfTheIni();
  for (const std::string& k : Keys("NETWORK", {"Matchup_HandleName", "HandleSave", "Spectator"})) all.push_back(k);
  return all;
}

static void AllPagesOkWritesOnlyTheirOwnKeys() {
  std::string kanji = Repeat("漢", 5000);
  std::string ini =
      "[NETWORK]\r\nMatchup_HandleName=" + kanji + "\r\nHandleSave=" + std::string(10000, '7') +
      "\r\nSpectator=\x81\xff\r\nShortCutMessage_F08=" + std::string("x\0y", 3) + "\r\nGameOwned=keep\r\n"
      "[NETWORK]\r\nSecond=section\r\n"
      "[PERIPHERAL]\rPLAYER2 DEVICE=2\rPLAYER2 PAD FIRE1=-99999999999\r"
      "[SYSTEM]\nDispFPS=\nGameOwned=" + std::string(10000, 'g') + "\n"
      "a line without an equals sign\r\n[Other]\r\nBinary=\x01\x02\x80\xa0\xfd\r\n";
  std::string cfg = "[User-defined name color]\r\nColor01=" + std::string(10000, 'F') + "\r\nno equals\r\n";
  PutGameIni("");
  PutBytes(IniFile().c_str(), ini);
  PutBytes(CfgFile().c_str(), cfg);
  IniSnapshot before = Snapshot(IniFile().c_str());
  CHECK(before.count("OTHER") == 1 && before.count("SYSTEM") == 1 && SnapValue(before, "NETWORK", "GameOwned") == "keep");
  OkOnEveryPage();
  IniSnapshot after = Snapshot(IniFile().c_str());
  CHECK(SameExcept(before, after, PageKeysOfTheIni()));
  CheckReadableByTheGame(after, PageKeysOfTheIni());
  CHECK_TEXT(SnapValue(after, "NETWORK", "Matchup_HandleName"), Repeat("漢", 127));
  CHECK_TEXT(SnapValue(after, "NETWORK", "ShortCutMessage_F08"), "x");
  CHECK_TEXT(SnapValue(after, "PERIPHERAL", "PLAYER2 DEVICE"), "2");
  char buf[32768];
  CHECK_EQ(ReadWholeFile(CfgFile().c_str(), buf, sizeof buf), (int)cfg.size());  // the .CFG untouched
}

static void InstallPathValuesOfAnyTypeAndLength() {
  DWORD number = 7;
  const std::string values[][2] = {
      {"binary, 300 bytes", std::string(300, 'C')},
      {"binary, 260 bytes, no terminator", std::string(260, 'C')},
      {"binary, 259 bytes, no terminator", std::string(259, 'C')},
      {"a number", std::string((const char*)&number, sizeof number)},
      {"a broken double-byte pair", "C:\\\xff\x81"},
  };
  g_messageHook = RecordMessage;
  for (const auto& v : values) {
    SetRegBytes(kLegacyKey, "Install Path", REG_BINARY, v[1].data(), (DWORD)v[1].size());
    ResetFolderCache();
    CHECK(strlen(GetLegacyInstallDir()) < MAX_PATH);
    CHECK(GetSettingsDir()[0] != '\0');
    g_messageCount = 0;
    StartGame("SINGLE");
    StartGame("D_JOIN host1");
    StartLobby();
    StartUpdater();
    bool each = g_messageCount == 4;
    CHECK(each);
    if (!each) printf("  %s: %d messages\n", v[0].c_str(), g_messageCount);
    for (int i = 0; i < g_messageCount && i < 16; ++i) CHECK_STR(g_messages[i].text, kStartFailure);
  }
  g_messageHook = nullptr;
  DeleteRegValue(kLegacyKey, "Install Path");
  ResetFolderCache();
}

void RunTests() {
  AllPagesOkWritesOnlyTheirOwnKeys();
  InstallPathValuesOfAnyTypeAndLength();
  PutGameIni(nullptr);
  PutConfigFile(nullptr);
}
