// SIGINT and SIGTERM for the long-running commands: the handler only notes
// the signal; the command looks between records (or while it waits for a
// child) and ends cleanly.
#pragma once

namespace zuvexacli {

// Installs the handler (without SA_RESTART, so a blocking wait returns).
void CatchInterrupts();
// The signal noted so far, or 0.
int PendingInterrupt();
// 128 + signal, as shells report a process ended by it.
inline int InterruptExitCode(int signal) { return 128 + signal; }
// "SIGINT", "SIGTERM".
const char *SignalName(int signal);

} // namespace zuvexacli
