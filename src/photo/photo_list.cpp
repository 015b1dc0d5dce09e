#include "photo/photo_list.h"

namespace vuq {

// Not built yet: the directive line is recognised and reported, and writes nothing.
void expand_photo_list(std::string_view, std::string_view, OutputFile&, Report&) {}

}  // namespace vuq
