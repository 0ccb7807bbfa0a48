// Finding devices and experts, reading device properties, run-time changes
// and change notifications of the system configuration stand-in.
#include <atomic>
#include <memory>
#include <thread>

#include "SysapiTestSupport.h"

using namespace sysapi;

namespace {

using Resource = std::unique_ptr<ISysResource, decltype([](ISysResource *r) { r->Release(); })>;

Resource ResourceNamed(ISysFramework *framework, const wchar_t *name) {
  wchar_t *prefixed = AllocSysText(name, static_cast<uint32_t>(std::wcslen(name)));
  ISysResource *resource = nullptr;
  EXPECT_EQ(framework->GetResourceByName(prefixed, &resource), 0) << name;
  FreeSysText(prefixed);
  return Resource(resource);
}

// Records the names it is told; answers `answer`.
class RecordingHandler final : public INotificationHandler {
 public:
  SysStatus QueryInterface(const Guid &, void **object) override {
    *object = nullptr;
    return kNoInterface;
  }
  uint32_t AddRef() override { return ++references; }
  uint32_t Release() override { return --references; }  // lives on the test's stack
  SysStatus Notify(void *, uint32_t kind, ISysEnumerator *names) override {
    lastKind = kind;
    thread = std::this_thread::get_id();
    void *item = nullptr;
    uint32_t fetched = 0;
    while (names->Next(1, &item, &fetched) == 0) received.push_back(TextOf(static_cast<wchar_t *>(item)));
    return answer;
  }

  std::atomic<uint32_t> references{1};
  uint32_t lastKind = 0;
  std::thread::id thread;
  std::vector<std::wstring> received;
  SysStatus answer = 0;
};

}  // namespace

TEST_F(SysapiStandinTest, FindsEveryDeviceWhoseNameOrAliasMatchesIgnoringCase) {
  EXPECT_THAT(NamesFound(L"Dev1"), ElementsAre(L"Dev1"));
  EXPECT_THAT(NamesFound(L"bench"), ElementsAre(L"Dev1"));
  EXPECT_THAT(NamesFound(L"Shared"), ElementsAre(L"Dev2", L"Dev3")) << "hidden ones included";
  SysStatus status = 0;
  EXPECT_THAT(NamesFound(L"Dev", &status), IsEmpty()) << "a prefix is no match";
  EXPECT_GT(status, 0) << "no match is a positive status";
}

TEST_F(SysapiStandinTest, PropertiesReadAsConfiguredOrAnswerAbsent) {
  Resource dev1 = ResourceNamed(framework_, L"Dev1");
  Resource dev2 = ResourceNamed(framework_, L"//host/dev2");  // the last path component names it
  Resource dev3 = ResourceNamed(framework_, L"Dev3"), dev4 = ResourceNamed(framework_, L"Dev4");
  ASSERT_TRUE(dev1 && dev2 && dev3 && dev4);
  uint32_t productId = 0;
  EXPECT_EQ(dev1->GetUInt32Property(kPropProductId, &productId), 0);
  EXPECT_EQ(productId, 0x1C02u);
  int32_t value = -1;
  EXPECT_EQ(dev2->GetInt32Property(kPropIsSimulated, &value), 0);
  EXPECT_EQ(value, 1);
  EXPECT_EQ(dev3->GetInt32Property(kPropHidden, &value), 0);
  EXPECT_EQ(value, 1);
  EXPECT_EQ(dev2->GetInt32Property(kPropHidden, &value), kPropertyAbsent);
  wchar_t *text = nullptr;
  ASSERT_EQ(dev1->GetTextProperty(kPropBackendResource, &text), 0);
  EXPECT_EQ(TextOf(text), L"PXI1Slot2");
  ASSERT_EQ(dev2->GetTextProperty(kPropResourceName, &text), 0);
  EXPECT_EQ(TextOf(text), L"Dev2");
  EXPECT_EQ(dev2->GetTextProperty(kPropBackendResource, &text), kPropertyAbsent);
  EXPECT_EQ(text, nullptr);
  // Presence: 0 present, positive absent; the lookup treats negative as failure.
  EXPECT_GT(dev2->QueryPresence(kPropHidden), 0);
  EXPECT_EQ(dev3->QueryPresence(kPropHidden), 0);
  EXPECT_GT(dev3->QueryPresence(kPropExcluded), 0);
  EXPECT_EQ(dev4->QueryPresence(kPropExcluded), 0);
}

TEST_F(SysapiStandinTest, UnknownResourceOrAMisstatedLengthIsRefused) {
  wchar_t *missing = AllocSysText(L"//host/Dev9", 11);
  ISysResource *resource = nullptr;
  EXPECT_EQ(framework_->GetResourceByName(missing, &resource), SYSAPISTANDIN_E_NOT_FOUND);
  EXPECT_EQ(resource, nullptr);
  reinterpret_cast<uint32_t *>(missing)[-1] = 3;  // disagrees with the text: refused, not read past
  EXPECT_EQ(framework_->GetResourceByName(missing, &resource), SYSAPISTANDIN_E_INVALID_ARGUMENT);
  FreeSysText(missing);
}

TEST_F(SysapiStandinTest, ExpertsAnswerOnlyForLocalhostPaths) {
  IUnknownLike *expert = nullptr;
  ASSERT_EQ(framework_->GetExpert(L"//localhost/pimlo", &expert), 0);
  expert->Release();
  for (const wchar_t *absent : {L"//localhost/zu-lem", L"//otherhost/zu-vexa", L"zu-vexa", L"//localhost/"}) {
    EXPECT_EQ(framework_->GetExpert(absent, &expert), kNoSuchExpert) << absent;
    EXPECT_EQ(expert, nullptr);
  }
}

TEST_F(SysapiStandinTest, RunTimeChangesOutliveRereadingTheFileUntilReset) {
  SysapiStandinDevice dev9{"Dev9", "Bench", nullptr, 0x1C02, 0, SYSAPISTANDIN_NO_VALUE, 0};
  ASSERT_EQ(SysapiStandin_AddDevice(&dev9), 0);
  EXPECT_EQ(SysapiStandin_RemoveDevice("dev2"), 0);
  WriteConfig("device Dev1 alias=Bench\ndevice Dev2\ndevice Dev7\n");
  ISysFramework *second = nullptr;
  ASSERT_EQ(zusysInstantiateFramework(&second), 0);  // reads the file again
  second->Release();
  EXPECT_THAT(NamesFound(L"Bench"), ElementsAre(L"Dev1", L"Dev9"));
  EXPECT_THAT(NamesFound(L"Dev2"), IsEmpty());
  EXPECT_THAT(NamesFound(L"Dev7"), ElementsAre(L"Dev7"));
  SysapiStandin_Reset();
  EXPECT_THAT(NamesFound(L"Bench"), ElementsAre(L"Dev1"));
  EXPECT_THAT(NamesFound(L"Dev2"), ElementsAre(L"Dev2"));
}

TEST_F(SysapiStandinTest, NotificationReachesEveryFrameworksHandlersOnAnotherThread) {
  ISysFramework *second = nullptr;
  ASSERT_EQ(zusysInstantiateFramework(&second), 0);
  RecordingHandler first, other;
  ASSERT_EQ(framework_->RegisterNotificationHandler(L"//localhost/zu-vexa", &first, 0), 0);
  ASSERT_EQ(second->RegisterNotificationHandler(L"//localhost/zu-vexa", &other, 0), 0);
  EXPECT_EQ(first.references, 2u);
  const char *names[] = {"//localhost/dev3", "Dev1"};
  EXPECT_EQ(SysapiStandin_NotifyChange(5, names, 2), 0);
  EXPECT_EQ(first.lastKind, 5u);
  EXPECT_THAT(first.received, ElementsAre(L"//localhost/dev3", L"Dev1"));
  EXPECT_NE(first.thread, std::this_thread::get_id());
  EXPECT_THAT(other.received, ElementsAre(L"//localhost/dev3", L"Dev1"));

  other.answer = kOutOfMemory;
  EXPECT_EQ(SysapiStandin_NotifyChange(2, nullptr, 0), kOutOfMemory) << "a handler's failure comes back";
  second->Release();
  EXPECT_EQ(other.references, 1u) << "released with its framework";
  framework_->Release();
  framework_ = nullptr;
  EXPECT_EQ(first.references, 1u);
  EXPECT_EQ(SysapiStandin_NotifyChange(2, names, 1), SYSAPISTANDIN_S_NONE) << "no handler left";
}
