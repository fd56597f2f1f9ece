// Shared by the libFuzzer targets: a failed property aborts with its text (so
// that libFuzzer keeps the input), and texts and result buffers are put in
// heap blocks of exactly their size, so that AddressSanitizer sees any read
// past a terminator or write past a buffer's end.
#pragma once
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "core/text.h"

#define FUZZ_CHECK(cond)                                                       \
  do {                                                                         \
    if (!(cond)) {                                                             \
      fprintf(stderr, "property failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
      abort();                                                                 \
    }                                                                          \
  } while (0)

// A terminated copy of text in a block of exactly strlen + 1 bytes.
class ExactText {
 public:
  explicit ExactText(const std::string& text) {
    size_t n = strnlen(text.c_str(), text.size());
    p_ = (char*)malloc(n + 1);
    memcpy(p_, text.c_str(), n);
    p_[n] = '\0';
  }
  ~ExactText() { free(p_); }
  ExactText(const ExactText&) = delete;
  ExactText& operator=(const ExactText&) = delete;
  char* get() { return p_; }
  operator const char*() const { return p_; }

 private:
  char* p_;
};

// A result buffer of exactly size bytes (at least one byte is allocated so
// that a size of 0 is still a valid pointer that must not be written).
class ExactBuffer {
 public:
  explicit ExactBuffer(size_t size) : size_(size) {
    p_ = (char*)malloc(size == 0 ? 1 : size);
    memset(p_, 0x5A, size == 0 ? 1 : size);  // no accidental terminator
  }
  ~ExactBuffer() { free(p_); }
  ExactBuffer(const ExactBuffer&) = delete;
  ExactBuffer& operator=(const ExactBuffer&) = delete;
  char* get() { return p_; }
  size_t size() const { return size_; }
  // Terminated within its size.
  bool Terminated() const { return size_ > 0 && memchr(p_, '\0', size_) != nullptr; }
  // Nothing written into a zero-sized buffer.
  bool Untouched() const { return (unsigned char)p_[0] == 0x5A; }

 private:
  char* p_;
  size_t size_;
};

// A text of at most maxLength bytes, without NULs, biased towards the bytes
// that matter to these texts: spaces, dots, backslashes, CP932 lead bytes.
inline std::string FuzzText(FuzzedDataProvider& fdp, size_t maxLength) {
  std::string s = fdp.ConsumeRandomLengthString(maxLength);
  size_t n = strnlen(s.c_str(), s.size());
  s.resize(n);
  return s;
}

// True when text, read from its start, does not end in the lead byte of an
// unfinished double-byte character.
inline bool EndsOnCharBoundary(const char* text) {
  size_t i = 0;
  while (text[i] != '\0') {
    if (IsLeadByte932((unsigned char)text[i])) {
      if (text[i + 1] == '\0') return false;
      i += 2;
    } else {
      i += 1;
    }
  }
  return true;
}

inline bool StartsWith(const std::string& s, const std::string& prefix) {
  return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}
