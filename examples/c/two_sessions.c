/* Two sessions used at the same time: the main thread acquires on one
 * analyzer while a second thread acquires on the other. Sessions of different
 * threads need no locking of the caller's; each session's calls are
 * serialised by its instrument module.
 *
 *   two_sessions
 *
 * It opens the simulated analyzers "Analyzer1" and "Analyzer2" of the demo
 * system configuration. */
#include <math.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>

#include "zuVEXA.h"

#define SAMPLES 2000

/* What one thread does and what it finds. */
struct acquisition {
  const char *resource;
  double carrier;
  ViStatus status;
  const char *failed_call;
  ViInt64 samples;
  double power_dbfs;
};

#define CHECK(call)                                                                                          \
  do {                                                                                                       \
    if ((job->status = (call)) < 0) {                                                                        \
      job->failed_call = #call;                                                                              \
      goto done;                                                                                             \
    }                                                                                                        \
  } while (0)

/* Opens the job's analyzer, fetches one record and closes the session. */
static void *acquire(void *argument) {
  struct acquisition *job = argument;
  static _Thread_local ViReal64 iq[2 * SAMPLES];
  WaveformInfo info = {0};
  ViSession vi = VI_NULL;
  double power = 0.0;

  CHECK(zuVEXA_InitWithOptions(job->resource, VI_FALSE, VI_FALSE, "Simulate=1", &vi));
  CHECK(zuVEXA_ConfigureIQCarrierFrequency(vi, "", job->carrier));
  CHECK(zuVEXA_ConfigureIQRate(vi, "", 1e6));
  CHECK(zuVEXA_ConfigureNumberOfSamples(vi, "", VI_TRUE, SAMPLES));
  CHECK(zuVEXA_Initiate(vi));
  CHECK(zuVEXA_FetchIQSingleRecordComplexF64(vi, "", 0, SAMPLES, 10.0, iq, &info));
  for (ViInt64 n = 0; n < info.actualSamples; ++n)
    power += iq[2 * n] * iq[2 * n] + iq[2 * n + 1] * iq[2 * n + 1];
  job->samples = info.actualSamples;
  job->power_dbfs = info.actualSamples > 0 ? 10.0 * log10(power / (double)info.actualSamples) : -INFINITY;

done:
  if (vi != VI_NULL) zuVEXA_close(vi);
  return NULL;
}

static void print(const struct acquisition *job) {
  if (job->status < 0)
    printf("%s: %s failed with status 0x%08X\n", job->resource, job->failed_call, (unsigned)job->status);
  else
    printf("%s at %.1f GHz: %lld samples, mean power %.2f dBFS\n", job->resource, job->carrier / 1e9,
           (long long)job->samples, job->power_dbfs);
}

int main(void) {
  struct acquisition first = {.resource = "Analyzer1", .carrier = 2.4e9};
  struct acquisition second = {.resource = "Analyzer2", .carrier = 5.8e9};
  pthread_t thread;

  if (pthread_create(&thread, NULL, acquire, &second) != 0) {
    fprintf(stderr, "cannot start a thread\n");
    return EXIT_FAILURE;
  }
  acquire(&first);
  pthread_join(thread, NULL);

  print(&first);
  print(&second);
  return first.status < 0 || second.status < 0 ? EXIT_FAILURE : EXIT_SUCCESS;
}
