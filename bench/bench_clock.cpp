#include "bench_clock.h"

#include <time.h>

#include <algorithm>
#include <cmath>

namespace {
double Micros(clockid_t clock) {
  timespec now;
  clock_gettime(clock, &now);
  return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}
}  // namespace

double ThreadCpuMicros() { return Micros(CLOCK_THREAD_CPUTIME_ID); }
double ProcessCpuMicros() { return Micros(CLOCK_PROCESS_CPUTIME_ID); }
double WallMicros() { return Micros(CLOCK_MONOTONIC); }

double Quantile(std::vector<double> samples, double share) {
  if (samples.empty()) return 0;
  const size_t rank = static_cast<size_t>(std::ceil(share * samples.size()));
  const size_t index = std::min(samples.size() - 1, rank > 0 ? rank - 1 : 0);
  std::nth_element(samples.begin(), samples.begin() + index, samples.end());
  return samples[index];
}

double Median(const std::vector<double>& samples) { return Quantile(samples, 0.5); }
