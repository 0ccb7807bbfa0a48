#include <gtest/gtest.h>

#include <filesystem>

#include "ThreadErrorInfo.h"
#include "ivi_standin.h"
#include "redirector/modules/ModuleRegistry.h"
#include "status/StatusCodes.h"

using namespace zumodules;
namespace fs = std::filesystem;

// The tov module appears in ZU_TEST_LATE_MODULES between two acquisitions.
TEST(MissingModule, FailsWithElaborationAndLoadsOnceInstalled) {
  const fs::path installed = fs::path(ZU_TEST_LATE_MODULES) / "libzuvexatov.so";
  fs::remove(installed);
  IviStandin_Reset();
  ModuleRegistry registry;
  const EntryPointTable *table = reinterpret_cast<const EntryPointTable *>(1);
  EXPECT_EQ(registry.Acquire(kTov, table), ZUVEXA_ERROR_MODULE_NOT_LOADED);
  EXPECT_EQ(table, nullptr);
  const testsupport::ThreadError error = testsupport::ReadThreadError();
  EXPECT_EQ(error.primary, ZUVEXA_ERROR_MODULE_NOT_LOADED);
  EXPECT_EQ(error.elaboration, "Driver Module: libzuvexatov.so.");

  fs::copy_file(ZU_TEST_TOV_MODULE, installed, fs::copy_options::overwrite_existing);
  EXPECT_EQ(registry.Acquire(kTov, table), 0) << "a failed load is retried";
  ASSERT_NE(table, nullptr);
  EXPECT_NE(table->slots.Commit, nullptr);
  fs::remove(installed);
}
