#include "core/settings_copy.h"

#include <string.h>

#include "core/text.h"

// A backslash that separates folders, not the second byte of a double-byte character.
const char* SettingsFileName(const char* path) {
  const char* name = nullptr;
  for (const char* p = path; *p != '\0'; ++p) {
    if (IsLeadByte932((unsigned char)*p) && p[1] != '\0') {
      ++p;
      continue;
    }
    if (*p == '\\') name = p + 1;
  }
  return name;
}

static char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c; }
static bool IsBase36(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); }

// The short copy name: a mark for the role, the file's first letter (so that
// the copies of two files in one folder differ) and the process id in seven
// base-36 digits, which hold any 32-bit number. Nine bytes.
enum { SHORT_NAME_LENGTH = 9, SHORT_ID_DIGITS = 7 };
static const char kShortMark[] = {'~', '!'};  // COPY_NEW, COPY_OLD

static char ShortFileLetter(const char* fileName) {
  char c = LowerAscii(fileName[0]);
  return IsBase36(c) ? c : '_';
}

static void FormatShortName(const char* fileName, unsigned long processId, CopyRole role, char* out) {
  out[0] = kShortMark[role];
  out[1] = ShortFileLetter(fileName);
  unsigned long long id = processId & 0xFFFFFFFFul;
  for (int i = SHORT_NAME_LENGTH - 1; i >= 2; --i) {
    int digit = (int)(id % 36);
    out[i] = (char)(digit < 10 ? '0' + digit : 'a' + digit - 10);
    id /= 36;
  }
  out[SHORT_NAME_LENGTH] = '\0';
}

bool SettingsCopyPath(const char* path, const char* program, unsigned long processId, CopyRole role, char* out,
                      size_t size) {
  const char* name = SettingsFileName(path);
  if (name == nullptr || *name == '\0') {
    if (size > 0) out[0] = '\0';
    return false;
  }
  if (TextFormat(out, size, "%s.%s.%lu.%s", path, program, processId & 0xFFFFFFFFul,
                 role == COPY_NEW ? "tmp" : "old.tmp"))
    return true;
  char shortName[SHORT_NAME_LENGTH + 1];
  FormatShortName(name, processId, role, shortName);
  return TextFormat(out, size, "%.*s%s", (int)(name - path), path, shortName);
}

bool IsSettingsCopyName(const char* name, const char* fileName, CopyRole* role) {
  size_t length = strlen(name), fileLength = strlen(fileName);
  // "<file>.<anything>.tmp": the names of every version of both programs.
  static const char kOldTail[] = ".old.tmp", kNewTail[] = ".tmp";
  if (length > fileLength + 1 + 1 + (sizeof kNewTail - 1) && strncasecmp(name, fileName, fileLength) == 0 &&
      name[fileLength] == '.' && strcasecmp(name + length - (sizeof kNewTail - 1), kNewTail) == 0) {
    bool old = length >= fileLength + 1 + (sizeof kOldTail - 1) &&
               strcasecmp(name + length - (sizeof kOldTail - 1), kOldTail) == 0;
    *role = old ? COPY_OLD : COPY_NEW;
    return true;
  }
  if (length != SHORT_NAME_LENGTH || LowerAscii(name[1]) != ShortFileLetter(fileName)) return false;
  for (int i = 2; i < SHORT_NAME_LENGTH; ++i)
    if (!IsBase36(LowerAscii(name[i]))) return false;
  if (name[0] == kShortMark[COPY_NEW]) *role = COPY_NEW;
  else if (name[0] == kShortMark[COPY_OLD]) *role = COPY_OLD;
  else return false;
  return true;
}

static bool ParseDigits(const char* from, const char* to, unsigned base, unsigned long* value) {
  if (from >= to) return false;
  unsigned long long n = 0;
  for (const char* p = from; p < to; ++p) {
    char c = LowerAscii(*p);
    unsigned digit = c >= '0' && c <= '9' ? (unsigned)(c - '0') : c >= 'a' && c <= 'z' ? (unsigned)(c - 'a' + 10) : 99;
    if (digit >= base || (n = n * base + digit) > 0xFFFFFFFFull) return false;
  }
  *value = (unsigned long)n;
  return true;
}

bool SettingsCopyWriter(const char* name, const char* fileName, CopyRole role, unsigned long* processId) {
  size_t length = strlen(name), fileLength = strlen(fileName);
  if (length == SHORT_NAME_LENGTH && name[0] == kShortMark[role])
    return ParseDigits(name + 2, name + SHORT_NAME_LENGTH, 36, processId);
  // "<file>.<program>.<id>.tmp" or ".old.tmp": the id is the part before the tail.
  size_t tail = role == COPY_OLD ? sizeof ".old.tmp" - 1 : sizeof ".tmp" - 1;
  if (length < fileLength + tail + 2) return false;
  const char* end = name + length - tail;
  const char* start = end;
  while (start > name + fileLength + 1 && start[-1] != '.') --start;
  return start > name + fileLength + 1 && ParseDigits(start, end, 10, processId);
}

bool LeftoverWriterGone(bool named, bool isThisProcess, WriterLook look) {
  if (!named || isThisProcess) return true;
  return look == WRITER_ENDED || look == WRITER_NOT_FOUND;
}

LeftoverAction ChooseLeftoverAction(CopyRole role, bool fileExists) {
  return role == COPY_OLD && !fileExists ? LEFTOVER_RESTORE : LEFTOVER_REMOVE;
}
