#include "converter/files.h"

#include <filesystem>
#include <system_error>

namespace vuq {
namespace {

constexpr std::size_t kReadBufferSize = std::size_t{128} * 1024;

bool names_directory(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::is_directory(path, ignored);
}

}  // namespace

InputFile::InputFile() : buffer_(new char[kReadBufferSize]) {
  stream_.rdbuf()->pubsetbuf(buffer_.get(), static_cast<std::streamsize>(kReadBufferSize));
}

bool InputFile::open(const std::string& path) {
  // Some systems open a directory for reading and only fail on the first read.
  if (names_directory(path)) return false;
  stream_.open(path);
  return stream_.is_open();
}

bool same_file(const std::string& a, const std::string& b) {
  std::error_code ignored;
  return std::filesystem::equivalent(a, b, ignored);
}

}  // namespace vuq
