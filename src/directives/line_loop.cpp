#include "directives/line_loop.h"

#include <array>
#include <string>

#include "converter/fixed_names.h"
#include "directives/line_reader.h"
#include "directives/verbatim.h"
#include "photo/photo_list.h"
#include "photo/photo_table.h"

namespace vuq {
namespace {

using Handler = void (*)(std::string_view argument, std::string_view line, OutputFile& out,
                         Report& report);

struct Directive {
  std::string_view name;
  bool argument_checked;  // for "(", ")" and ";", which suggest a malformed directive line
  Handler handle;
};

const std::array<Directive, 4> kDirectives = {{
    {directive_names[kExcludeIndex], false,
     [](std::string_view argument, std::string_view, OutputFile& out, Report& report) {
       expand_exclude(argument, out, report);
     }},
    {directive_names[kImportIndex], true,
     [](std::string_view argument, std::string_view, OutputFile& out, Report& report) {
       expand_import(argument, out, report);
     }},
    {directive_names[kPhotoTableIndex], true, expand_photo_table},
    {directive_names[kPhotoListIndex], true, expand_photo_list},
}};

constexpr std::string_view kNamePrefix = "VUQ_";

constexpr bool every_name_starts_with_prefix() {
  // std::all_of is not constexpr before C++20.
  for (std::string_view name : directive_names) {  // NOLINT(readability-use-anyofallof)
    if (name.substr(0, kNamePrefix.size()) != kNamePrefix) return false;
  }
  return true;
}
static_assert(every_name_starts_with_prefix(), "find_directive screens lines by the prefix");

void convert_directive_line(const Directive& directive, std::string_view line, OutputFile& out,
                            Report& report) {
  report.line(std::string("Found Command: ").append(directive.name));
  std::string_view argument = extract_argument(line);
  if (directive.argument_checked && argument.find_first_of("();") != std::string_view::npos) {
    report.warning_line("WARNING: Check code");
  }
  directive.handle(argument, line, out, report);
}

}  // namespace

std::optional<std::size_t> find_directive(std::string_view line) {
  // Every name starts alike, so most ordinary lines are settled by one search.
  if (line.find(kNamePrefix) == std::string_view::npos) return std::nullopt;
  for (std::size_t index = 0; index < directive_names.size(); ++index) {
    if (line.find(directive_names[index]) != std::string_view::npos) return index;
  }
  return std::nullopt;
}

std::string_view extract_argument(std::string_view line) {
  std::size_t open = line.find('(');
  std::size_t start = open == std::string_view::npos ? 0 : open + 1;
  std::size_t close = line.rfind(')');
  std::size_t end = close != std::string_view::npos && close >= start ? close : line.size();
  return line.substr(start, end - start);
}

void convert_lines(std::istream& source, std::string_view source_name, OutputFile& out,
                   Report& report) {
  read_lines(source, source_name, report, [&](std::string_view line) {
    if (std::optional<std::size_t> index = find_directive(line)) {
      convert_directive_line(kDirectives[*index], line, out, report);
    } else {
      out.write_line(line);
    }
    return !out.failed();
  });
}

}  // namespace vuq
