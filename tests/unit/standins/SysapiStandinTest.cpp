// The system configuration stand-in where a fault of its own would hide one of the library's.
#include <gmock/gmock.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/SysapiInterfaces.h"
#include "sysapi_standin.h"

extern "C" sysapi::SysStatus zusysInstantiateFramework(sysapi::ISysFramework **framework);

using namespace sysapi;
using ::testing::ElementsAre;

namespace {

std::wstring TextOf(wchar_t *sysText) {
  std::wstring text(sysText, SysTextLength(sysText));
  FreeSysText(sysText);
  return text;
}

class SysapiStandinTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::ofstream(configPath_) << "expert zu-vexa\n"
                                  "device Dev1 alias=Bench productId=0x1C02\n"
                                  "device Dev2 alias=Shared productId=0x1C03\n"
                                  "device Dev3 alias=Shared productId=0x1C04 hidden=1\n";
    setenv("ZUVEXA_SYSAPI_CONFIG", configPath_.c_str(), 1);
    SysapiStandin_Reset();
    ASSERT_EQ(zusysInstantiateFramework(&framework_), 0);
  }

  void TearDown() override {
    if (framework_ != nullptr) framework_->Release();
    EXPECT_EQ(SysapiStandin_LiveObjectCount(), 0) << "an object of the stand-in was leaked or over-held";
    unsetenv("ZUVEXA_SYSAPI_CONFIG");
    std::remove(configPath_.c_str());
    SysapiStandin_Reset();
  }

  // Names whose name or alias is `name`, found as the device lookup finds them.
  std::vector<std::wstring> NamesFound(const wchar_t *name) {
    ISysFilter *filter = nullptr;
    EXPECT_EQ(framework_->CreateFilter(&filter), 0);
    filter->SetTextProperty(kPropResourceName, name);
    filter->SetTextProperty(kPropAlias, name);
    IUnknownLike *collection = nullptr;
    const SysStatus found = framework_->FindResources(L"//localhost/zu-vexa", 2, filter, &collection);
    EXPECT_EQ(collection != nullptr, found == 0) << "a collection exactly when something was found";
    std::vector<std::wstring> names;
    if (found == 0) {
      EXPECT_EQ(filter->Reset(), 0);
      EXPECT_EQ(filter->SetIntegerProperty(kPropSecondFilter, 0), 0);
      ISysFilterableCollection *filterable = nullptr;
      EXPECT_EQ(collection->QueryInterface(kIidFilterableCollection, reinterpret_cast<void **>(&filterable)),
                0);
      ISysEnumerator *items = nullptr;
      EXPECT_EQ(filterable->Filter(3, filter, &items), 0);
      void *item = nullptr;
      uint32_t fetched = 0;
      while (items->Next(1, &item, &fetched) == 0) {
        wchar_t *text = nullptr;
        EXPECT_EQ(static_cast<ISysResource *>(item)->GetTextProperty(kPropResourceName, &text), 0);
        names.push_back(TextOf(text));
        static_cast<ISysResource *>(item)->Release();
      }
      items->Release();
      filterable->Release();
      collection->Release();
    }
    filter->Release();
    return names;
  }

  ISysFramework *framework_ = nullptr;
  std::string configPath_ = ::testing::TempDir() + "sysapi_standin_" + std::to_string(getpid()) + ".conf";
};

// Records the names it is told; answers `answer`.
class RecordingHandler final : public INotificationHandler {
public:
  SysStatus QueryInterface(const Guid &, void **object) override {
    *object = nullptr;
    return kNoInterface;
  }
  uint32_t AddRef() override { return ++references; }
  uint32_t Release() override { return --references; } // lives on the test's stack
  SysStatus Notify(void *, uint32_t, ISysEnumerator *names) override {
    thread = std::this_thread::get_id();
    void *item = nullptr;
    uint32_t fetched = 0;
    while (names->Next(1, &item, &fetched) == 0) received.push_back(TextOf(static_cast<wchar_t *>(item)));
    return answer;
  }

  std::atomic<uint32_t> references{1};
  std::thread::id thread;
  std::vector<std::wstring> received;
  SysStatus answer = 0;
};

} // namespace

TEST_F(SysapiStandinTest, FindsEveryDeviceWhoseNameOrAliasMatchesIgnoringCase) {
  EXPECT_THAT(NamesFound(L"Dev1"), ElementsAre(L"Dev1"));
  EXPECT_THAT(NamesFound(L"bench"), ElementsAre(L"Dev1"));
  EXPECT_THAT(NamesFound(L"Shared"), ElementsAre(L"Dev2", L"Dev3")) << "hidden ones included";
}

TEST_F(SysapiStandinTest, NotificationReachesEveryFrameworksHandlersOnAnotherThread) {
  ISysFramework *second = nullptr;
  ASSERT_EQ(zusysInstantiateFramework(&second), 0);
  RecordingHandler first, other;
  ASSERT_EQ(framework_->RegisterNotificationHandler(L"//localhost/zu-vexa", &first, 0), 0);
  ASSERT_EQ(second->RegisterNotificationHandler(L"//localhost/zu-vexa", &other, 0), 0);
  const char *names[] = {"//localhost/dev3", "Dev1"};
  EXPECT_EQ(SysapiStandin_NotifyChange(5, names, 2), 0);
  EXPECT_THAT(first.received, ElementsAre(L"//localhost/dev3", L"Dev1"));
  EXPECT_THAT(other.received, ElementsAre(L"//localhost/dev3", L"Dev1"));
  EXPECT_NE(first.thread, std::this_thread::get_id());

  other.answer = kOutOfMemory;
  EXPECT_EQ(SysapiStandin_NotifyChange(2, nullptr, 0), kOutOfMemory) << "a handler's failure comes back";
  second->Release();
  EXPECT_EQ(other.references, 1u) << "released with its framework";
  framework_->Release();
  framework_ = nullptr;
  EXPECT_EQ(first.references, 1u);
  EXPECT_EQ(SysapiStandin_NotifyChange(2, names, 1), SYSAPISTANDIN_S_NONE) << "no handler left";
}
