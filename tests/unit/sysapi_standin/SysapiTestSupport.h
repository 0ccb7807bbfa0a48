// Common set-up of the system configuration stand-in tests: a configuration
// file, a framework, and the search the device lookup performs.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "dvlShared/sysapi/SysapiInterfaces.h"
#include "sysapi_standin.h"

extern "C" sysapi::SysStatus zusysInstantiateFramework(sysapi::ISysFramework **framework);

inline std::wstring TextOf(wchar_t *sysText) {
  std::wstring text(sysText, sysapi::SysTextLength(sysText));
  sysapi::FreeSysText(sysText);
  return text;
}

class SysapiStandinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    configPath_ = ::testing::TempDir() + "sysapi_standin_" + std::to_string(getpid()) + ".conf";
    WriteConfig(
        "# test devices\n"
        "expert zu-vexa\n"
        "expert pimlo\n"
        "device Dev1 alias=Bench productId=0x1C02 simulated=0 backend=PXI1Slot2\n"
        "device Dev2 alias=Shared productId=0x1C03 simulated=1\n"
        "device Dev3 alias=Shared productId=0x1C04 hidden=1\n"
        "device Dev4 productId=0x1C05 excluded=1 hidden=0\n");
    setenv("ZUVEXA_SYSAPI_CONFIG", configPath_.c_str(), 1);
    SysapiStandin_Reset();
    ASSERT_EQ(zusysInstantiateFramework(&framework_), 0);
    ASSERT_NE(framework_, nullptr);
  }

  void TearDown() override {
    ReleaseFramework();
    EXPECT_EQ(SysapiStandin_LiveObjectCount(), 0) << "an object of the stand-in was leaked or over-held";
    unsetenv("ZUVEXA_SYSAPI_CONFIG");
    std::remove(configPath_.c_str());
    SysapiStandin_Reset();
  }

  void ReleaseFramework() {
    if (framework_ != nullptr) framework_->Release();
    framework_ = nullptr;
  }

  void WriteConfig(const std::string &text) { std::ofstream(configPath_) << text; }

  // The resources whose name or alias is `name`, as the device lookup finds
  // them: search, then filter the collection again into an enumerator.
  // Returns the search status; the caller releases the resources.
  sysapi::SysStatus Search(const wchar_t *name, std::vector<sysapi::ISysResource *> &found) {
    sysapi::ISysFilter *filter = nullptr;
    EXPECT_EQ(framework_->CreateFilter(&filter), 0);
    EXPECT_EQ(filter->SetTextProperty(sysapi::kPropResourceName, name), 0);
    EXPECT_EQ(filter->SetTextProperty(sysapi::kPropAlias, name), 0);
    sysapi::IUnknownLike *collection = nullptr;
    const sysapi::SysStatus status = framework_->FindResources(L"//localhost/zu-vexa", 2, filter, &collection);
    if (status == 0) Enumerate(collection, filter, found);
    if (collection != nullptr) collection->Release();
    filter->Release();
    return status;
  }

  // Resource names of a search, resources released.
  std::vector<std::wstring> NamesFound(const wchar_t *name) {
    std::vector<sysapi::ISysResource *> found;
    Search(name, found);
    std::vector<std::wstring> names;
    for (auto *resource : found) {
      wchar_t *text = nullptr;
      EXPECT_EQ(resource->GetTextProperty(sysapi::kPropResourceName, &text), 0);
      names.push_back(TextOf(text));
      resource->Release();
    }
    return names;
  }

  sysapi::ISysFramework *framework_ = nullptr;
  std::string configPath_;

 private:
  static void Enumerate(sysapi::IUnknownLike *collection, sysapi::ISysFilter *filter,
                        std::vector<sysapi::ISysResource *> &found) {
    ASSERT_EQ(filter->Reset(), 0);
    ASSERT_EQ(filter->SetIntegerProperty(sysapi::kPropSecondFilter, 0), 0);
    sysapi::ISysFilterableCollection *filterable = nullptr;
    ASSERT_EQ(collection->QueryInterface(sysapi::kIidFilterableCollection, reinterpret_cast<void **>(&filterable)), 0);
    sysapi::ISysEnumerator *items = nullptr;
    ASSERT_EQ(filterable->Filter(3, filter, &items), 0);
    filterable->Release();
    void *item = nullptr;
    uint32_t fetched = 0;
    while (items->Next(1, &item, &fetched) == 0) {
      EXPECT_EQ(fetched, 1u);
      found.push_back(static_cast<sysapi::ISysResource *>(item));
    }
    EXPECT_EQ(fetched, 0u);
    items->Release();
  }
};
