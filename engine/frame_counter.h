#pragma once

// Counts one frame on `counter`; true, with the counter started again, once `period` frames have
// been counted. Every animation and delay that is timed in frames steps with it.
inline bool StepDue(int& counter, int period) {
  if (++counter < period) return false;
  counter = 0;
  return true;
}
