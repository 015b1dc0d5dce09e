#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vuq {

// Width of the line's leading run of blanks and control bytes: a blank counts 1, every byte
// below the blank (tab, carriage return, NUL, ...) counts 8; the first byte above the blank
// ends the run. A line with no such byte measures its whole length.
std::int32_t indent_width(std::string_view line);

// The text without any blank (0x20); every other byte keeps its place.
std::string remove_spaces(std::string_view text);

// Cuts a stripped directive line into `count` fields. Field 1 runs from after the first "("
// to the first ","; each later field runs to the next "," of what is left. When no "," is
// left, every further field repeats the remaining text whole.
std::vector<std::string> directive_fields(std::string_view stripped, int count);

// The leading decimal number of a field: white space skipped, an optional sign, then digits up
// to the first other byte; 0 without digits. Values beyond 32 bits stop at the nearest limit.
std::int32_t read_number(std::string_view field);

// The template with its first "$" replaced by the number in decimal; unchanged without "$".
std::string substitute_number(std::string_view template_text, std::int32_t number);

}  // namespace vuq
