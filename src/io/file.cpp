#include "io/file.h"

#include <cstddef>
#include <utility>

namespace vuq {

std::optional<File> File::adopt(platform::Descriptor descriptor) {
  if (descriptor == platform::kNoDescriptor) return std::nullopt;
  std::optional<platform::FileInfo> info = platform::file_info(descriptor);
  if (!info) {
    platform::close_descriptor(descriptor);
    return std::nullopt;
  }
  return File(descriptor, *info);
}

std::optional<File> File::open_for_reading(const std::string& path) {
  std::optional<File> file = adopt(platform::open_for_reading(path));
  if (file && file->info_.is_directory) return std::nullopt;
  return file;
}

std::optional<File> File::open_for_writing(const std::string& path) {
  return adopt(platform::open_for_writing(path));
}

File::File(File&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, platform::kNoDescriptor)), info_(other.info_) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    close();
    descriptor_ = std::exchange(other.descriptor_, platform::kNoDescriptor);
    info_ = other.info_;
  }
  return *this;
}

File::~File() { close(); }

bool File::write(std::string_view bytes) { return platform::write_all(descriptor_, bytes); }

std::ptrdiff_t File::read(char* buffer, std::size_t size) {
  return platform::read_some(descriptor_, buffer, size);
}

bool File::close() {
  if (descriptor_ == platform::kNoDescriptor) return true;
  return platform::close_descriptor(std::exchange(descriptor_, platform::kNoDescriptor));
}

// Changes the file, not the object.
bool File::truncate() {  // NOLINT(readability-make-member-function-const)
  return !info_.is_regular || platform::truncate_file(descriptor_);
}

bool StandardOutput::write(std::string_view bytes) {
  return platform::write_all(platform::kStandardOutput, bytes);
}

std::optional<FileIdentity> StandardOutput::file_identity() {
  std::optional<platform::FileInfo> info = platform::file_info(platform::kStandardOutput);
  if (!info || !info->is_regular) return std::nullopt;
  return info->identity;
}

}  // namespace vuq
