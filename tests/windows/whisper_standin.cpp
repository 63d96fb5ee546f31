// A stand-in for whisper-cli.exe: its arguments one a line into the file
// named by CUEDECK_STANDIN_SEEN, then an SRT at "-of"'s base name, as
// whisper-cli writes it with -osrt. "--slow" first makes it wait a minute.
// Its own path is added as a line to the file CUEDECK_STANDIN_RAN names,
// so that a test tells which of its copies ran.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

int wmain(int argc, wchar_t** argv)
{
    const auto utf8 = [](const wchar_t* wide) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
        return text;
    };
    wchar_t ran[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"CUEDECK_STANDIN_RAN", ran, MAX_PATH) > 0) {
        wchar_t self[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::ofstream(ran, std::ios::binary | std::ios::app) << utf8(self) << '\n';
    }
    if (argc > 1 && std::wstring(argv[1]) == L"--slow")
        Sleep(60'000);
    std::string output_base;
    wchar_t seen[MAX_PATH] = {};
    GetEnvironmentVariableW(L"CUEDECK_STANDIN_SEEN", seen, MAX_PATH);
    std::ofstream arguments(seen, std::ios::binary);
    for (int i = 1; i < argc; ++i) {
        arguments << utf8(argv[i]) << '\n';
        if (std::wstring(argv[i]) == L"-of" && i + 1 < argc)
            output_base = utf8(argv[i + 1]);
    }
    std::fputs("whisper_print_progress_callback: progress =  50%\n", stderr);
    std::ofstream(output_base + ".srt", std::ios::binary)
        << "1\n00:00:10,500 --> 00:00:11,000\nfrom the stand-in\n";
    return 0;
}
