#pragma once

#include <array>
#include <string_view>

#include "io/channels.h"
#include "io/output_file.h"
#include "io/report.h"

namespace vuq {

// A handler takes the directive argument, the whole directive line as read, the output and the
// console. Whatever it writes takes the place of the directive line.
using DirectiveHandler = void (*)(std::string_view argument, std::string_view line, OutputFile& out,
                                  Report& report);

struct Directive {
  std::string_view name;
  bool argument_checked;  // for "(", ")" and ";", which suggest a malformed directive line
  DirectiveHandler handle;
};

// The four directives in search order: a line that holds several names belongs to the first
// of them in this table, wherever they stand in the line.
extern const std::array<Directive, 4> directive_table;

// The first directive of the table whose name occurs anywhere in the line; none for an
// ordinary line.
const Directive* find_directive(std::string_view line);

// The text between the first "(" and the last ")" after it. Without a "(" the argument starts
// at the beginning of the line; without a ")" after the start it runs to the end of the line.
std::string_view extract_argument(std::string_view line);

// Converts one source: ordinary lines are copied to the output, directive lines are reported
// and handed to their directive. Stops early when the output fails or a read fails; source_name
// names the source in the read-failure message.
void convert_lines(ByteSource& source, std::string_view source_name, OutputFile& out,
                   Report& report);

}  // namespace vuq
