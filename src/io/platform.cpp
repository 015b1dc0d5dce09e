#include "io/platform.h"

#include <cerrno>
#include <climits>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#else
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vuq::platform {

#ifdef _WIN32

namespace {

// The runtime's low-level calls take an unsigned int count.
constexpr std::size_t kLargestCall = INT_MAX;

HANDLE system_handle(Descriptor descriptor) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
}

// The runtime ends the process on a call with a closed descriptor unless this handler lets the
// call fail instead; a program that checks every result wants the failure.
void ignore_invalid_parameter(const wchar_t*, const wchar_t*, const wchar_t*, unsigned int,
                              std::uintptr_t) {}

}  // namespace

std::string_view path_separators() { return "/\\"; }

Descriptor open_for_reading(const std::string& path) {
  return _open(path.c_str(), _O_RDONLY | _O_TEXT | _O_NOINHERIT);
}

Descriptor open_for_writing(const std::string& path) {
  return _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_TEXT | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}

bool truncate_file(Descriptor descriptor) { return _chsize_s(descriptor, 0) == 0; }

std::optional<FileInfo> file_info(Descriptor descriptor) {
  HANDLE handle = system_handle(descriptor);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  FileInfo info;
  const bool on_disk = GetFileType(handle) == FILE_TYPE_DISK;
  BY_HANDLE_FILE_INFORMATION facts;
  FILE_ID_INFO id;
  FILE_BASIC_INFO basic;
  if (GetFileInformationByHandle(handle, &facts)) {
    info.identity.volume = facts.dwVolumeSerialNumber;
    info.identity.index = (std::uint64_t{facts.nFileIndexHigh} << 32) | facts.nFileIndexLow;
    info.is_directory = (facts.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  } else if (GetFileInformationByHandleEx(handle, FileIdInfo, &id, sizeof id) &&
             GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic)) {
    // Some handles a process inherits answer only this, and without their volume.
    std::memcpy(&info.identity.index, id.FileId.Identifier, sizeof info.identity.index);
    info.identity.volume = id.VolumeSerialNumber;
    info.identity.volume_known = id.VolumeSerialNumber != 0;
    info.is_directory = (basic.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  } else if (on_disk) {
    return std::nullopt;  // a disk file whose identity is unknown cannot be told apart
  }
  info.is_regular = on_disk && !info.is_directory;
  return info;
}

std::ptrdiff_t read_some(Descriptor descriptor, char* buffer, std::size_t size) {
  const auto count = static_cast<unsigned int>(size < kLargestCall ? size : kLargestCall);
  return _read(descriptor, buffer, count);
}

bool write_all(Descriptor descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const auto count =
        static_cast<unsigned int>(bytes.size() < kLargestCall ? bytes.size() : kLargestCall);
    const int written = _write(descriptor, bytes.data(), count);
    if (written <= 0) return false;
    // In text mode the count is of the caller's bytes, before a CR is put in front of each LF;
    // it is held to them all the same.
    bytes.remove_prefix(std::min(bytes.size(), static_cast<std::size_t>(written)));
  }
  return true;
}

bool close_descriptor(Descriptor descriptor) { return _close(descriptor) == 0; }

void make_directory(const std::string& name) {
  // The command processor's own mkdir: the way a Windows console program is expected to make it.
  static_cast<void>(std::system(("mkdir " + name).c_str()));
}

void prepare_standard_descriptors() {
  _set_invalid_parameter_handler(ignore_invalid_parameter);
  for (Descriptor standard = 0; standard <= 2; ++standard) {
    const auto handle = _get_osfhandle(standard);
    if (handle != -1 && handle != -2) continue;
    const Descriptor null_device = _open("NUL", _O_RDWR | _O_TEXT | _O_NOINHERIT);
    if (null_device < 0) continue;
    if (null_device != standard) {
      _dup2(null_device, standard);
      _close(null_device);
    }
  }
}

#else  // POSIX

std::string_view path_separators() { return "/"; }

Descriptor open_for_reading(const std::string& path) {
  Descriptor descriptor;
  do {
    descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  } while (descriptor < 0 && errno == EINTR);
  return descriptor;
}

Descriptor open_for_writing(const std::string& path) {
  Descriptor descriptor;
  do {
    descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  } while (descriptor < 0 && errno == EINTR);
  return descriptor;
}

bool truncate_file(Descriptor descriptor) {
  int result;
  do {
    result = ::ftruncate(descriptor, 0);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

std::optional<FileInfo> file_info(Descriptor descriptor) {
  struct stat facts {};
  if (::fstat(descriptor, &facts) != 0) return std::nullopt;
  FileInfo info;
  info.identity.volume = static_cast<std::uint64_t>(facts.st_dev);
  info.identity.index = static_cast<std::uint64_t>(facts.st_ino);
  info.is_directory = S_ISDIR(facts.st_mode);
  info.is_regular = S_ISREG(facts.st_mode);
  return info;
}

std::ptrdiff_t read_some(Descriptor descriptor, char* buffer, std::size_t size) {
  ssize_t count;
  do {
    count = ::read(descriptor, buffer, size);
  } while (count < 0 && errno == EINTR);
  return count;
}

namespace {

// A descriptor in non-blocking mode answers EAGAIN while its reader is behind; the bytes are
// still wanted, so wait until it can take them.
bool wait_until_writable(Descriptor descriptor) {
  pollfd ready{descriptor, POLLOUT, 0};
  while (::poll(&ready, 1, -1) < 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

}  // namespace

bool write_all(Descriptor descriptor, std::string_view bytes) {
  // Nearly always the whole line goes in one call; the loop is for the rare short write.
  ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
  while (written != static_cast<ssize_t>(bytes.size())) {
    if (written > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(written));
    } else if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (!wait_until_writable(descriptor)) return false;
    } else if (written == 0 || errno != EINTR) {
      return false;  // a failure, or a device that takes nothing and would be asked for ever
    }
    written = ::write(descriptor, bytes.data(), bytes.size());
  }
  return true;
}

bool close_descriptor(Descriptor descriptor) { return ::close(descriptor) == 0; }

void make_directory(const std::string& name) { static_cast<void>(::mkdir(name.c_str(), 0777)); }

void prepare_standard_descriptors() {
  for (Descriptor standard = 0; standard <= 2; ++standard) {
    if (::fcntl(standard, F_GETFD) != -1 || errno != EBADF) continue;
    // The lowest free descriptor is the closed one.
    const Descriptor null_device = ::open("/dev/null", O_RDWR);
    if (null_device >= 0 && null_device != standard) {
      ::dup2(null_device, standard);
      ::close(null_device);
    }
  }
  ::signal(SIGPIPE, SIG_IGN);
}

#endif

}  // namespace vuq::platform
