// A stand-in for Cuedeck's helper killed mid-decode: it tells a part of a
// waveform, writes its process id to the file named by
// CUEDECK_STANDIN_PID, and waits to be ended from outside.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

int wmain()
{
    const std::string told = "size 9\nlevels 0 1\nA";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), told.data(), DWORD(told.size()), &written, nullptr);
    wchar_t pid_file[MAX_PATH] = {};
    GetEnvironmentVariableW(L"CUEDECK_STANDIN_PID", pid_file, MAX_PATH);
    // Whole or not at all, for the test that reads it.
    const std::filesystem::path written_to = std::wstring(pid_file) + L".new";
    std::ofstream(written_to, std::ios::binary) << GetCurrentProcessId();
    MoveFileExW(written_to.c_str(), pid_file, MOVEFILE_REPLACE_EXISTING);
    Sleep(INFINITE);
    return 0;
}
