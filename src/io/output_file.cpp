#include "io/output_file.h"

#include <utility>

namespace vuq {

OutputFile::OutputFile(ByteSink& file, std::string path, Report& report,
                       std::optional<platform::FileIdentity> identity)
    : file_(file), path_(std::move(path)), report_(report), identity_(identity) {}

void OutputFile::close() {
  if (!file_.close()) record_failure();
}

void OutputFile::record_failure() {
  if (failed_) return;
  failed_ = true;
  report_.error_line({"ERROR: FAILED IN WRITING ", path_});
}

}  // namespace vuq
