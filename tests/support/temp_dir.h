#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <ios>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

namespace vuq::testing {

// A fresh directory that is the working directory for the life of the object.
class TempWorkingDir {
 public:
  TempWorkingDir() : previous_(std::filesystem::current_path()) {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() / ("vuq-test-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~TempWorkingDir() {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempWorkingDir(const TempWorkingDir&) = delete;
  TempWorkingDir& operator=(const TempWorkingDir&) = delete;

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

inline void write_file(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

inline std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The bytes a text file of these lines holds on this system: line feeds become CR LF on Windows.
inline std::string text_file(std::string text) {
#ifdef _WIN32
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) {
    text.insert(at, 1, '\r');
  }
#endif
  return text;
}

}  // namespace vuq::testing
