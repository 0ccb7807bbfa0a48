// Change notifications delivered to registered handlers.
#include <atomic>
#include <functional>
#include <thread>

#include "SysapiTestSupport.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// Records what it is told; answers `answer`.
class RecordingHandler final : public sysapi::INotificationHandler {
 public:
  sysapi::SysStatus QueryInterface(const sysapi::Guid &, void **object) override {
    *object = nullptr;
    return sysapi::kNoInterface;
  }
  uint32_t AddRef() override { return ++references; }
  uint32_t Release() override { return --references; }  // lives on the test's stack

  sysapi::SysStatus Notify(void *, uint32_t kind, sysapi::ISysEnumerator *names) override {
    ++calls;
    lastKind = kind;
    thread = std::this_thread::get_id();
    void *item = nullptr;
    uint32_t fetched = 0;
    while (names->Next(1, &item, &fetched) == 0) {
      auto *name = static_cast<wchar_t *>(item);
      if (onName) onName(name);
      received.push_back(TextOf(name));
    }
    return answer;
  }

  std::atomic<uint32_t> references{1};
  int calls = 0;
  uint32_t lastKind = 0;
  std::thread::id thread;
  std::vector<std::wstring> received;
  std::function<void(const wchar_t *)> onName;
  sysapi::SysStatus answer = 0;
};

}  // namespace

TEST_F(SysapiStandinTest, NotificationReachesTheHandlerOnAnotherThread) {
  RecordingHandler handler;
  ASSERT_EQ(framework_->RegisterNotificationHandler(L"//localhost/zu-vexa", &handler, 0), 0);
  EXPECT_EQ(handler.references, 2u);
  EXPECT_EQ(SysapiStandin_HandlerCount(), 1);

  const char *names[] = {"//host/Dev7", "Dev1"};
  EXPECT_EQ(SysapiStandin_NotifyChange(5, names, 2), 0);
  EXPECT_EQ(handler.calls, 1);
  EXPECT_EQ(handler.lastKind, 5u);
  EXPECT_THAT(handler.received, ElementsAre(L"//host/Dev7", L"Dev1"));
  EXPECT_NE(handler.thread, std::this_thread::get_id());
  EXPECT_EQ(handler.references, 2u);

  ReleaseFramework();  // drops the framework's reference to the handler
  EXPECT_EQ(handler.references, 1u);
  EXPECT_EQ(SysapiStandin_HandlerCount(), 0);
}

TEST_F(SysapiStandinTest, NotificationReturnsTheHandlersStatus) {
  RecordingHandler handler;
  handler.answer = sysapi::kOutOfMemory;
  ASSERT_EQ(framework_->RegisterNotificationHandler(L"//localhost/zu-vexa", &handler, 0), 0);
  EXPECT_EQ(SysapiStandin_NotifyChange(2, nullptr, 0), sysapi::kOutOfMemory);
  EXPECT_THAT(handler.received, IsEmpty());
  EXPECT_EQ(SysapiStandin_NotifyChange(2, nullptr, -1), SYSAPISTANDIN_E_INVALID_ARGUMENT);
  const char *withNull[] = {"Dev1", nullptr};
  EXPECT_EQ(SysapiStandin_NotifyChange(2, withNull, 2), SYSAPISTANDIN_E_INVALID_ARGUMENT);
  EXPECT_EQ(handler.calls, 1);
  ReleaseFramework();
  EXPECT_EQ(handler.references, 1u);
}

TEST_F(SysapiStandinTest, NotificationWithoutHandlersReachesNobody) {
  const char *names[] = {"Dev1"};
  EXPECT_EQ(SysapiStandin_NotifyChange(2, names, 1), SYSAPISTANDIN_S_NONE);
}

TEST_F(SysapiStandinTest, EveryFrameworksHandlersAreNotifiedAndMayCallBack) {
  sysapi::ISysFramework *second = nullptr;
  ASSERT_EQ(zusysInstantiateFramework(&second), 0);
  RecordingHandler first;
  RecordingHandler other;
  std::vector<std::wstring> identifiers;
  // As the device store does: look each changed resource up while notified.
  other.onName = [&](const wchar_t *name) {
    sysapi::ISysResource *resource = nullptr;
    ASSERT_EQ(second->GetResourceByName(name, &resource), 0);
    wchar_t *identifier = nullptr;
    ASSERT_EQ(resource->GetTextProperty(sysapi::kPropResourceName, &identifier), 0);
    identifiers.push_back(TextOf(identifier));
    resource->Release();
  };
  ASSERT_EQ(framework_->RegisterNotificationHandler(L"//localhost/zu-vexa", &first, 0), 0);
  ASSERT_EQ(second->RegisterNotificationHandler(L"//localhost/zu-vexa", &other, 0), 0);
  const char *names[] = {"//localhost/dev3"};
  EXPECT_EQ(SysapiStandin_NotifyChange(3, names, 1), 0);
  EXPECT_THAT(first.received, ElementsAre(L"//localhost/dev3"));
  EXPECT_THAT(other.received, ElementsAre(L"//localhost/dev3"));
  EXPECT_THAT(identifiers, ElementsAre(L"Dev3"));
  second->Release();
  EXPECT_EQ(other.references, 1u);
  EXPECT_EQ(first.references, 2u);
  ReleaseFramework();
  EXPECT_EQ(first.references, 1u);
}

TEST_F(SysapiStandinTest, FailedRegistrationKeepsNoReference) {
  RecordingHandler handler;
  ASSERT_EQ(SysapiStandin_FailNextCall(SYSAPISTANDIN_OP_REGISTER_HANDLER, sysapi::kFailure), 0);
  EXPECT_EQ(framework_->RegisterNotificationHandler(L"//localhost/zu-vexa", &handler, 0), sysapi::kFailure);
  EXPECT_EQ(handler.references, 1u);
  EXPECT_EQ(framework_->RegisterNotificationHandler(L"//localhost/zu-vexa", nullptr, 0), sysapi::kNullPointer);
  EXPECT_EQ(SysapiStandin_HandlerCount(), 0);
}
