#pragma once

#include <array>
#include <string_view>

namespace vuq {

// The directive names, searched in this order; a name's index is its directive's identity.
inline constexpr std::array<std::string_view, 4> directive_names = {
    "VUQ_Exclude", "VUQ_Import", "VUQ_Link_Foto_Tab", "VUQ_Foto_Link"};

inline constexpr std::size_t kExcludeIndex = 0;
inline constexpr std::size_t kImportIndex = 1;
inline constexpr std::size_t kPhotoTableIndex = 2;
inline constexpr std::size_t kPhotoListIndex = 3;

// Prefix of every output path, relative to the working directory; its double slash stays in
// the paths the program prints.
inline constexpr std::string_view output_directory = "HTML//";

}  // namespace vuq
