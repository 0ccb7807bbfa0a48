// Finding devices and reading their properties through the framework.
#include "SysapiTestSupport.h"

using ::testing::ElementsAre;
using sysapi::ISysResource;

namespace {

ISysResource *ResourceNamed(sysapi::ISysFramework *framework, const wchar_t *name) {
  wchar_t *prefixed = sysapi::AllocSysText(name, static_cast<uint32_t>(std::wcslen(name)));
  ISysResource *resource = nullptr;
  EXPECT_EQ(framework->GetResourceByName(prefixed, &resource), 0);
  sysapi::FreeSysText(prefixed);
  return resource;
}

}  // namespace

TEST_F(SysapiStandinTest, FindsDeviceByNameOrAliasIgnoringCase) {
  EXPECT_THAT(NamesFound(L"Dev1"), ElementsAre(L"Dev1"));
  EXPECT_THAT(NamesFound(L"bench"), ElementsAre(L"Dev1"));
  EXPECT_THAT(NamesFound(L"DEV2"), ElementsAre(L"Dev2"));
}

TEST_F(SysapiStandinTest, EnumeratesEveryDeviceSharingAnAliasIncludingHiddenOnes) {
  EXPECT_THAT(NamesFound(L"Shared"), ElementsAre(L"Dev2", L"Dev3"));
}

TEST_F(SysapiStandinTest, SearchWithoutMatchIsPositiveAndYieldsNoCollection) {
  sysapi::ISysFilter *filter = nullptr;
  ASSERT_EQ(framework_->CreateFilter(&filter), 0);
  ASSERT_EQ(filter->SetTextProperty(sysapi::kPropResourceName, L"Nowhere"), 0);
  sysapi::IUnknownLike *collection = reinterpret_cast<sysapi::IUnknownLike *>(filter);
  EXPECT_GT(framework_->FindResources(L"//localhost/zu-vexa", 2, filter, &collection), 0);
  EXPECT_EQ(collection, nullptr);
  // The name matches a device only as a prefix: no match either.
  ASSERT_EQ(filter->SetTextProperty(sysapi::kPropResourceName, L"Dev"), 0);
  EXPECT_GT(framework_->FindResources(L"//localhost/zu-vexa", 2, filter, &collection), 0);
  filter->Release();
}

TEST_F(SysapiStandinTest, RejectsModesAndIdentifiersTheLookupNeverUses) {
  sysapi::ISysFilter *filter = nullptr;
  ASSERT_EQ(framework_->CreateFilter(&filter), 0);
  EXPECT_LT(filter->SetTextProperty(sysapi::kPropBackendResource, L"x"), 0);
  EXPECT_LT(filter->SetIntegerProperty(sysapi::kPropProductId, 0), 0);
  EXPECT_EQ(filter->SetTextProperty(sysapi::kPropResourceName, nullptr), sysapi::kNullPointer);
  sysapi::IUnknownLike *collection = nullptr;
  EXPECT_LT(framework_->FindResources(L"//localhost/zu-vexa", 1, filter, &collection), 0);
  EXPECT_EQ(framework_->FindResources(L"//localhost/zu-vexa", 2, nullptr, &collection), sysapi::kNullPointer);
  EXPECT_EQ(filter->Reserved3(), sysapi::kFailure);
  filter->Release();
}

TEST_F(SysapiStandinTest, CollectionAnswersOnlyItsInterfaces) {
  sysapi::ISysFilter *filter = nullptr;
  ASSERT_EQ(framework_->CreateFilter(&filter), 0);
  sysapi::IUnknownLike *collection = nullptr;
  ASSERT_EQ(framework_->FindResources(L"//localhost/zu-vexa", 2, filter, &collection), 0);
  void *other = filter;
  EXPECT_EQ(collection->QueryInterface(sysapi::kIidNotificationHandler, &other), sysapi::kNoInterface);
  EXPECT_EQ(other, nullptr);
  void *unknown = nullptr;
  ASSERT_EQ(collection->QueryInterface(sysapi::kIidUnknown, &unknown), 0);
  EXPECT_EQ(unknown, collection);
  static_cast<sysapi::IUnknownLike *>(unknown)->Release();
  collection->Release();
  filter->Release();
}

TEST_F(SysapiStandinTest, PropertiesReadAsConfigured) {
  ISysResource *dev1 = ResourceNamed(framework_, L"Dev1");
  ASSERT_NE(dev1, nullptr);
  uint32_t productId = 0;
  EXPECT_EQ(dev1->GetUInt32Property(sysapi::kPropProductId, &productId), 0);
  EXPECT_EQ(productId, 0x1C02u);
  int32_t simulated = -1;
  EXPECT_EQ(dev1->GetInt32Property(sysapi::kPropIsSimulated, &simulated), 0);
  EXPECT_EQ(simulated, 0);
  wchar_t *text = nullptr;
  ASSERT_EQ(dev1->GetTextProperty(sysapi::kPropBackendResource, &text), 0);
  EXPECT_EQ(TextOf(text), L"PXI1Slot2");
  ASSERT_EQ(dev1->GetTextProperty(sysapi::kPropAlias, &text), 0);
  EXPECT_EQ(TextOf(text), L"Bench");
  EXPECT_LT(dev1->GetInt32Property(sysapi::kPropResourceName, &simulated), 0);
  EXPECT_LT(dev1->GetTextProperty(sysapi::kPropProductId, &text), 0);
  dev1->Release();
}

TEST_F(SysapiStandinTest, AbsentPropertiesAnswerPositivePresenceAndAbsentStatus) {
  ISysResource *dev2 = ResourceNamed(framework_, L"Dev2");
  ASSERT_NE(dev2, nullptr);
  // Presence answers are never negative: the lookup treats negative as failure.
  EXPECT_GT(dev2->QueryPresence(sysapi::kPropHidden), 0);
  EXPECT_GT(dev2->QueryPresence(sysapi::kPropExcluded), 0);
  EXPECT_GT(dev2->QueryPresence(sysapi::kPropBackendResource), 0);
  wchar_t *text = reinterpret_cast<wchar_t *>(dev2);
  EXPECT_EQ(dev2->GetTextProperty(sysapi::kPropBackendResource, &text), sysapi::kPropertyAbsent);
  EXPECT_EQ(text, nullptr);
  int32_t value = 0;
  EXPECT_EQ(dev2->GetInt32Property(sysapi::kPropHidden, &value), sysapi::kPropertyAbsent);
  dev2->Release();
}

TEST_F(SysapiStandinTest, HiddenAndExcludedDevicesCarryTheirMarkers) {
  ISysResource *dev3 = ResourceNamed(framework_, L"Dev3");
  ISysResource *dev4 = ResourceNamed(framework_, L"Dev4");
  ASSERT_TRUE(dev3 != nullptr && dev4 != nullptr);
  int32_t hidden = 0;
  EXPECT_EQ(dev3->QueryPresence(sysapi::kPropHidden), 0);
  EXPECT_EQ(dev3->GetInt32Property(sysapi::kPropHidden, &hidden), 0);
  EXPECT_EQ(hidden, 1);
  EXPECT_GT(dev3->QueryPresence(sysapi::kPropExcluded), 0);
  EXPECT_EQ(dev4->QueryPresence(sysapi::kPropExcluded), 0);
  EXPECT_EQ(dev4->GetInt32Property(sysapi::kPropHidden, &hidden), 0);
  EXPECT_EQ(hidden, 0);
  dev3->Release();
  dev4->Release();
}

TEST_F(SysapiStandinTest, ResourceByNameUsesTheLastPathComponent) {
  ISysResource *resource = ResourceNamed(framework_, L"//host/dev4");
  ASSERT_NE(resource, nullptr);
  wchar_t *text = nullptr;
  ASSERT_EQ(resource->GetTextProperty(sysapi::kPropResourceName, &text), 0);
  EXPECT_EQ(TextOf(text), L"Dev4");
  resource->Release();

  wchar_t *missing = sysapi::AllocSysText(L"//host/Dev9", 11);
  EXPECT_EQ(framework_->GetResourceByName(missing, &resource), SYSAPISTANDIN_E_NOT_FOUND);
  EXPECT_EQ(resource, nullptr);
  // A prefix that disagrees with the text is refused, not read past.
  reinterpret_cast<uint32_t *>(missing)[-1] = 3;
  EXPECT_EQ(framework_->GetResourceByName(missing, &resource), SYSAPISTANDIN_E_INVALID_ARGUMENT);
  sysapi::FreeSysText(missing);
}

TEST_F(SysapiStandinTest, ExpertsAnswerOnlyForLocalhostPaths) {
  sysapi::IUnknownLike *expert = nullptr;
  ASSERT_EQ(framework_->GetExpert(L"//localhost/zu-vexa", &expert), 0);
  ASSERT_NE(expert, nullptr);
  expert->Release();
  EXPECT_EQ(framework_->GetExpert(L"//localhost/pimlo", &expert), 0);
  expert->Release();
  EXPECT_EQ(framework_->GetExpert(L"//localhost/zu-lem", &expert), sysapi::kNoSuchExpert);
  EXPECT_EQ(expert, nullptr);
  EXPECT_EQ(framework_->GetExpert(L"//otherhost/zu-vexa", &expert), sysapi::kNoSuchExpert);
  EXPECT_EQ(framework_->GetExpert(L"zu-vexa", &expert), sysapi::kNoSuchExpert);
  EXPECT_EQ(framework_->GetExpert(L"//localhost/", &expert), sysapi::kNoSuchExpert);
}

TEST_F(SysapiStandinTest, EnumeratorDeliversSeveralItemsAtOnceAndReportsTheShortfall) {
  sysapi::ISysFilter *filter = nullptr;
  ASSERT_EQ(framework_->CreateFilter(&filter), 0);
  sysapi::IUnknownLike *collection = nullptr;
  ASSERT_EQ(framework_->FindResources(L"//localhost/zu-vexa", 2, filter, &collection), 0);
  sysapi::ISysFilterableCollection *filterable = nullptr;
  ASSERT_EQ(collection->QueryInterface(sysapi::kIidFilterableCollection, reinterpret_cast<void **>(&filterable)), 0);
  sysapi::ISysEnumerator *items = nullptr;
  ASSERT_EQ(filterable->Filter(3, filter, &items), 0);
  void *batch[3] = {};
  uint32_t fetched = 0;
  EXPECT_EQ(items->Next(3, batch, &fetched), 0);
  EXPECT_EQ(fetched, 3u);
  for (void *item : batch) static_cast<ISysResource *>(item)->Release();
  EXPECT_EQ(items->Next(3, batch, &fetched), SYSAPISTANDIN_S_NONE);
  EXPECT_EQ(fetched, 1u);
  static_cast<ISysResource *>(batch[0])->Release();
  EXPECT_EQ(batch[1], nullptr);
  EXPECT_EQ(items->Next(2, batch, nullptr), sysapi::kNullPointer);
  items->Release();
  filterable->Release();
  collection->Release();
  filter->Release();
}
