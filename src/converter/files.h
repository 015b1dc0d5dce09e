#pragma once

#include <fstream>
#include <memory>
#include <string>

namespace vuq {

// A file opened for reading in text mode through a large buffer, so that a big file is read in
// few system calls.
class InputFile {
 public:
  InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // False when the file cannot be opened; a directory never opens.
  bool open(const std::string& path);
  std::istream& stream() { return stream_; }

 private:
  std::unique_ptr<char[]>
      buffer_;  // declared before the stream, which uses it until it is destroyed
  std::ifstream stream_;
};

// True when both paths exist and name the same file, through links or different spellings.
bool same_file(const std::string& a, const std::string& b);

}  // namespace vuq
