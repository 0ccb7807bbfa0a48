#include "Interrupts.h"

#include <csignal>
#include <initializer_list>

namespace zuvexacli {

namespace {

volatile std::sig_atomic_t pendingSignal = 0;

extern "C" void NoteSignal(int signal) { pendingSignal = signal; }

} // namespace

void CatchInterrupts() {
  struct sigaction action = {};
  action.sa_handler = NoteSignal;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM}) sigaction(signal, &action, nullptr);
}

int PendingInterrupt() { return pendingSignal; }

const char *SignalName(int signal) {
  return signal == SIGINT ? "SIGINT" : signal == SIGTERM ? "SIGTERM" : "a signal";
}

} // namespace zuvexacli
