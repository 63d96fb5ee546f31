#include "ui/win32/translation_win32.h"

#include <map>
#include <string>
#include <string_view>

#include "base/translation.h"

namespace cuedeck {

namespace {

/// The catalogue in use, as the code page shows it: a text it cannot hold
/// is left out (and shown in English).
std::map<std::string, std::string, std::less<>>& shown_texts()
{
    static std::map<std::string, std::string, std::less<>> texts;
    return texts;
}

/// UTF-8 in the ANSI code page; nothing when a character has no place there.
std::string in_code_page(const char* utf8)
{
    // The program's manifest asks for UTF-8 where Windows offers it (since
    // Windows 10 1903): then every text fits as it is.
    if (GetACP() == CP_UTF8)
        return utf8;
    const int wide_length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, nullptr, 0);
    if (wide_length <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, wide.data(), wide_length);
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, nullptr,
                                           0, nullptr, &lossy);
    if (length <= 0 || lossy)
        return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, text.data(), length,
                        nullptr, &lossy);
    text.resize(static_cast<std::size_t>(length) - 1);
    return text;
}

std::string translate(const char* english)
{
    const auto& texts = shown_texts();
    const auto found = texts.find(std::string_view(english));
    return found == texts.end() ? std::string() : found->second;
}

const char* language_of(LANGID primary)
{
    switch (primary) {
    case LANG_GERMAN:
        return "de";
    case LANG_FRENCH:
        return "fr";
    case LANG_SPANISH:
        return "es";
    case LANG_ITALIAN:
        return "it";
    case LANG_DUTCH:
        return "nl";
    case LANG_PORTUGUESE: // of Portugal too, rather than English
        return "pt_BR";
    default:
        return "";
    }
}

BOOL CALLBACK translate_control(HWND control, LPARAM)
{
    char text[1024] = {};
    if (GetWindowTextA(control, text, sizeof text) > 0) {
        const std::string shown = translated(text);
        if (shown != text)
            SetWindowTextA(control, shown.c_str());
    }
    return TRUE;
}

} // namespace

const char* use_windows_language(LANGID primary)
{
    const std::string_view language = language_of(primary);
    shown_texts().clear();
    for (const Catalogue& catalogue : built_in_catalogues()) {
        if (catalogue.language != language)
            continue;
        for (const CatalogueText& text : catalogue.texts) {
            if (std::string shown = in_code_page(text.translated); !shown.empty())
                shown_texts().emplace(text.english, std::move(shown));
        }
        install_translator(translate);
        return catalogue.language;
    }
    return "";
}

const char* use_windows_language()
{
    return use_windows_language(PRIMARYLANGID(GetUserDefaultUILanguage()));
}

void translate_dialog(HWND dialog)
{
    translate_control(dialog, 0);
    EnumChildWindows(dialog, translate_control, 0);
}

} // namespace cuedeck
