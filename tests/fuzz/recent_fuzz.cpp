// The connect dialog's decisions on typed text and stored addresses: the cut
// at the first single-byte space, the reading of Addr01..Addr16 and the
// rewrite after OK. The list never holds more than 16 entries, the new
// address comes first and appears once, earlier entries keep their order, and
// a list without duplicates stays without them.
#include "net/recent.h"

#include <vector>

#include "fuzz_util.h"

namespace {

bool IsLead(unsigned char c) { return IsLeadByte932(c); }

// The first single-byte space, walking whole characters; npos when none.
size_t FirstSingleByteSpace(const std::string& s) {
  for (size_t i = 0; i < s.size(); ++i) {
    if (IsLeadByte932((unsigned char)s[i])) {
      ++i;
      continue;
    }
    if (s[i] == ' ') return i;
  }
  return std::string::npos;
}

void CheckCut(FuzzedDataProvider& fdp) {
  std::string typed = FuzzText(fdp, CONNECT_ADDRESS_SIZE - 1);
  ExactText text(typed);
  CutAtFirstSpace(text.get(), IsLead);
  std::string got = text.get();
  size_t space = FirstSingleByteSpace(typed);
  FUZZ_CHECK(got == (space == std::string::npos ? typed : typed.substr(0, space)));
  FUZZ_CHECK(FirstSingleByteSpace(got) == std::string::npos);
}

struct Stored {
  std::vector<std::string> values;  // Addr01.. as stored, "" for a missing key
};

const char* ReadStored(const char* key, void* context) {
  Stored* s = (Stored*)context;
  int n = 0;
  if (sscanf(key, "Addr%d", &n) != 1 || n < 1 || (size_t)n > s->values.size()) return "";
  return s->values[n - 1].c_str();
}

bool HasDuplicates(const RecentList& list) {
  for (int i = 0; i < list.count; ++i)
    for (int j = i + 1; j < list.count; ++j)
      if (CompareAddressAscii(list.items[i], list.items[j]) == 0) return true;
  return false;
}

void CheckList(FuzzedDataProvider& fdp) {
  Stored stored;
  int keys = fdp.ConsumeIntegralInRange(0, 20);
  for (int i = 0; i < keys; ++i) {
    // Mostly short addresses, some that differ only in letter case, some too long for a read.
    std::string v;
    switch (fdp.ConsumeIntegralInRange(0, 3)) {
      case 0: v = FuzzText(fdp, 300); break;
      case 1: v = i > 0 ? stored.values[fdp.ConsumeIntegralInRange(0, i - 1)] : ""; break;
      case 2: v = ""; break;
      default: v = FuzzText(fdp, 12); break;
    }
    if (!v.empty() && fdp.ConsumeBool() && ((v[0] >= 'a' && v[0] <= 'z') || (v[0] >= 'A' && v[0] <= 'Z')))
      v[0] = (char)(v[0] ^ 0x20);
    stored.values.push_back(v);
  }
  RecentList shown;
  LoadRecentList(ReadStored, &stored, &shown);
  FUZZ_CHECK(shown.count >= 0 && shown.count <= RECENT_MAX);
  for (int i = 0; i < shown.count; ++i) {
    const std::string& v = stored.values[i];
    FUZZ_CHECK(!v.empty());  // a gap ends the list
    FUZZ_CHECK(memchr(shown.items[i], '\0', RECENT_TEXT_SIZE) != nullptr);
    std::string item = shown.items[i];
    FUZZ_CHECK(!item.empty() && StartsWith(v, item));
    FUZZ_CHECK(EndsOnCharBoundary(item.c_str()));
    if (v.size() < RECENT_TEXT_SIZE && EndsOnCharBoundary(v.c_str())) FUZZ_CHECK(item == v);
  }
  if (shown.count < RECENT_MAX && (size_t)shown.count < stored.values.size()) {
    // Ended by a gap: a missing or empty value, or one that is only an unfinished character.
    const char* end = stored.values[shown.count].c_str();
    FUZZ_CHECK(end[0] == '\0' || (IsLeadByte932((unsigned char)end[0]) && end[1] == '\0'));
  }

  // The address as the dialog hands it over: at most 127 bytes, cut at its first space.
  std::string typed = FuzzText(fdp, CONNECT_ADDRESS_SIZE - 1);
  if (fdp.ConsumeBool() && shown.count > 0) {
    typed = shown.items[fdp.ConsumeIntegralInRange(0, shown.count - 1)];
    if (typed.size() >= CONNECT_ADDRESS_SIZE) typed.resize(CONNECT_ADDRESS_SIZE - 1);
    for (char& c : typed)
      if (fdp.ConsumeBool() && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) c = (char)(c ^ 0x20);
  }
  ExactText address(typed);
  CutAtFirstSpace(address.get(), IsLead);
  std::string addr = address.get();

  RecentList rewrite;
  memset(&rewrite, 0x5A, sizeof rewrite);
  int n = BuildRecentRewrite(&shown, address, CompareAddressAscii, &rewrite);
  FUZZ_CHECK(n == rewrite.count);
  FUZZ_CHECK(n >= 0 && n <= RECENT_MAX);
  // Nothing to write: an empty address, or one that is only an unfinished character.
  if (addr.empty() || (addr.size() == 1 && IsLeadByte932((unsigned char)addr[0]))) {
    FUZZ_CHECK(n == 0);
    return;
  }
  FUZZ_CHECK(n >= 1);
  for (int i = 0; i < n; ++i) FUZZ_CHECK(rewrite.items[i][0] != '\0');  // an empty value would end the list
  FUZZ_CHECK(StartsWith(addr, rewrite.items[0]) && EndsOnCharBoundary(rewrite.items[0]));
  if (EndsOnCharBoundary(addr.c_str())) FUZZ_CHECK(addr == rewrite.items[0]);
  // The rest: the shown entries without the address, in their order, as many as fit.
  std::vector<std::string> expected;
  for (int i = 0; i < shown.count; ++i)
    if (CompareAddressAscii(shown.items[i], rewrite.items[0]) != 0) expected.push_back(shown.items[i]);
  size_t kept = expected.size() < (size_t)RECENT_MAX - 1 ? expected.size() : (size_t)RECENT_MAX - 1;
  FUZZ_CHECK((size_t)n == 1 + kept);
  for (size_t i = 0; i < kept; ++i) {
    FUZZ_CHECK(expected[i] == rewrite.items[i + 1]);
    FUZZ_CHECK(CompareAddressAscii(rewrite.items[i + 1], rewrite.items[0]) != 0);
  }
  if (!HasDuplicates(shown)) FUZZ_CHECK(!HasDuplicates(rewrite));

  // Written back over the stored keys and read again: the address leads.
  for (int i = 0; i < n; ++i) {
    if ((size_t)i >= stored.values.size()) stored.values.push_back("");
    stored.values[i] = rewrite.items[i];
  }
  RecentList again;
  LoadRecentList(ReadStored, &stored, &again);
  FUZZ_CHECK(again.count >= n && again.count <= RECENT_MAX);
  FUZZ_CHECK(strcmp(again.items[0], rewrite.items[0]) == 0);
}

void CheckCompare(FuzzedDataProvider& fdp) {
  std::string a = FuzzText(fdp, 40);
  std::string b = fdp.ConsumeBool() ? a : FuzzText(fdp, 40);
  // Flip the case of single-byte letters only: the same address.
  std::string flipped = a;
  for (size_t i = 0; i < flipped.size(); ++i) {
    unsigned char c = (unsigned char)flipped[i];
    if (IsLeadByte932(c)) {
      ++i;
      continue;
    }
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) flipped[i] = (char)(c ^ 0x20);
  }
  ExactText ta(a), tb(b), tf(flipped);
  FUZZ_CHECK(CompareAddressAscii(ta, ta) == 0);
  FUZZ_CHECK(CompareAddressAscii(ta, tf) == 0);
  int ab = CompareAddressAscii(ta, tb), ba = CompareAddressAscii(tb, ta);
  FUZZ_CHECK((ab == 0) == (ba == 0));
  FUZZ_CHECK((ab < 0) == (ba > 0));
  if (a.size() != b.size()) FUZZ_CHECK(ab != 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t length) {
  FuzzedDataProvider fdp(data, length);
  switch (fdp.ConsumeIntegralInRange(0, 2)) {
    case 0: CheckCut(fdp); break;
    case 1: CheckList(fdp); break;
    default: CheckCompare(fdp); break;
  }
  return 0;
}
