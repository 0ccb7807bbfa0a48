// Registration of the benchmark figures, in the order of the table.
#pragma once

namespace zubench {

void RegisterForwardedCallBenches();
void RegisterThreadScalingBenches();
void RegisterFetchOpenBenches();
void RegisterPanelBenches();

} // namespace zubench
