#include "directives/line_loop.h"

#include <cstddef>
#include <string>

#include "directives/verbatim.h"
#include "io/line_reader.h"
#include "photo/photo_list.h"
#include "photo/photo_table.h"

namespace vuq {

constexpr std::array<Directive, 4> directive_table = {{
    {"VUQ_Exclude", false,
     [](std::string_view argument, std::string_view, OutputFile& out, Report& report) {
       expand_exclude(argument, out, report);
     }},
    {"VUQ_Import", true,
     [](std::string_view argument, std::string_view, OutputFile& out, Report& report) {
       expand_import(argument, out, report);
     }},
    {"VUQ_Link_Foto_Tab", true, expand_photo_table},
    {"VUQ_Foto_Link", true, expand_photo_list},
}};

namespace {

constexpr std::string_view kNamePrefix = "VUQ_";

constexpr bool every_name_starts_with_prefix() {
  // std::all_of is not constexpr before C++20.
  for (const Directive& directive : directive_table) {  // NOLINT(readability-use-anyofallof)
    if (directive.name.substr(0, kNamePrefix.size()) != kNamePrefix) return false;
  }
  return true;
}
static_assert(every_name_starts_with_prefix(), "find_directive screens lines by the prefix");

void convert_directive_line(const Directive& directive, std::string_view line, OutputFile& out,
                            Report& report) {
  report.line({"Found Command: ", directive.name});
  std::string_view argument = extract_argument(line);
  if (directive.argument_checked && argument.find_first_of("();") != std::string_view::npos) {
    report.warning_line("WARNING: Check code");
  }
  directive.handle(argument, line, out, report);
}

}  // namespace

const Directive* find_directive(std::string_view line) {
  // Every name begins with the prefix, so a name can only stand where the prefix does, and most
  // ordinary lines are settled by one search. Each place where it does is tried against the
  // entries that could still win: those before the best found so far.
  const Directive* const table_start = directive_table.data();
  const Directive* first = directive_table.end();
  for (std::size_t at = line.find(kNamePrefix); at != std::string_view::npos;
       at = line.find(kNamePrefix, at + 1)) {
    const std::string_view rest = line.substr(at);
    for (const Directive* entry = table_start; entry != first; ++entry) {
      if (rest.substr(0, entry->name.size()) == entry->name) {
        first = entry;
        break;
      }
    }
    if (first == table_start) break;
  }
  return first == directive_table.end() ? nullptr : first;
}

std::string_view extract_argument(std::string_view line) {
  std::size_t open = line.find('(');
  std::size_t start = open == std::string_view::npos ? 0 : open + 1;
  std::size_t close = line.rfind(')');
  std::size_t end = close != std::string_view::npos && close >= start ? close : line.size();
  return line.substr(start, end - start);
}

void convert_lines(ByteSource& source, std::string_view source_name, OutputFile& out,
                   Report& report) {
  read_lines(source, source_name, report, [&](std::string_view line) {
    if (const Directive* directive = find_directive(line)) {
      convert_directive_line(*directive, line, out, report);
    } else {
      out.write_line(line);
    }
    return !out.failed();
  });
}

}  // namespace vuq
