#include "ui/win32/file_chooser_win32.h"

#include <commdlg.h>

#include <vector>

namespace cuedeck {

std::optional<std::string> choose_file_win32(HWND owner, FileDialogMode mode,
                                             const std::string& filter,
                                             const std::string& default_extension)
{
    // "Description|*.a;*.b||" becomes the chooser's list of NUL-separated pairs.
    std::string filters = filter;
    for (char& c : filters) {
        if (c == '|')
            c = '\0';
    }
    std::vector<char> path(32768, '\0');
    OPENFILENAMEA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpstrFilter = filters.c_str();
    chooser.lpstrFile = path.data();
    chooser.nMaxFile = static_cast<DWORD>(path.size());
    chooser.lpstrDefExt = default_extension.empty() ? nullptr : default_extension.c_str();
    chooser.Flags = mode == FileDialogMode::Save ? OFN_OVERWRITEPROMPT : 0;
    const BOOL chosen =
        mode == FileDialogMode::Open ? GetOpenFileNameA(&chooser) : GetSaveFileNameA(&chooser);
    if (!chosen)
        return std::nullopt;
    return std::string(path.data());
}

} // namespace cuedeck
