// Runs a fuzz target without libFuzzer: every file named, and every file in every folder named,
// goes through the target once, in name order. `make test` replays the seeds and the stored
// findings this way, so every past finding is tried again on every run.
#include <algorithm>
#include <boost/filesystem.hpp>
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = boost::filesystem;

namespace {
std::vector<fs::path> InputsIn(const fs::path& named) {
  std::vector<fs::path> inputs;
  if (!fs::is_directory(named)) {
    inputs.push_back(named);
    return inputs;
  }
  for (fs::directory_iterator it(named), end; it != end; ++it) {
    if (fs::is_regular_file(it->path())) inputs.push_back(it->path());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}
}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const fs::path named = fs::absolute(argv[i]);
    if (!fs::exists(named)) {
      std::cerr << "replay: " << named << " does not exist" << std::endl;
      return 1;
    }
    for (const fs::path& input : InputsIn(named)) inputs.push_back(input);
  }
  LLVMFuzzerInitialize(&argc, &argv);
  for (const fs::path& input : inputs) {
    const std::string bytes = ReadWhole(input.string());
    std::cerr << "replay: " << input.string() << std::endl;
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
  std::cout << "replay: " << inputs.size() << " inputs ran cleanly" << std::endl;
  return inputs.empty() ? 1 : 0;
}
