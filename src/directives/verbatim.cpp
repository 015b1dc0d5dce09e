#include "directives/verbatim.h"

namespace vuq {

// Not built yet: the directive line is recognised and reported, and writes nothing.
void expand_exclude(std::string_view, OutputFile&, Report&) {}

// Not built yet: the directive line is recognised and reported, and writes nothing.
void expand_import(std::string_view, OutputFile&, Report&) {}

}  // namespace vuq
