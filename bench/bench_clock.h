#pragma once
#include <vector>

// Microseconds of CPU used by the calling thread and by the whole process, and of steady wall time.
// Frame costs are taken as CPU time so that other programs on a busy machine do not count.
double ThreadCpuMicros();
double ProcessCpuMicros();
double WallMicros();

// The sample below which the given share of the samples lie (0.5 the median, 0.99 the p99);
// 0 for no samples.
double Quantile(std::vector<double> samples, double share);
double Median(const std::vector<double>& samples);
