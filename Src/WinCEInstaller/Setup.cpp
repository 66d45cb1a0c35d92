// Setup.exe, the desktop installer shipped next to the game's device packages.
//
// Without switches it shows the install dialog and, on "Install", copies
// itself, Setup.ini and the cabinet files into a folder beside the Windows CE
// Application Manager, records an uninstall entry and starts the manager with
// the copied Setup.ini, which then carries the cabinets to the device.
// "/uninstall" (the registered uninstall command) deletes that copy and the
// uninstall entry; "/selfremove" deletes the package this program was started
// from once the dialog has closed. A running program cannot delete its own
// file, so both leave that last step to a small batch file.
//
// Failures are thrown as message strings and caught in WinMain, which shows
// them and ends with -1; anything else ends with -2. Uninstall-entry problems
// are only warnings. The reading of Setup.ini and the texts handed to Windows
// live in SetupIni and SetupText, which have no Windows calls.
#include "SetupIni.h"
#include "SetupResource.h"
#include "SetupText.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{

// The directory of this program, without a trailing backslash.
std::string s_moduleDirectory;

const char* const MANAGER_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAppMgr.EXE";

// A failure that has no text of its own; reported as an unexpected exception.
struct SilentFailure
{
};

[[noreturn]] void Fail(const std::string& message)
{
    throw message;
}

void ShowFatalError(const std::string& message)
{
    MessageBoxA(nullptr, message.c_str(), "Fatal error",
                MB_OK | MB_ICONERROR | MB_SYSTEMMODAL | MB_TOPMOST | MB_SETFOREGROUND);
}

void ShowWarning(const std::string& message)
{
    MessageBoxA(nullptr, message.c_str(), "Error", MB_OK | MB_ICONWARNING | MB_TOPMOST | MB_SETFOREGROUND);
}

std::string ModuleFileName()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    // A length equal to the buffer size means the path was cut short.
    if (length == 0 || length >= MAX_PATH)
    {
        Fail("GetModuleFileName returned bad path: " + std::string(path, length));
    }
    return std::string(path, length);
}

std::string CurrentDirectory()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, path);
    if (length == 0 || length >= MAX_PATH)
    {
        throw SilentFailure();
    }
    return std::string(path, length);
}

INT_PTR CALLBACK InstallDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message)
    {
    case WM_INITDIALOG:
    {
        RECT rect;
        GetWindowRect(dialog, &rect);
        const int width = rect.right - rect.left;
        const int height = rect.bottom - rect.top;
        const int x = (GetSystemMetrics(SM_CXFULLSCREEN) - width) / 2;
        const int y = (GetSystemMetrics(SM_CYFULLSCREEN) - height) / 2;
        SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        return FALSE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam))
        {
        case IDC_INSTALL:
            EndDialog(dialog, 1);
            return TRUE;
        case IDC_CANCEL_INSTALL:
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// Reads the manager's registered path from the given registry view. Only a
// REG_SZ naming a file inside a folder is accepted.
bool ReadManagerPathFrom(REGSAM view, std::string& managerPath)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, MANAGER_KEY, 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
    {
        return false;
    }
    DWORD type = 0;
    DWORD size = 0;
    bool found = RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ;
    if (found)
    {
        // The stored string need not end with a zero; the extra byte gives it one.
        std::vector<char> buffer(size + 1, '\0');
        DWORD read = size;
        found = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &read) ==
                    ERROR_SUCCESS &&
                type == REG_SZ && read <= size;
        if (found)
        {
            managerPath = buffer.data();
        }
    }
    RegCloseKey(key);
    return found && !SetupText::ManagerDirectory(managerPath).empty();
}

std::string ReadManagerPath()
{
    // This program is 64-bit; a 32-bit synchronisation suite registers the
    // manager in the 32-bit view of the registry only.
    std::string managerPath;
    if (ReadManagerPathFrom(0, managerPath) || ReadManagerPathFrom(KEY_WOW64_32KEY, managerPath))
    {
        return managerPath;
    }
    Fail("Couldn't locate Windows CE Application Manager");
}

bool SetStringValue(HKEY key, const char* name, const std::string& value)
{
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

void WriteUninstallInformation(const SetupIni& ini, const std::string& destinationFolder)
{
    bool stored = false;
    HKEY key = nullptr;
    if (!ini.UninstallKeyPath().empty() &&
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, ini.UninstallKeyPath().c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS)
    {
        stored = SetStringValue(key, "UninstallString", SetupText::UninstallString(destinationFolder)) &&
                 SetStringValue(key, "DisplayName", ini.UninstallName());
        RegCloseKey(key);
    }
    if (!stored)
    {
        ShowWarning("Couldn't store uninstall information. You will have to manually remove directory " +
                    destinationFolder + " " + "to remove application from desktop computer");
    }
}

void DeleteUninstallKey(const std::string& keyPath)
{
    if (keyPath.empty() || RegDeleteKeyA(HKEY_LOCAL_MACHINE, keyPath.c_str()) != ERROR_SUCCESS)
    {
        ShowWarning("Couldn't remove uninstall information registry key: HKLM\\" + keyPath);
    }
}

std::string ReadWholeFile(const std::string& path)
{
    // Text mode, so that line ends written as CR LF read as LF.
    FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr)
    {
        Fail("Couldn't open file " + path);
    }
    std::string text;
    char chunk[4096];
    size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0)
    {
        text.append(chunk, count);
    }
    std::fclose(file);
    return text;
}

// Copies (install) or deletes (uninstall, self-remove) the package files and
// returns the destination folder.
std::string RunFileProcedure(FileMode mode, const std::string& destinationBase)
{
    SetupIni ini(s_moduleDirectory);
    ini.ReadText(ReadWholeFile(s_moduleDirectory + "\\" + SetupText::SETUP_INI));
    if (ini.Component().empty())
    {
        Fail(std::string("Couldn't read component name from ") + SetupText::SETUP_INI);
    }
    const std::string destinationFolder = SetupText::DestinationFolder(destinationBase, ini.Component());
    const std::string from = SetupText::DoubleZeroList(SetupText::FileList(mode, s_moduleDirectory, ini.CabFiles()));

    SHFILEOPSTRUCTA operation = {};
    operation.pFrom = from.c_str();
    if (mode == FileMode::Install)
    {
        const std::string to = SetupText::DoubleZeroList({destinationFolder});
        operation.wFunc = FO_COPY;
        operation.pTo = to.c_str();
        operation.fFlags = FOF_NOCONFIRMMKDIR | FOF_SIMPLEPROGRESS | FOF_ALLOWUNDO;
        operation.lpszProgressTitle = "Copying files...";
        // A copy the user cancelled half-way is no installation either.
        if (SHFileOperationA(&operation) != 0 || operation.fAnyOperationsAborted)
        {
            Fail("Couldn't copy files");
        }
        SHChangeNotify(SHCNE_MKDIR | SHCNE_UPDATEDIR, SHCNF_PATHA, destinationFolder.c_str(), nullptr);
        WriteUninstallInformation(ini, destinationFolder);
    }
    else
    {
        operation.wFunc = FO_DELETE;
        operation.fFlags = FOF_SIMPLEPROGRESS | FOF_NOCONFIRMATION;
        operation.lpszProgressTitle = "Removing files...";
        if (SHFileOperationA(&operation) != 0 || operation.fAnyOperationsAborted)
        {
            Fail("Couldn't remove files");
        }
        SHChangeNotify(SHCNE_UPDATEDIR, SHCNF_PATHA, s_moduleDirectory.c_str(), nullptr);
        if (mode == FileMode::Uninstall)
        {
            DeleteUninstallKey(ini.UninstallKeyPath());
        }
    }
    return destinationFolder;
}

void StartManager(const std::string& managerPath, const std::string& destinationFolder)
{
    const std::string commandLine = SetupText::ManagerCommandLine(managerPath, destinationFolder);
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    // The manager works in its own folder: inheriting ours would keep the
    // package folder in use, and "/selfremove" could not remove it.
    const std::string managerDirectory = SetupText::ManagerDirectory(managerPath);
    if (!CreateProcessA(managerPath.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        managerDirectory.c_str(), &startup, &process))
    {
        Fail("Couldn't execute " + managerPath);
    }
    // The manager runs on its own; nothing waits for it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void Install()
{
    HANDLE ini = CreateFileA(SetupText::SETUP_INI, 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (ini == INVALID_HANDLE_VALUE)
    {
        Fail(std::string("Couldn't find ") + SetupText::SETUP_INI + " file");
    }
    CloseHandle(ini);
    const std::string managerPath = ReadManagerPath();
    const std::string destinationFolder =
        RunFileProcedure(FileMode::Install, SetupText::ManagerDirectory(managerPath));
    StartManager(managerPath, destinationFolder);
}

// Leaves the deletion of this program and its folder to a batch file that
// retries until the program has exited. Every failure here is silent: the
// package is already gone, only the empty shell of it stays behind.
void DeleteSelf(const std::string& programPath)
{
    HANDLE file = CreateFileA(SetupText::BATCH_PATH, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        return;
    }
    const std::string batch = SetupText::SelfDeleteBatch(programPath, s_moduleDirectory);
    DWORD written = 0;
    const bool complete = WriteFile(file, batch.data(), static_cast<DWORD>(batch.size()), &written, nullptr) &&
                          written == batch.size();
    CloseHandle(file);
    // Half a batch file would run half its commands.
    if (!complete)
    {
        DeleteFileA(SetupText::BATCH_PATH);
        return;
    }

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    std::string commandLine = SetupText::BATCH_PATH;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED | IDLE_PRIORITY_CLASS,
                        nullptr, "\\", &startup, &process))
    {
        DeleteFileA(SetupText::BATCH_PATH);
        return;
    }
    // The batch only gets to run once this program is out of its way.
    SetThreadPriority(process.hThread, THREAD_PRIORITY_IDLE);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    CloseHandle(process.hProcess);
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    std::string savedDirectory;
    const auto restoreDirectory = [&savedDirectory]()
    {
        if (!savedDirectory.empty())
        {
            SetCurrentDirectoryA(savedDirectory.c_str());
        }
    };
    try
    {
        const std::string commandLine = GetCommandLineA();
        const bool uninstall = SetupText::HasSwitch(commandLine, SetupText::UNINSTALL_SWITCH);

        const std::string programPath = ModuleFileName();
        s_moduleDirectory = SetupText::ModuleDirectory(programPath);
        if (s_moduleDirectory.empty())
        {
            Fail("GetModuleFileName returned bad path: " + programPath);
        }
        savedDirectory = CurrentDirectory();
        // "Setup.exe" and "Setup.ini" are named relative to the module directory.
        if (!SetCurrentDirectoryA(s_moduleDirectory.c_str()))
        {
            Fail("Couldn't change to directory " + s_moduleDirectory);
        }

        if (!uninstall)
        {
            const INT_PTR answer =
                DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_INSTALL), nullptr, InstallDialogProc, 0);
            if (answer == -1)
            {
                Fail("Couldn't show the install dialog");
            }
            if (answer == 1)
            {
                Install();
            }
            if (SetupText::HasSwitch(commandLine, SetupText::SELFREMOVE_SWITCH))
            {
                RunFileProcedure(FileMode::SelfRemove, std::string());
                DeleteSelf(programPath);
            }
        }
        else
        {
            RunFileProcedure(FileMode::Uninstall, SetupText::UninstallArgument(commandLine));
            DeleteSelf(programPath);
        }
        restoreDirectory();
        return 0;
    }
    catch (const std::string& message)
    {
        restoreDirectory();
        ShowFatalError(message);
        return -1;
    }
    catch (...)
    {
        restoreDirectory();
        ShowFatalError("Unexpected exception");
        return -2;
    }
}
