#include "CatalogueSupport.h"

#include <cstring>

using namespace e2e;

namespace {

WaveformInfo Garbage() { return WaveformInfo{7, 7, 7, 7, 7, 7, 7, 7}; }

void ExpectDefaults(const WaveformInfo &info) {
  const WaveformInfo defaults{0, 0, 1.0, 0, 0, 1.0, 0, 0};
  EXPECT_EQ(std::memcmp(&info, &defaults, sizeof info), 0);
}

} // namespace

TEST_F(CatalogueTest, FailedFetchesStillHaveWaveformDefaults) {
  ViInt16 data[8] = {};
  WaveformInfo info = Garbage();
  EXPECT_EQ(zuVEXA_FetchIQSingleRecordComplexI16(kNeverOpened, "", 0, 4, 1.0, data, &info), kUnknownSession);
  ExpectDefaults(info);
  info = Garbage();
  EXPECT_EQ(zuVEXA_FetchIFDataSingleRecordI16(kNeverOpened, "", 0, 4, 1.0, data, &info), kUnknownSession);
  ExpectDefaults(info);
  info = Garbage();
  EXPECT_EQ(zuVEXA_FetchIQSingleRecordDirectDMA(kNeverOpened, "", 0, 4, 1.0, sizeof data, data, &info, nullptr),
            kUnknownSession);
  ExpectDefaults(info);

  ViReal32 floats[8] = {};
  info = Garbage();
  EXPECT_EQ(zuVEXA_FetchIQSingleRecordComplexF32(kNeverOpened, "", 0, 4, 1.0, floats, &info), kUnknownSession);
  EXPECT_EQ(info.gain, 7.0) << "other fetches leave the record to the module";
}
