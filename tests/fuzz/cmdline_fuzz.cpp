// Command lines of the game, the lobby and the updater from any install
// folder, login values and matchup settings: a line is either refused (and
// then empty) or complete, always within its buffer, starting with the
// executable path (quoted when it holds a space), and the same text whatever
// the buffer's size as long as it fits.
#include "core/cmdline.h"

#include <stdlib.h>

#include "fuzz_util.h"

namespace {

std::string Quoted(const std::string& path) {
  return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

// The line in a buffer of size bytes: refused lines are empty, accepted ones
// fit; a larger buffer gives the same text.
template <typename Build>
std::string CheckSizes(size_t size, Build build) {
  ExactBuffer out(size);
  bool ok = build(out.get(), out.size());
  ExactBuffer big(4096);
  bool bigOk = build(big.get(), big.size());
  FUZZ_CHECK(bigOk);
  std::string full = big.get();
  if (size == 0) {
    FUZZ_CHECK(!ok && out.Untouched());
    return full;
  }
  FUZZ_CHECK(out.Terminated());
  if (ok) {
    FUZZ_CHECK(full == out.get());
    FUZZ_CHECK(full.size() < size);
  } else {
    FUZZ_CHECK(out.get()[0] == '\0');
    FUZZ_CHECK(full.size() >= size);
  }
  return full;
}

void CheckGameTail(const std::string& tail, const char* mode, const MatchupSettings& s) {
  if (strcmp(mode, "S_MULTI1") != 0) {
    FUZZ_CHECK(tail.empty());
    return;
  }
  FUZZ_CHECK(tail.size() >= 2 && tail[0] == ' ');
  char* end = nullptr;
  long flags = strtol(tail.c_str() + 1, &end, 10);
  FUZZ_CHECK(end != tail.c_str() + 1);
  FUZZ_CHECK(flags >= 0 && flags <= 63);
  FUZZ_CHECK(flags == MatchupFlags(s.mode, s.rule, s.specMode, s.specRule));
  // Bits 4-5 never read 1: "Rate 優先" is raised to 3.
  int mode2 = s.mode & 3;
  FUZZ_CHECK(((flags >> 4) & 3) == (mode2 == 1 ? 3 : mode2));
  FUZZ_CHECK(((flags >> 3) & 1) == (s.rule & 1));
  FUZZ_CHECK(((flags >> 1) & 3) == (s.specMode & 3));
  FUZZ_CHECK((flags & 1) == (s.specRule & 1));
  std::string rest(end);
  std::string expected;
  if ((flags & 0x30) == 0x20) expected += std::string(" ") + s.ping;
  else if ((flags & 0x30) == 0x30) expected += std::string(" ") + s.rate;
  if ((flags & 6) == 6) expected += std::string(" ") + s.rateMin + " " + s.rateMax;
  FUZZ_CHECK(rest == expected);
}

void FillText(FuzzedDataProvider& fdp, char* field, size_t size) {
  std::string t = FuzzText(fdp, fdp.ConsumeBool() ? 16 : size - 1);
  memcpy(field, t.c_str(), t.size() + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t length) {
  FuzzedDataProvider fdp(data, length);
  size_t size = fdp.ConsumeBool() ? (size_t)CMDLINE_SIZE : fdp.ConsumeIntegralInRange<size_t>(0, 700);

  // The install folder as the registry gave it (up to 259 bytes), joined with
  // the program's name into a path of at most 259 bytes.
  ExactText folder(FuzzText(fdp, 300));
  ExactBuffer exe(PATH_SIZE);
  bool joined = JoinPath(folder, "\\Zanto.exe", exe.get(), exe.size());
  FUZZ_CHECK(exe.Terminated());
  if (joined) {
    FUZZ_CHECK(std::string(exe.get()) == std::string(folder) + "\\Zanto.exe");
  } else {
    FUZZ_CHECK(exe.get()[0] == '\0');
    FUZZ_CHECK(strlen(folder) + strlen("\\Zanto.exe") >= PATH_SIZE);
    return 0;
  }
  std::string path = exe.get();
  ExactText exePath(path);

  MatchupSettings s;
  memset(&s, 0, sizeof s);
  s.mode = fdp.ConsumeIntegral<int>();
  s.rule = fdp.ConsumeIntegral<int>();
  s.specMode = fdp.ConsumeIntegral<int>();
  s.specRule = fdp.ConsumeIntegral<int>();
  FillText(fdp, s.loginId, sizeof s.loginId);
  FillText(fdp, s.password, sizeof s.password);
  FillText(fdp, s.ping, sizeof s.ping);
  FillText(fdp, s.rate, sizeof s.rate);
  FillText(fdp, s.rateMin, sizeof s.rateMin);
  FillText(fdp, s.rateMax, sizeof s.rateMax);
  static const char* const kModes[] = {"SINGLE", "S_MULTI1", "s_multi1", "S_MULTI1 "};
  std::string modeText = fdp.ConsumeBool() ? kModes[fdp.ConsumeIntegralInRange(0, 3)] : FuzzText(fdp, 40);
  ExactText mode(modeText);

  std::string game = CheckSizes(size, [&](char* out, size_t n) {
    return BuildGameCommandLine(exePath, mode, &s, out, n);
  });
  std::string head = Quoted(path) + " " + modeText + " " + s.loginId + " " + s.password;
  FUZZ_CHECK(StartsWith(game, head));
  CheckGameTail(game.substr(head.size()), mode, s);

  ExactText arg(FuzzText(fdp, 200));
  std::string direct = CheckSizes(size, [&](char* out, size_t n) {
    return BuildDirectCommandLine(exePath, arg, out, n);
  });
  FUZZ_CHECK(direct == Quoted(path) + " " + std::string(arg));

  std::string lobby = CheckSizes(size, [&](char* out, size_t n) {
    return BuildLobbyCommandLine(exePath, s.loginId, s.password, out, n);
  });
  FUZZ_CHECK(lobby == Quoted(path) + " FromLauncher " + s.loginId + " " + s.password);

  std::string updater = CheckSizes(size, [&](char* out, size_t n) {
    return BuildUpdaterCommandLine(s.loginId, s.password, out, n);
  });
  FUZZ_CHECK(updater == std::string("Launcher.exe FromLobby ") + s.loginId + " " + s.password);

  // Quoting alone: quoted exactly when a space byte is anywhere in the path.
  ExactBuffer quoted(fdp.ConsumeIntegralInRange<size_t>(0, 300));
  bool q = QuoteIfSpaced(exePath, quoted.get(), quoted.size());
  if (quoted.size() > 0) FUZZ_CHECK(quoted.Terminated());
  if (q) FUZZ_CHECK(std::string(quoted.get()) == Quoted(path));
  else FUZZ_CHECK(quoted.size() == 0 || (quoted.get()[0] == '\0' && Quoted(path).size() >= quoted.size()));
  return 0;
}
