#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "base/ui_text.h"

namespace cuedeck {

/// How a front end translates a text marked with UI_TEXT into the user's
/// language: the translation in UTF-8, or nothing when its catalogue has
/// none. Called on the window's thread only.
using Translator = std::string (*)(const char* english);

/// Installed once by the front end, before its window is made; none (every
/// text as written) until then and in tests.
void install_translator(Translator translator);

/// The user's words for `english`, a text marked with UI_TEXT.
std::string translated(const char* english);

/// The user's words for `pattern`, with %1 to %9 replaced by `values` (the
/// first by the first). A value is never searched for placeholders itself,
/// so a file name holding "%1" is shown as it is. A placeholder with no
/// value stays as written.
std::string translated(const char* pattern, std::initializer_list<std::string_view> values);

/// `pattern` filled as above, with no translation.
std::string fill_placeholders(std::string_view pattern,
                              std::initializer_list<std::string_view> values);

} // namespace cuedeck
