#include "converter/output_file.h"

namespace vuq {

void OutputFile::write_line(std::initializer_list<std::string_view> pieces) {
  if (failed_) return;
  pending_.clear();
  for (std::string_view piece : pieces) pending_.append(piece);
  pending_.push_back('\n');
  stream_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
  stream_.flush();
  if (!stream_) record_failure();
}

void OutputFile::record_failure() {
  if (failed_) return;
  failed_ = true;
  report_.error_line("ERROR: FAILED IN WRITING " + path_);
}

}  // namespace vuq
