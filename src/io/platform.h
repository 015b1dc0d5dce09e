#pragma once

// The program's one contact with the operating system. Everything here works on the C runtime's
// small-integer descriptors: POSIX calls on Linux, the runtime's low-level I/O in text mode on
// Windows (LF written as CR LF, CR LF read as LF). Nothing above this layer sees the difference.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vuq::platform {

using Descriptor = int;
inline constexpr Descriptor kNoDescriptor = -1;
inline constexpr Descriptor kStandardOutput = 1;

// What tells two open files apart: the same identity means the same file, however it was named.
// A volume that the system cannot name for an open file (Windows does not always know it for a
// handle that a process inherited) matches any volume, so such a file is told apart by its index
// alone.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  bool volume_known = true;
  friend bool operator==(const FileIdentity& a, const FileIdentity& b) {
    return a.index == b.index && (a.volume == b.volume || !a.volume_known || !b.volume_known);
  }
  friend bool operator!=(const FileIdentity& a, const FileIdentity& b) { return !(a == b); }
};

struct FileInfo {
  FileIdentity identity;
  bool is_directory = false;
  bool is_regular = false;  // an ordinary file on a disk: not a device, pipe or directory
};

// The separators of a path on this system.
std::string_view path_separators();

// kNoDescriptor when the file cannot be opened.
Descriptor open_for_reading(const std::string& path);
// Creates a missing file; an existing one keeps its content until truncate_file().
Descriptor open_for_writing(const std::string& path);
bool truncate_file(Descriptor descriptor);
std::optional<FileInfo> file_info(Descriptor descriptor);

// Up to `size` bytes into `buffer`: their count, 0 at the end of the file, -1 on a failure.
std::ptrdiff_t read_some(Descriptor descriptor, char* buffer, std::size_t size);
// All of the bytes, in as many calls as the system needs (one, but for short writes). A
// descriptor that is not ready is waited for. False on a failure.
bool write_all(Descriptor descriptor, std::string_view bytes);
// Tried once: a failed close is not retried, since the descriptor is gone either way.
bool close_descriptor(Descriptor descriptor);

// Creates a directory below the working directory; whether it worked is for the caller to find
// out by using it.
void make_directory(const std::string& name);

// Makes the standard descriptors safe to use before anything else is opened: a closed one is
// opened on the null device, so that no file of the program can become its console, and a
// console reader that goes away makes writes fail instead of ending the process.
void prepare_standard_descriptors();

}  // namespace vuq::platform
