// The full path a system DLL is loaded from.
#include "core/system_dll.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>

namespace {

std::string Path(const char* dir, size_t length, size_t dirSize = 260, size_t outSize = 260) {
  char out[300];
  memset(out, 'x', sizeof out);
  if (!SystemLibraryPath(dir, length, dirSize, "winmm.dll", out, outSize))
    return out[0] == '\0' ? "(refused)" : "(dirty)";
  return out;
}

TEST(SystemLibraryPath, JoinsWithOneSeparator) {
  EXPECT_EQ(Path("C:\\WINDOWS\\system32", 19), "C:\\WINDOWS\\system32\\winmm.dll");
  EXPECT_EQ(Path("C:\\", 3), "C:\\winmm.dll");
}

TEST(SystemLibraryPath, RefusesAFailedQueryATooLongFolderAndAPathThatDoesNotFit) {
  EXPECT_EQ(Path("", 0), "(refused)");
  EXPECT_EQ(Path("C:\\WINDOWS\\system3", 300, 20), "(refused)");  // the folder did not fit its buffer
  EXPECT_EQ(Path("C:\\WINDOWS\\system32", 19, 260, 29), "(refused)");
  EXPECT_EQ(Path("C:\\WINDOWS\\system32", 19, 260, 30), "C:\\WINDOWS\\system32\\winmm.dll");
}

}  // namespace
