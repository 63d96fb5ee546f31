#include "ui/win32/file_chooser_win32.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <string>

#include "base/translation.h"
#include "control/run/playable.h"

namespace cuedeck {

namespace {

/// "Description|*.a;*.b||" becomes the chooser's list of NUL-separated pairs.
std::string chooser_filters(const std::string& filter)
{
    std::string filters = filter;
    for (char& c : filters) {
        if (c == '|')
            c = '\0';
    }
    return filters;
}

/// The chooser's answer buffer: long enough for many names chosen at once.
constexpr std::size_t answer_size = 65536;

/// An open or save chooser over `answer`, which holds the name it starts with.
OPENFILENAMEA file_chooser(HWND owner, const std::string& filters, std::vector<char>& answer,
                           const std::string& caption)
{
    OPENFILENAMEA chooser{};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.lpstrFilter = filters.c_str();
    chooser.lpstrFile = answer.data();
    chooser.nMaxFile = static_cast<DWORD>(answer.size());
    chooser.lpstrTitle = caption.empty() ? nullptr : caption.c_str();
    return chooser;
}

} // namespace

std::optional<std::string> choose_file_win32(HWND owner, const FileChoice& choice)
{
    const std::string filters = chooser_filters(choice.filter);
    std::vector<char> path(answer_size, '\0');
    choice.suggested.copy(path.data(), std::min(choice.suggested.size(), path.size() - 1));
    OPENFILENAMEA chooser = file_chooser(owner, filters, path, choice.caption);
    chooser.lpstrDefExt =
        choice.default_extension.empty() ? nullptr : choice.default_extension.c_str();
    chooser.Flags = choice.mode == FileDialogMode::Save ? OFN_OVERWRITEPROMPT : 0;
    const BOOL chosen = choice.mode == FileDialogMode::Open ? GetOpenFileNameA(&chooser)
                                                            : GetSaveFileNameA(&chooser);
    if (!chosen)
        return std::nullopt;
    return std::string(path.data());
}

std::vector<std::string> choose_recordings_win32(HWND owner, RecordingChoice choice)
{
    std::vector<std::string> chosen;
    if (choice == RecordingChoice::Folder) {
        BROWSEINFOA browse{};
        browse.hwndOwner = owner;
        const std::string title = translated(folder_caption);
        browse.lpszTitle = title.c_str();
        browse.ulFlags = BIF_RETURNONLYFSDIRS;
        if (LPITEMIDLIST folder = SHBrowseForFolderA(&browse)) {
            std::vector<char> path(MAX_PATH + 1, '\0');
            if (SHGetPathFromIDListA(folder, path.data()))
                chosen.emplace_back(path.data());
            CoTaskMemFree(folder);
        }
        return chosen;
    }
    const std::string filters = chooser_filters(translated(music_filter));
    std::vector<char> answer(answer_size, '\0');
    const std::string caption = translated(recordings_caption);
    OPENFILENAMEA chooser = file_chooser(owner, filters, answer, caption);
    chooser.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&chooser))
        return chosen;
    // One file: its full path. Several: the folder, then each name, each
    // ending with a NUL, the list with a second one.
    const std::string first(answer.data());
    const char* name = answer.data() + first.size() + 1;
    if (*name == '\0') {
        chosen.push_back(first);
        return chosen;
    }
    const std::string folder = first.ends_with('\\') ? first : first + '\\';
    for (; *name != '\0'; name += std::char_traits<char>::length(name) + 1)
        chosen.push_back(folder + name);
    return chosen;
}

} // namespace cuedeck
