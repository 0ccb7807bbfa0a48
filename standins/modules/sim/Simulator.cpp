#include "Simulator.h"

namespace backendstandin {

Simulator &TheSimulator() {
  static Simulator *const simulator = new Simulator;
  return *simulator;
}

} // namespace backendstandin
