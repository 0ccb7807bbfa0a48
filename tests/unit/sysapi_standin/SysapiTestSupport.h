// Common set-up of the system configuration stand-in tests: a configuration
// file, a framework, and the search the device lookup performs.
#pragma once

#include <gmock/gmock.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "dvlShared/sysapi/SysapiInterfaces.h"
#include "sysapi_standin.h"

extern "C" sysapi::SysStatus zusysInstantiateFramework(sysapi::ISysFramework **framework);

using ::testing::ElementsAre;
using ::testing::IsEmpty;

inline std::wstring TextOf(wchar_t *sysText) {
  std::wstring text(sysText, sysapi::SysTextLength(sysText));
  sysapi::FreeSysText(sysText);
  return text;
}

class SysapiStandinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteConfig("expert zu-vexa\nexpert pimlo\n"
                "device Dev1 alias=Bench productId=0x1C02 simulated=0 backend=PXI1Slot2\n"
                "device Dev2 alias=Shared productId=0x1C03 simulated=1\n"
                "device Dev3 alias=Shared productId=0x1C04 hidden=1\n"
                "device Dev4 productId=0x1C05 excluded=1 hidden=0\n");
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

  void WriteConfig(const std::string &text) { std::ofstream(configPath_) << text; }

  // Names of the resources whose name or alias is `name`, found as the device
  // lookup finds them: search, then filter the collection into an enumerator.
  std::vector<std::wstring> NamesFound(const wchar_t *name, sysapi::SysStatus *status = nullptr) {
    sysapi::ISysFilter *filter = nullptr;
    EXPECT_EQ(framework_->CreateFilter(&filter), 0);
    filter->SetTextProperty(sysapi::kPropResourceName, name);
    filter->SetTextProperty(sysapi::kPropAlias, name);
    sysapi::IUnknownLike *collection = nullptr;
    const sysapi::SysStatus found = framework_->FindResources(L"//localhost/zu-vexa", 2, filter, &collection);
    if (status != nullptr) *status = found;
    EXPECT_EQ(collection != nullptr, found == 0) << "a collection exactly when something was found";
    std::vector<std::wstring> names;
    if (found == 0) {
      EXPECT_EQ(filter->Reset(), 0);
      EXPECT_EQ(filter->SetIntegerProperty(sysapi::kPropSecondFilter, 0), 0);
      sysapi::ISysFilterableCollection *filterable = nullptr;
      EXPECT_EQ(collection->QueryInterface(sysapi::kIidFilterableCollection, reinterpret_cast<void **>(&filterable)), 0);
      sysapi::ISysEnumerator *items = nullptr;
      EXPECT_EQ(filterable->Filter(3, filter, &items), 0);
      void *item = nullptr;
      uint32_t fetched = 0;
      while (items->Next(1, &item, &fetched) == 0) {
        wchar_t *text = nullptr;
        EXPECT_EQ(static_cast<sysapi::ISysResource *>(item)->GetTextProperty(sysapi::kPropResourceName, &text), 0);
        names.push_back(TextOf(text));
        static_cast<sysapi::ISysResource *>(item)->Release();
      }
      items->Release();
      filterable->Release();
      collection->Release();
    }
    filter->Release();
    return names;
  }

  sysapi::ISysFramework *framework_ = nullptr;
  std::string configPath_ = ::testing::TempDir() + "sysapi_standin_" + std::to_string(getpid()) + ".conf";
};
