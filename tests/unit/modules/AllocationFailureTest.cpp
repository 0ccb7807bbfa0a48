// The replaced global allocation fails the next request of a given size or more. Checks what
// tests/reliability/allocation_failure accepts either way: the exact status and what a failure leaves
// unchanged. Both scalar forms of new and of delete are replaced (the array forms call them), so
// that no sanitizer form of them pairs with malloc and free.
#include <cstdlib>
#include <new>
#include <string>

#include "RoutingTestSupport.h"
#include "redirector/modules/OptionString.h"
#include "status/StatusCodes.h"

namespace {
thread_local size_t failFromSize = 0; // 0: never fail
} // namespace

void *operator new(size_t size) {
  if (failFromSize != 0 && size >= failFromSize) {
    failFromSize = 0;
    throw std::bad_alloc();
  }
  if (void *memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void *operator new(size_t size, const std::nothrow_t &) noexcept {
  try {
    return operator new(size);
  } catch (const std::bad_alloc &) {
    return nullptr;
  }
}
void operator delete(void *memory) noexcept { std::free(memory); }
void operator delete(void *memory, size_t) noexcept { std::free(memory); }

using namespace zumodules;

using AllocationFailureTest = routingtest::EngineTest;

TEST_F(AllocationFailureTest, FailedCopyKeepsThePreviousValueAndAnUnconvertedNameIsOutOfMemory) {
  DriverSetupRecord setup;
  setup.model = std::string(60, 'L');
  const std::string text = "Model:" + std::string(40, 'N');
  failFromSize = 32;
  EXPECT_EQ(ParseDriverSetup(0, text.c_str(), setup), ZUVEXA_ERROR_VALUE_COPY);
  EXPECT_EQ(setup.model, std::string(60, 'L'));
  EXPECT_EQ(routingtest::ThreadError().primary, ZUVEXA_ERROR_VALUE_COPY);
  EXPECT_EQ(routingtest::ThreadError().elaboration, std::string(40, 'N'));
  const std::string name(200, 'D');
  std::atomic<zumxl::LanguageId> language{zumxl::kGerman};
  std::wstring deviceName;
  bool simulate = false;
  DriverSetupRecord deviceSetup;
  failFromSize = 800; // the wide name needs 804 bytes, the engine's copies less
  EXPECT_EQ(InterpretResourceAndOptions(kDriverPrefix, name.c_str(), "", deviceName, simulate, deviceSetup,
                                        language),
            ZUVEXA_ERROR_OUT_OF_MEMORY);
  EXPECT_EQ(language.load(), zumxl::kGerman);
}
