#pragma once

#include <string>

namespace cuedeck {

/// A chooser filter in the "Description (*.a)|*.a;*.b||" form turned into
/// Qt's "Description (*.a *.b)" form, one filter a line. The description's own
/// parenthesised list, if any, gives way to the patterns.
std::string qt_name_filters(const std::string& filter);

} // namespace cuedeck
