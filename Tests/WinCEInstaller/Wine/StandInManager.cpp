// A stand-in for the Windows CE Application Manager in the installer's Wine
// tests. Registered under "App Paths\CEAppMgr.EXE" in place of the real one,
// it records the command line it was started with in CommandLine.txt beside
// itself, stays a while as the real manager would, and ends. The file
// appears in one rename, so a test that sees it reads it whole. Staying
// alive catches an installer that lets the manager keep the package folder
// in use as its current directory.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    folder.resize(folder.rfind('\\') + 1);
    const std::string partial = folder + "CommandLine.tmp";
    const std::string final = folder + "CommandLine.txt";

    const std::string commandLine = GetCommandLineA();
    HANDLE file = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        return 1;
    }
    DWORD written = 0;
    const bool complete = WriteFile(file, commandLine.data(), static_cast<DWORD>(commandLine.size()), &written,
                                    nullptr) &&
                          written == commandLine.size();
    CloseHandle(file);
    if (!complete || !MoveFileExA(partial.c_str(), final.c_str(), MOVEFILE_REPLACE_EXISTING))
    {
        return 1;
    }
    Sleep(3000);
    return 0;
}
