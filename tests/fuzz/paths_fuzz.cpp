// Where the settings files live, from whatever the module path, the per-user
// folder and the registry give: the configuration file is never the
// executable itself, every result is terminated within its buffer, and a
// composition that does not fit gives "" rather than a cut path.
#include "core/paths.h"

#include "fuzz_util.h"

namespace {

void CheckConfigPath(FuzzedDataProvider& fdp) {
  std::string module = FuzzText(fdp, 300);
  ExactText in(module);
  ExactBuffer out(fdp.ConsumeBool() ? 260 : fdp.ConsumeIntegralInRange<size_t>(0, 320));
  bool ok = DeriveConfigPath(in, out.get(), out.size());
  if (out.size() == 0) {
    FUZZ_CHECK(!ok && out.Untouched());
    return;
  }
  FUZZ_CHECK(out.Terminated());
  std::string got = out.get();
  if (!ok) {
    FUZZ_CHECK(got.empty());
    return;
  }
  FUZZ_CHECK(got.size() < out.size());
  FUZZ_CHECK(got != module);
  FUZZ_CHECK(got.size() >= 4 && got.compare(got.size() - 4, 4, ".CFG") == 0);
  size_t ext = module.find(".EXE");
  if (ext != std::string::npos) FUZZ_CHECK(got == module.substr(0, ext) + ".CFG");
  else FUZZ_CHECK(got == module + ".CFG");
}

void CheckSettingsDir(FuzzedDataProvider& fdp) {
  bool known = fdp.ConsumeBool();
  std::string perUser = FuzzText(fdp, 300);
  std::string fallback = FuzzText(fdp, 300);
  std::string tail = fdp.ConsumeBool() ? "\\" : "";
  ExactText p(perUser), f(fallback), t(tail);
  ExactBuffer out(fdp.ConsumeBool() ? 260 : fdp.ConsumeIntegralInRange<size_t>(0, 320));
  ComposeSettingsDir(known, p, f, t, out.get(), out.size());
  if (out.size() == 0) {
    FUZZ_CHECK(out.Untouched());
    return;
  }
  FUZZ_CHECK(out.Terminated());
  std::string got = out.get();
  std::string expected = known ? perUser + "\\Korvel\\Zanto\\" : (fallback.empty() ? "" : fallback + tail);
  if (expected.size() < out.size()) FUZZ_CHECK(got == expected);
  else FUZZ_CHECK(got.empty());
}

void CheckRegistryText(FuzzedDataProvider& fdp) {
  size_t size = fdp.ConsumeIntegralInRange<size_t>(1, 300);
  std::string raw = fdp.ConsumeBytesAsString(size);
  raw.resize(size, 'a');  // the rest of the buffer as the query left it
  size_t got = fdp.ConsumeIntegralInRange<size_t>(0, 400);
  ExactBuffer buf(size);
  memcpy(buf.get(), raw.data(), size);
  TerminateRegistryText(buf.get(), size, got);
  FUZZ_CHECK(buf.Terminated());
  std::string text = buf.get();
  size_t received = got > size ? size : got;
  const char* nul = (const char*)memchr(raw.data(), '\0', received);
  std::string whole;  // used up to its first NUL, or the bytes received terminated behind them
  if (nul != nullptr) {
    whole.assign(raw.data(), nul - raw.data());
  } else if (received < size) {
    whole = raw.substr(0, received);
  } else {
    FUZZ_CHECK(text.empty());  // fills the buffer without a terminator: not a folder
    return;
  }
  // ... less a lone lead byte at its end.
  size_t boundary = 0;
  while (boundary < whole.size()) {
    size_t step = IsLeadByte932((unsigned char)whole[boundary]) ? 2 : 1;
    if (boundary + step > whole.size()) break;
    boundary += step;
  }
  FUZZ_CHECK(text == whole.substr(0, boundary));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t length) {
  FuzzedDataProvider fdp(data, length);
  switch (fdp.ConsumeIntegralInRange(0, 2)) {
    case 0: CheckConfigPath(fdp); break;
    case 1: CheckSettingsDir(fdp); break;
    default: CheckRegistryText(fdp); break;
  }
  return 0;
}
