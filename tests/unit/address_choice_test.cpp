// Which own address the main window shows: the private ranges, their edges,
// and the choice between public, private-only and no address at all.
#include "net/address_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

uint32_t Ip(unsigned a, unsigned b, unsigned c, unsigned d) { return (a << 24) | (b << 16) | (c << 8) | d; }

std::string Choose(const std::vector<uint32_t>& list, bool linkLocalIsPrivate) {
  char out[LOCAL_ADDRESS_TEXT_SIZE];
  ChooseLocalAddressText(list.data(), (int)list.size(), linkLocalIsPrivate, out, sizeof out);
  return out;
}

TEST(IsPrivateAddress, TenSlashEight) {
  EXPECT_FALSE(IsPrivateAddress(Ip(9, 255, 255, 255), true));
  EXPECT_TRUE(IsPrivateAddress(Ip(10, 0, 0, 0), true));
  EXPECT_TRUE(IsPrivateAddress(Ip(10, 255, 255, 255), false));
  EXPECT_FALSE(IsPrivateAddress(Ip(11, 0, 0, 0), true));
}

TEST(IsPrivateAddress, OneSevenTwoSixteenSlashTwelve) {
  EXPECT_FALSE(IsPrivateAddress(Ip(172, 15, 255, 255), true));
  EXPECT_TRUE(IsPrivateAddress(Ip(172, 16, 0, 0), true));
  EXPECT_TRUE(IsPrivateAddress(Ip(172, 31, 255, 255), false));
  EXPECT_FALSE(IsPrivateAddress(Ip(172, 32, 0, 0), true));
}

TEST(IsPrivateAddress, OneNineTwoOneSixEightSlashSixteen) {
  EXPECT_FALSE(IsPrivateAddress(Ip(192, 167, 255, 255), true));
  EXPECT_TRUE(IsPrivateAddress(Ip(192, 168, 0, 0), true));
  EXPECT_TRUE(IsPrivateAddress(Ip(192, 168, 255, 255), false));
  EXPECT_FALSE(IsPrivateAddress(Ip(192, 169, 0, 0), true));
}

TEST(IsPrivateAddress, LinkLocalOnlyWhenTheProgramSaysSo) {
  EXPECT_TRUE(IsPrivateAddress(Ip(169, 254, 0, 0), true));
  EXPECT_TRUE(IsPrivateAddress(Ip(169, 254, 255, 255), true));
  EXPECT_FALSE(IsPrivateAddress(Ip(169, 254, 0, 0), false));
  EXPECT_FALSE(IsPrivateAddress(Ip(169, 254, 255, 255), false));
  EXPECT_FALSE(IsPrivateAddress(Ip(169, 253, 255, 255), true));
  EXPECT_FALSE(IsPrivateAddress(Ip(169, 255, 0, 0), true));
}

TEST(IsPrivateAddress, LoopbackAndOthersAreNot) {
  EXPECT_FALSE(IsPrivateAddress(Ip(127, 0, 0, 1), true));
  EXPECT_FALSE(IsPrivateAddress(Ip(0, 0, 0, 0), true));
  EXPECT_FALSE(IsPrivateAddress(Ip(100, 64, 0, 1), true));
  EXPECT_FALSE(IsPrivateAddress(Ip(255, 255, 255, 255), true));
}

TEST(ChooseLocalAddressText, FirstPublicAddressBare) {
  EXPECT_EQ(Choose({Ip(192, 168, 1, 5), Ip(203, 0, 113, 7), Ip(198, 51, 100, 1)}, true), "203.0.113.7");
  EXPECT_EQ(Choose({Ip(198, 51, 100, 1)}, false), "198.51.100.1");
}

TEST(ChooseLocalAddressText, OnlyPrivateGivesTheFirstWithLocal) {
  EXPECT_EQ(Choose({Ip(10, 1, 2, 3), Ip(192, 168, 0, 1)}, true), "10.1.2.3 (local)");
  EXPECT_EQ(Choose({Ip(172, 20, 0, 9), Ip(10, 0, 0, 1)}, false), "172.20.0.9 (local)");
}

TEST(ChooseLocalAddressText, LinkLocalDiffersBetweenThePrograms) {
  EXPECT_EQ(Choose({Ip(169, 254, 1, 2)}, true), "169.254.1.2 (local)");
  EXPECT_EQ(Choose({Ip(169, 254, 1, 2)}, false), "169.254.1.2");
  // In launcher a link-local address after a private one is the one shown.
  EXPECT_EQ(Choose({Ip(192, 168, 0, 2), Ip(169, 254, 1, 2)}, false), "169.254.1.2");
  EXPECT_EQ(Choose({Ip(192, 168, 0, 2), Ip(169, 254, 1, 2)}, true), "192.168.0.2 (local)");
}

TEST(ChooseLocalAddressText, LoopbackIsShownBare) {
  EXPECT_EQ(Choose({Ip(127, 0, 0, 1)}, true), "127.0.0.1");
  EXPECT_EQ(Choose({Ip(10, 0, 0, 1), Ip(127, 0, 1, 1)}, true), "127.0.1.1");
}

TEST(ChooseLocalAddressText, NoAddressIsUnknown) {
  EXPECT_EQ(Choose({}, true), "(unknown)");
  EXPECT_EQ(Choose({}, false), "(unknown)");
}

TEST(ChooseLocalAddressText, WidestTextFitsAndSmallBuffersStayTerminated) {
  EXPECT_EQ(Choose({Ip(255, 255, 255, 255)}, true), "255.255.255.255");
  EXPECT_EQ(Choose({Ip(192, 168, 255, 255)}, true), "192.168.255.255 (local)");
  uint32_t one = Ip(192, 168, 100, 200);
  char small[8];
  memset(small, 'x', sizeof small);
  ChooseLocalAddressText(&one, 1, true, small, sizeof small);
  EXPECT_LT(strlen(small), sizeof small);
}

}  // namespace
