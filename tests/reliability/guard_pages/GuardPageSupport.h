// Text buffers that end where an inaccessible page begins, so that a write
// of even one byte past a buffer's end faults at once. The accessible bytes
// in front of a buffer hold a pattern that each call must leave alone. The
// fixture adds clean stand-ins with the analyzer and a simulated session on it.
#pragma once

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <stdexcept>
#include <string>

#include "StandIns.h"
#include "ThreadErrorInfo.h"
#include "zuVEXA.h"

namespace guardpage {

class GuardedBuffer {
public:
  static constexpr unsigned char kPattern = 0xA5;

  GuardedBuffer() : page_(static_cast<size_t>(sysconf(_SC_PAGESIZE))) {
    void *mapping = mmap(nullptr, 3 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED) throw std::runtime_error("mmap failed");
    base_ = static_cast<char *>(mapping);
    guard_ = base_ + 2 * page_;
    if (mprotect(guard_, page_, PROT_NONE) != 0) throw std::runtime_error("mprotect failed");
  }
  ~GuardedBuffer() { munmap(base_, 3 * page_); }
  GuardedBuffer(const GuardedBuffer &) = delete;
  GuardedBuffer &operator=(const GuardedBuffer &) = delete;

  size_t capacity() const { return 2 * page_; }

  // A buffer of `size` bytes (at most capacity()) ending at the guard page,
  // filled with the pattern like everything in front of it. Size 0 gives the
  // guard page itself.
  char *Of(size_t size) {
    std::memset(base_, kPattern, capacity());
    return guard_ - size;
  }

  // Whether the pattern in front of the buffer of `size` bytes is intact
  // (and, with `inside`, in the buffer itself as well).
  bool PatternKept(size_t size, bool inside = false) const {
    const size_t end = capacity() - (inside ? 0 : size);
    for (size_t i = 0; i < end; ++i)
      if (static_cast<unsigned char>(base_[i]) != kPattern) return false;
    return true;
  }

  // The text in the buffer of `size` bytes, up to its NUL; "<unterminated>"
  // when there is none inside the buffer.
  std::string Text(size_t size) const {
    const char *buffer = guard_ - size;
    const void *nul = std::memchr(buffer, '\0', size);
    return nul == nullptr ? "<unterminated>" : std::string(buffer, static_cast<const char *>(nul));
  }

private:
  size_t page_;
  char *base_ = nullptr;
  char *guard_ = nullptr;
};

constexpr ViSession kNeverOpened = 0x7777;

class GuardPageTest : public testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetStandIns();
    ASSERT_EQ(testsupport::AddAnalyzer(), 0);
    ASSERT_EQ(zuVEXA_InitWithOptions("Analyzer", VI_FALSE, VI_FALSE, "Simulate=1", &vi_), 0);
  }
  void TearDown() override { zuVEXA_close(vi_); }

  ViSession vi_ = 0;
  GuardedBuffer guarded_;
};

} // namespace guardpage
