// The recent addresses of the connect dialog: reading Addr01..Addr16 up to a
// gap, the rewrite after OK, and the cut of the typed text at its first space.
#include "net/recent.h"

#include <gtest/gtest.h>
#include <string.h>

#include <map>
#include <string>
#include <vector>

namespace {

// [Recent Connection] as the configuration file holds it.
typedef std::map<std::string, std::string> Section;

const char* ReadFrom(const char* key, void* context) {
  Section* s = (Section*)context;
  Section::const_iterator it = s->find(key);
  return it == s->end() ? "" : it->second.c_str();
}

std::vector<std::string> Load(Section& s) {
  RecentList list;
  LoadRecentList(ReadFrom, &s, &list);
  return std::vector<std::string>(list.items, list.items + list.count);
}

RecentList Shown(const std::vector<std::string>& items) {
  RecentList list;
  list.count = (int)items.size();
  for (size_t i = 0; i < items.size(); ++i) strcpy(list.items[i], items[i].c_str());
  return list;
}

std::vector<std::string> Rewrite(const std::vector<std::string>& shown, const char* address) {
  RecentList in = Shown(shown);
  RecentList out;
  int n = BuildRecentRewrite(&in, address, CompareAddressAscii, &out);
  EXPECT_EQ(n, out.count);
  return std::vector<std::string>(out.items, out.items + out.count);
}

// What the dialog does on OK: the written keys replace theirs, others stay.
void Save(Section& s, const char* address) {
  std::vector<std::string> shown = Load(s);
  std::vector<std::string> values = Rewrite(shown, address);
  for (size_t i = 0; i < values.size(); ++i) {
    char key[16];
    FormatRecentKey((int)i + 1, key, sizeof key);
    s[key] = values[i];
  }
}

std::string Key(int n) {
  char key[16];
  FormatRecentKey(n, key, sizeof key);
  return key;
}

Section Numbered(int count) {
  Section s;
  for (int n = 1; n <= count; ++n) s[Key(n)] = "host" + std::to_string(n);
  return s;
}

std::string Cut(const char* text) {
  char buf[300];
  strcpy(buf, text);
  CutAtFirstSpace(buf);
  return buf;
}

TEST(RecentKeys, TwoDigitNames) {
  EXPECT_EQ(Key(1), "Addr01");
  EXPECT_EQ(Key(9), "Addr09");
  EXPECT_EQ(Key(10), "Addr10");
  EXPECT_EQ(Key(16), "Addr16");
}

TEST(LoadRecentList, MissingFileGivesEmptyList) {
  Section s;
  EXPECT_TRUE(Load(s).empty());
}

TEST(LoadRecentList, KeepsStoredOrder) {
  Section s = {{"Addr01", "newest"}, {"Addr02", "10.0.0.2"}, {"Addr03", "oldest"}};
  EXPECT_EQ(Load(s), (std::vector<std::string>{"newest", "10.0.0.2", "oldest"}));
}

TEST(LoadRecentList, GapOrEmptyValueEndsTheList) {
  Section gap = {{"Addr01", "a"}, {"Addr02", "b"}, {"Addr04", "d"}};
  EXPECT_EQ(Load(gap), (std::vector<std::string>{"a", "b"}));
  Section empty = {{"Addr01", ""}, {"Addr02", "b"}};
  EXPECT_TRUE(Load(empty).empty());
}

TEST(LoadRecentList, ValueOfOnlyALeadByteEndsTheListLikeAnEmptyOne) {
  Section s = {{"Addr01", "a"}, {"Addr02", "\x82"}, {"Addr03", "c"}};
  EXPECT_EQ(Load(s), (std::vector<std::string>{"a"}));
}

TEST(LoadRecentList, ReadsSixteenAndNoKeyBeyond) {
  Section s = Numbered(16);
  s["Addr17"] = "beyond";
  s["Addr00"] = "before";
  std::vector<std::string> got = Load(s);
  ASSERT_EQ(got.size(), 16u);
  EXPECT_EQ(got.front(), "host1");
  EXPECT_EQ(got.back(), "host16");
}

TEST(LoadRecentList, LongValuesStayWithinTheirBuffer) {
  std::string full(255, 'x');
  std::string dbcs = std::string(253, 'z') + "漢";   // 255 bytes ending in a double-byte character
  std::string tooLong = std::string(254, 'w') + "漢";  // 256 bytes: the character does not fit
  Section s = {{"Addr01", full}, {"Addr02", dbcs}, {"Addr03", tooLong}, {"Addr04", std::string(400, 'q')}};
  std::vector<std::string> got = Load(s);
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0], full);
  EXPECT_EQ(got[1], dbcs);
  EXPECT_EQ(got[2], std::string(254, 'w'));  // never half a character
  EXPECT_EQ(got[3], std::string(255, 'q'));
}

TEST(CutAtFirstSpace, EndsAtTheFirstSpace) {
  EXPECT_EQ(Cut("host1 extra"), "host1");
  EXPECT_EQ(Cut("a b c"), "a");
  EXPECT_EQ(Cut("host1"), "host1");
  EXPECT_EQ(Cut("host1 "), "host1");
  EXPECT_EQ(Cut(""), "");
}

TEST(CutAtFirstSpace, LeadingSpaceEmptiesTheText) { EXPECT_EQ(Cut(" host1"), ""); }

TEST(CutAtFirstSpace, OnlyTheSingleByteSpaceCuts) {
  EXPECT_EQ(Cut("a\tb c"), "a\tb");
  EXPECT_EQ(Cut("a\nb"), "a\nb");
  EXPECT_EQ(Cut("host\x81\x40x y"), "host\x81\x40x");  // full-width space stays
  EXPECT_EQ(Cut("\x81\x40\x81\x40"), "\x81\x40\x81\x40");
}

TEST(CutAtFirstSpace, ByteAfterALeadByteIsNeverASpace) {
  // The byte behind a lead byte belongs to its character, whatever its value.
  EXPECT_EQ(Cut("ab\x82 cd e"), "ab\x82 cd");
  // A trail byte that looks like a letter or punctuation is passed over too.
  EXPECT_EQ(Cut("\x83\x41 x"), "\x83\x41");
}

TEST(CutAtFirstSpace, LeadByteBeforeTheTerminatorStopsTheWalk) {
  char buf[8] = {'a', 'b', '\x82', '\0', ' ', 'X', '\0', '\0'};
  CutAtFirstSpace(buf);
  EXPECT_STREQ(buf, "ab\x82");
  EXPECT_EQ(buf[4], ' ');  // nothing behind the terminator was touched
  EXPECT_EQ(buf[5], 'X');
  char lone[4] = {'\x82', '\0', ' ', '\0'};
  CutAtFirstSpace(lone);
  EXPECT_EQ(lone[2], ' ');
}

bool NoLeadBytes(unsigned char) { return false; }

TEST(CutAtFirstSpace, LeadBytesAsTheGivenCodePageSaysSo) {
  char text[] = "caf\xE9 host";  // a single-byte code page: 0xE9 is a letter there
  CutAtFirstSpace(text, NoLeadBytes);
  EXPECT_STREQ(text, "caf\xE9");
  char same[] = "caf\xE9 host";  // in code page 932 0xE9 leads a character, which takes the space
  CutAtFirstSpace(same);
  EXPECT_STREQ(same, "caf\xE9 host");
}

TEST(CompareAddressAscii, IgnoresAsciiLetterCase) {
  EXPECT_EQ(CompareAddressAscii("HOST", "host"), 0);
  EXPECT_EQ(CompareAddressAscii("Game.Example", "game.EXAMPLE"), 0);
  EXPECT_EQ(CompareAddressAscii("10.0.0.1", "10.0.0.1"), 0);
  EXPECT_NE(CompareAddressAscii("host1", "host2"), 0);
  EXPECT_NE(CompareAddressAscii("host", "host1"), 0);
  EXPECT_NE(CompareAddressAscii("host1", "host"), 0);
  EXPECT_NE(CompareAddressAscii("host-1", "host1"), 0);
  EXPECT_NE(CompareAddressAscii("@", "`"), 0);  // neighbours of the letters are not folded
  EXPECT_NE(CompareAddressAscii("[", "{"), 0);
}

TEST(CompareAddressAscii, DoubleByteCharactersMatchExactly) {
  EXPECT_EQ(CompareAddressAscii("サーバ", "サーバ"), 0);
  // Trail bytes 0x41 and 0x61 are different characters, not one letter in two cases.
  EXPECT_NE(CompareAddressAscii("\x83\x41", "\x83\x61"), 0);
  EXPECT_NE(CompareAddressAscii("Ａ", "ａ"), 0);  // full-width letters are outside the ASCII fold
  EXPECT_EQ(CompareAddressAscii("ab\x82", "AB\x82"), 0);  // a lone lead byte at the end
}

TEST(BuildRecentRewrite, EmptyAddressWritesNothing) {
  EXPECT_TRUE(Rewrite({"a", "b"}, "").empty());
}

TEST(BuildRecentRewrite, UnfinishedCharacterIsNeverWrittenAsAnEntry) {
  // Only a lead byte: nothing to write, where an empty Addr01 would hide the whole list.
  EXPECT_TRUE(Rewrite({"a", "b"}, "\x81").empty());
  // A lead byte at the end is cut off, and the entry the address then equals is not kept twice.
  EXPECT_EQ(Rewrite({"host", "x"}, "host\x81"), (std::vector<std::string>{"host", "x"}));
  EXPECT_EQ(Rewrite({"\x83", "b"}, "new"), (std::vector<std::string>{"new", "b"}));
}

TEST(BuildRecentRewrite, NewAddressGoesFirst) {
  EXPECT_EQ(Rewrite({}, "host1"), (std::vector<std::string>{"host1"}));
  EXPECT_EQ(Rewrite({"a", "b", "c"}, "new"), (std::vector<std::string>{"new", "a", "b", "c"}));
}

TEST(BuildRecentRewrite, ChosenEntryMovesToTheTop) {
  EXPECT_EQ(Rewrite({"a", "b", "c"}, "c"), (std::vector<std::string>{"c", "a", "b"}));
  EXPECT_EQ(Rewrite({"a", "b", "c"}, "a"), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(BuildRecentRewrite, TypedFormReplacesAnEntryInOtherCase) {
  EXPECT_EQ(Rewrite({"a", "HOST", "b"}, "host"), (std::vector<std::string>{"host", "a", "b"}));
}

TEST(BuildRecentRewrite, EveryMatchingEntryIsDropped) {
  EXPECT_EQ(Rewrite({"Host", "x", "HOST", "y"}, "host"), (std::vector<std::string>{"host", "x", "y"}));
}

TEST(BuildRecentRewrite, FullListDropsTheOldestForANewAddress) {
  std::vector<std::string> shown;
  for (int n = 1; n <= 16; ++n) shown.push_back("host" + std::to_string(n));
  std::vector<std::string> got = Rewrite(shown, "new");
  ASSERT_EQ(got.size(), 16u);
  EXPECT_EQ(got[0], "new");
  EXPECT_EQ(got[1], "host1");
  EXPECT_EQ(got[15], "host15");
}

TEST(BuildRecentRewrite, FullListKeepsAllOthersWhenTheAddressWasInIt) {
  std::vector<std::string> shown;
  for (int n = 1; n <= 16; ++n) shown.push_back("host" + std::to_string(n));
  std::vector<std::string> got = Rewrite(shown, "HOST16");
  ASSERT_EQ(got.size(), 16u);
  EXPECT_EQ(got[0], "HOST16");
  EXPECT_EQ(got[15], "host15");
  got = Rewrite(shown, "host9");
  ASSERT_EQ(got.size(), 16u);
  EXPECT_EQ(got[8], "host8");
  EXPECT_EQ(got[9], "host10");
  EXPECT_EQ(got[15], "host16");
}

TEST(BuildRecentRewrite, LongEntriesAreWrittenWhole) {
  std::string full(255, 'x');
  std::string dbcs = std::string(253, 'z') + "漢";
  EXPECT_EQ(Rewrite({full, dbcs}, "new"), (std::vector<std::string>{"new", full, dbcs}));
  std::string longAddress(300, 'a');  // more than a value can hold: cut, never overrun
  std::vector<std::string> got = Rewrite({}, longAddress.c_str());
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0], std::string(255, 'a'));
}

TEST(SaveCycle, NewAddressIntoAFullFile) {
  Section s = Numbered(16);
  s["Addr17"] = "beyond";
  Save(s, "new");
  EXPECT_EQ(s["Addr01"], "new");
  EXPECT_EQ(s["Addr02"], "host1");
  EXPECT_EQ(s["Addr16"], "host15");
  EXPECT_EQ(s["Addr17"], "beyond");  // never read, never written
  EXPECT_EQ(s.size(), 17u);
}

TEST(SaveCycle, GapIsFilledAndTheEntriesBehindItReturn) {
  Section s = {{"Addr01", "a"}, {"Addr02", "b"}, {"Addr04", "d"}};
  EXPECT_EQ(Load(s).size(), 2u);
  Save(s, "c");
  EXPECT_EQ(s["Addr01"], "c");
  EXPECT_EQ(s["Addr02"], "a");
  EXPECT_EQ(s["Addr03"], "b");
  EXPECT_EQ(Load(s), (std::vector<std::string>{"c", "a", "b", "d"}));
}

TEST(SaveCycle, KeysPastTheLastWrittenStayAsTheyWere) {
  Section s = {{"Addr01", "a"}, {"Addr02", "b"}, {"Addr03", "c"}};
  Save(s, "B");
  EXPECT_EQ(Load(s), (std::vector<std::string>{"B", "a", "c"}));
  // Two stored forms of the typed address: one key fewer is written than were
  // listed, and the last stored key keeps its old value.
  Section twice = {{"Addr01", "a"}, {"Addr02", "A"}, {"Addr03", "c"}};
  Save(twice, "a");
  EXPECT_EQ(Load(twice), (std::vector<std::string>{"a", "c", "c"}));
}

TEST(SaveCycle, EmptyAddressLeavesTheFileAlone) {
  Section s = {{"Addr01", "a"}, {"Addr03", "c"}};
  Section before = s;
  Save(s, "");
  EXPECT_EQ(s, before);
}

}  // namespace
