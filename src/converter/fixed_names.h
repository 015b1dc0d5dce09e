#pragma once

#include <string_view>

namespace vuq {

// Prefix of every output path, relative to the working directory; its double slash stays in
// the paths the program prints.
inline constexpr std::string_view output_directory = "HTML//";

}  // namespace vuq
