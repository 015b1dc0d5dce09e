// Runs a fuzz target once over every file of the given corpus folders, so that an ordinary
// build checks that the corpus still passes.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ios>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> inputs;
  for (int i = 1; i < argc; ++i) {
    for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
      if (entry.is_regular_file()) inputs.push_back(std::filesystem::absolute(entry.path()));
    }
  }
  if (inputs.empty()) {
    std::cerr << "no corpus files found\n";
    return 1;
  }
  for (const auto& path : inputs) {
    std::ifstream in(path, std::ios::binary);
    std::string data(std::istreambuf_iterator<char>(in), {});
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
  }
  std::cout << inputs.size() << " corpus inputs replayed\n";
  return 0;
}
