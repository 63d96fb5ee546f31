#include "base/wide_text.h"

#include <windows.h>

namespace cuedeck {

namespace {

std::wstring wide_from(UINT code_page, std::string_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), length);
    return wide;
}

} // namespace

std::wstring wide_from_utf8(std::string_view text)
{
    return wide_from(CP_UTF8, text);
}

std::string utf8_from_wide(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::string utf8_from_system_code_page(std::string_view text)
{
    // The system locale's code page, not the process's (which the program's
    // manifest makes UTF-8).
    DWORD code_page = CP_ACP;
    if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPWSTR>(&code_page), sizeof code_page / sizeof(WCHAR)) == 0)
        code_page = 1252;
    return utf8_from_wide(wide_from(code_page, text));
}

} // namespace cuedeck
