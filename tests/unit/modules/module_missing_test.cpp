#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ivi_standin.h"
#include "platform/IviEngine.h"
#include "redirector/modules/ModuleRegistry.h"
#include "status/StatusCodes.h"

using namespace zumodules;
namespace fs = std::filesystem;

// The loader searches only ZU_TEST_LATE_MODULES; the tov module appears
// there between two acquisitions.
TEST(MissingModule, FailsWithElaborationAndLoadsOnceInstalled) {
  fs::path installed = fs::path(ZU_TEST_LATE_MODULES) / "libzuvexatov.so";
  fs::remove(installed);
  IviStandin_Reset();

  ModuleRegistry registry;
  const EntryPointTable *table = reinterpret_cast<const EntryPointTable *>(1);
  EXPECT_EQ(registry.Acquire(kTov, table), ZUVEXA_ERROR_MODULE_NOT_LOADED);
  EXPECT_EQ(table, nullptr);
  ViInt32 primary = 0;
  char elaboration[256] = {};
  Ivi_GetAttributeViInt32(0, "", IVI_ATTR_PRIMARY_ERROR, 0, &primary);
  Ivi_GetAttributeViString(0, "", IVI_ATTR_ERROR_ELABORATION, 0, sizeof elaboration, elaboration);
  EXPECT_EQ(primary, ZUVEXA_ERROR_MODULE_NOT_LOADED);
  EXPECT_STREQ(elaboration, "Driver Module: libzuvexatov.so.");

  fs::copy_file(ZU_TEST_TOV_MODULE, installed, fs::copy_options::overwrite_existing);
  EXPECT_EQ(registry.Acquire(kTov, table), 0) << "a failed load is retried";
  ASSERT_NE(table, nullptr);
  EXPECT_NE(table->slots.Commit, nullptr);
  fs::remove(installed);
}
