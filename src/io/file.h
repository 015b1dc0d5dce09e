#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "io/channels.h"
#include "io/platform.h"

namespace vuq {

using platform::FileIdentity;

// An open file of the operating system. It is closed when the object goes, if not before.
class File final : public ByteSink, public ByteSource {
 public:
  // The file opened for reading; none when it cannot be opened or is a directory (which some
  // systems open, only to fail on the first read).
  static std::optional<File> open_for_reading(const std::string& path);
  // The file opened for writing, created when missing and not yet truncated; none on failure.
  static std::optional<File> open_for_writing(const std::string& path);

  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File() override;

  bool write(std::string_view bytes) override;
  std::ptrdiff_t read(char* buffer, std::size_t size) override;
  bool close() override;

  // Empties an ordinary file; a device or pipe has nothing to empty.
  bool truncate();
  const platform::FileInfo& info() const { return info_; }

 private:
  File(platform::Descriptor descriptor, const platform::FileInfo& info)
      : descriptor_(descriptor), info_(info) {}
  static std::optional<File> adopt(platform::Descriptor descriptor);

  platform::Descriptor descriptor_ = platform::kNoDescriptor;
  platform::FileInfo info_;
};

// Standard output, the program's console. Not owned: it stays open after the run.
class StandardOutput final : public ByteSink {
 public:
  bool write(std::string_view bytes) override;
  // The console's identity when it is an ordinary file, which a source or an import could name.
  static std::optional<FileIdentity> file_identity();
};

}  // namespace vuq
