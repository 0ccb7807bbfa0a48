// The spectrum of a replayed recording, measured from its samples: a
// Gaussian window whose transform is the Gaussian resolution filter scene
// spectra assume (3 dB wide as the resolution bandwidth), transformed and
// read at each spectrum line.
#pragma once

#include <cstdint>
#include <vector>

#include "Recording.h"
#include "backend_standin.h"

namespace backendstandin {

struct RecordingLines {
  std::vector<double> powers;   // per line, relative to full scale
  bool beyondFullScale = false; // a windowed sample would clip
};

// Powers of the first `count` lines from the window starting at position
// `start` (past the end: from the beginning again when the recording loops,
// else zeros). Lines farther than rate/2 from the carrier get 0: a record
// cannot hold them.
RecordingLines MeasureRecordingLines(const Recording &recording,
                                     const BackendStandinConfiguration &configuration, uint64_t start,
                                     int32_t count);

} // namespace backendstandin
