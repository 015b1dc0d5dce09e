// Runs the line loop with every directive on an input split at the first 0x1E byte into a
// source and the file that VUQ_Import(imp) reads. Output and console stay in memory; the output
// refuses to grow past a limit, so that large photo counts end through the write-failure path.
// Checks that nothing is written after a write has failed, and that the same input converts to
// the same output and console twice.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ios>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "directives/line_loop.h"
#include "io/channels.h"
#include "io/output_file.h"
#include "io/report.h"

namespace {

void check(bool promise) {
  if (!promise) std::abort();
}

// Keeps bytes up to a limit, then fails the write, as a full disk does; the writer must not
// try again.
class BoundedSink : public vuq::ByteSink {
 public:
  explicit BoundedSink(std::size_t limit) : limit_(limit) {}
  bool write(std::string_view bytes) override {
    check(!failed_);
    if (bytes.size() > limit_ - text.size()) {
      failed_ = true;
      return false;
    }
    text.append(bytes);
    return true;
  }
  std::string text;

 private:
  std::size_t limit_;
  bool failed_ = false;
};

class TextSource : public vuq::ByteSource {
 public:
  explicit TextSource(std::string_view text) : text_(text) {}
  std::ptrdiff_t read(char* buffer, std::size_t size) override {
    const std::size_t count = std::min(size, text_.size());
    std::copy_n(text_.data(), count, buffer);
    text_.remove_prefix(count);
    return static_cast<std::ptrdiff_t>(count);
  }

 private:
  std::string_view text_;
};

class KeepingSink : public vuq::ByteSink {
 public:
  bool write(std::string_view bytes) override {
    text.append(bytes);
    return true;
  }
  std::string text;
};

// The output and the console of one conversion.
std::pair<std::string, std::string> convert(std::string_view source_text) {
  TextSource source(source_text);
  BoundedSink output(1 << 16);
  KeepingSink console;
  vuq::Report report(console);
  vuq::OutputFile out(output, "HTML//fuzz.html", report);
  vuq::convert_lines(source, "fuzz.txt", out, report);
  return {output.text, console.text};
}

// A private folder for the imported file, made once per process; it is the working directory
// only while an input runs, so libFuzzer's own relative paths keep working.
class ScratchDir {
 public:
  ScratchDir()
      : path_(std::filesystem::temp_directory_path() /
              ("vuq-fuzz-" + std::to_string(std::random_device()()))) {
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

class WorkingDirIn {
 public:
  explicit WorkingDirIn(const std::filesystem::path& path)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~WorkingDirIn() { std::filesystem::current_path(previous_); }
  WorkingDirIn(const WorkingDirIn&) = delete;
  WorkingDirIn& operator=(const WorkingDirIn&) = delete;

 private:
  std::filesystem::path previous_;
};

// Devices and kernel files test the machine, not the converter (an endless /dev/zero line).
bool names_system_files(std::string_view input) {
  const std::string_view system_folders[] = {"/dev", "/proc", "/sys"};
  return std::any_of(std::begin(system_folders), std::end(system_folders),
                     [&](std::string_view folder) { return input.find(folder) != input.npos; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ScratchDir scratch;
  const WorkingDirIn in_scratch(scratch.path());
  std::string_view input(reinterpret_cast<const char*>(data), size);
  if (names_system_files(input)) return 0;
  std::size_t split = input.find('\x1e');
  std::string_view imported = split == std::string_view::npos ? "" : input.substr(split + 1);
  std::ofstream("imp", std::ios::binary)
      .write(imported.data(), static_cast<std::streamsize>(imported.size()));

  const std::string_view source = input.substr(0, split);
  check(convert(source) == convert(source));
  return 0;
}
