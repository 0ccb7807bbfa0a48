#include "SessionGate.h"

namespace zuvexasoapy {

SessionGate::ControlHold::ControlHold(SessionGate &gate) : gate_(gate) {
  ++gate_.waiting_;
  gate_.mutex_.lock();
  --gate_.waiting_;
}

SessionGate::ControlHold::~ControlHold() {
  gate_.mutex_.unlock();
  gate_.changed_.notify_all();
}

} // namespace zuvexasoapy
