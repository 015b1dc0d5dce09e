#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string_view>

#include "converter/output_file.h"
#include "converter/report.h"

namespace vuq {

// The index in directive_names of the first name, in index order, that occurs anywhere in the
// line; none for an ordinary line.
std::optional<std::size_t> find_directive(std::string_view line);

// The text between the first "(" and the last ")" after it. Without a "(" the argument starts
// at the beginning of the line; without a ")" after the start it runs to the end of the line.
std::string_view extract_argument(std::string_view line);

// Converts one source: ordinary lines are copied to the output, directive lines are reported
// and handed to their directive. Stops early when the output fails or a read fails; source_name
// names the source in the read-failure message.
void convert_lines(std::istream& source, std::string_view source_name, OutputFile& out,
                   Report& report);

}  // namespace vuq
