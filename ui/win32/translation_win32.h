#pragma once

#include <windows.h>

#include <span>

namespace cuedeck {

/// One text of a catalogue built into the program, both in UTF-8.
struct CatalogueText
{
    const char* english;
    const char* translated;
};

/// A language's catalogue: "de", "pt_BR".
struct Catalogue
{
    const char* language;
    std::span<const CatalogueText> texts;
};

/// The catalogues the program carries, made from the same files as the
/// Qt program's.
std::span<const Catalogue> built_in_catalogues();

/// Have the program's texts follow the user's interface language, where
/// Cuedeck has its catalogue; English otherwise. Gives the language used,
/// empty for English. The dialogs keep to the ANSI code page, so a
/// translated text that code page cannot hold is shown in English.
const char* use_windows_language();
/// The same for a language given by its primary language id (LANG_GERMAN).
const char* use_windows_language(LANGID primary);

/// Translate a dialog made from the resource script: its caption and the
/// texts of its controls, each as marked where it is written.
void translate_dialog(HWND dialog);

} // namespace cuedeck
