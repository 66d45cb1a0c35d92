// The hand on the mouse in the installer's Wine tests, and their registry
// tool. A console program built with the same cross compiler as Setup.exe.
//
//   InstallDriver run --report FILE [--press install|cancel] [--hold FILE]
//                     [--batch FILE --batch-copy FILE] SETUP [ARGUMENT...]
//       Starts SETUP, waits for the "Jet Warden Install" dialog, writes what
//       it shows to the report and presses Install or Cancel; answers every
//       message box with OK after reporting its caption and text; reports the
//       exit code. --hold keeps FILE open without delete sharing while Setup
//       runs, so that the self-delete batch keeps retrying until the driver
//       has copied the batch file (--batch) to --batch-copy; the driver then
//       lets go and reports whether the held file and the batch disappeared.
//   InstallDriver regset KEY NAME VALUE   writes a REG_SZ under HKLM ("" = unnamed value)
//   InstallDriver regdump KEY FILE        writes "missing" or one NAME=[VALUE] line per REG_SZ
//   InstallDriver regdel KEY              deletes an HKLM key with its sub-keys
//
// Report lines are KEY=VALUE; the test scripts look for exact lines.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace
{

const char* const DIALOG_CAPTION = "Jet Warden Install";
const DWORD RUN_TIMEOUT_MS = 60000;
const DWORD CLEANUP_TIMEOUT_MS = 30000;

FILE* s_report = nullptr;

void Report(const std::string& key, const std::string& value)
{
    std::fprintf(s_report, "%s=%s\n", key.c_str(), value.c_str());
    std::fflush(s_report);
}

std::string WindowText(HWND window)
{
    // Text of another process's controls is only reachable through WM_GETTEXT.
    char text[1024] = {};
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        &result);
    return text;
}

std::string ClassName(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Quote(const std::string& argument)
{
    std::string quoted = "\"";
    for (const char c : argument)
    {
        if (c == '"')
        {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

struct Child
{
    std::vector<HWND> _windows;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM context)
{
    reinterpret_cast<Child*>(context)->_windows.push_back(window);
    return TRUE;
}

std::vector<HWND> Children(HWND parent)
{
    Child children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children._windows;
}

struct TopLevel
{
    DWORD _processId;
    std::vector<HWND> _windows;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context)
{
    TopLevel* found = reinterpret_cast<TopLevel*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == found->_processId && IsWindowVisible(window))
    {
        found->_windows.push_back(window);
    }
    return TRUE;
}

void ReportDialog(HWND dialog)
{
    Report("dialog-caption", WindowText(dialog));
    RECT rect;
    GetWindowRect(dialog, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int x = (GetSystemMetrics(SM_CXFULLSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYFULLSCREEN) - height) / 2;
    const bool centred = rect.left == x && rect.top == y;
    Report("dialog-centred", centred ? "yes"
                                     : "no: at " + std::to_string(rect.left) + "," + std::to_string(rect.top) +
                                           ", expected " + std::to_string(x) + "," + std::to_string(y));
    for (const HWND child : Children(dialog))
    {
        const std::string className = ClassName(child);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        const int id = GetDlgCtrlID(child);
        if (lstrcmpiA(className.c_str(), "Button") == 0)
        {
            const bool isDefault = (style & 0x0F) == BS_DEFPUSHBUTTON;
            Report("dialog-button" + std::to_string(id), WindowText(child) + (isDefault ? " (default)" : ""));
        }
        else if (lstrcmpiA(className.c_str(), "Static") == 0)
        {
            const LONG type = style & SS_TYPEMASK;
            if (type == SS_BITMAP)
            {
                DWORD_PTR image = 0;
                SendMessageTimeoutA(child, STM_GETIMAGE, IMAGE_BITMAP, 0, SMTO_ABORTIFHUNG, 2000, &image);
                Report("dialog-picture", image != 0 ? "bitmap" : "empty");
            }
            else if (type == SS_ETCHEDHORZ)
            {
                Report("dialog-line", "etched");
            }
            else
            {
                Report("dialog-text", WindowText(child) + (type == SS_CENTER ? " (centred)" : ""));
            }
        }
    }
}

void ReportMessageBox(HWND box)
{
    std::string text;
    for (const HWND child : Children(box))
    {
        if (lstrcmpiA(ClassName(child).c_str(), "Static") == 0 && !WindowText(child).empty())
        {
            text = WindowText(child);
        }
    }
    Report("message", WindowText(box) + ": " + text);
}

int Run(int argc, char** argv)
{
    std::string reportPath;
    std::string press;
    std::string holdPath;
    std::string batchPath;
    std::string batchCopyPath;
    int next = 2;
    for (; next + 1 < argc && std::strncmp(argv[next], "--", 2) == 0; next += 2)
    {
        const std::string option = argv[next];
        const std::string value = argv[next + 1];
        if (option == "--report")
        {
            reportPath = value;
        }
        else if (option == "--press")
        {
            press = value;
        }
        else if (option == "--hold")
        {
            holdPath = value;
        }
        else if (option == "--batch")
        {
            batchPath = value;
        }
        else if (option == "--batch-copy")
        {
            batchCopyPath = value;
        }
        else
        {
            std::fprintf(stderr, "unknown option %s\n", option.c_str());
            return 2;
        }
    }
    if (reportPath.empty() || next >= argc || (press != "" && press != "install" && press != "cancel"))
    {
        std::fprintf(stderr, "usage: InstallDriver run --report FILE [--press install|cancel] [--hold FILE] "
                             "[--batch FILE --batch-copy FILE] SETUP [ARGUMENT...]\n");
        return 2;
    }
    s_report = std::fopen(reportPath.c_str(), "wb");
    if (s_report == nullptr)
    {
        std::fprintf(stderr, "cannot write %s\n", reportPath.c_str());
        return 2;
    }

    HANDLE held = INVALID_HANDLE_VALUE;
    if (!holdPath.empty())
    {
        held = CreateFileA(holdPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        Report("held", held != INVALID_HANDLE_VALUE ? "yes" : "no");
    }

    std::string commandLine = Quote(argv[next]);
    for (int i = next + 1; i < argc; ++i)
    {
        commandLine += " ";
        commandLine += argv[i];
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(argv[next], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
    {
        Report("started", "no, error " + std::to_string(GetLastError()));
        return 1;
    }

    std::set<HWND> handled;
    const DWORD start = GetTickCount();
    bool finished = false;
    while (!finished)
    {
        finished = WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0;
        if (finished)
        {
            break;
        }
        if (GetTickCount() - start > RUN_TIMEOUT_MS)
        {
            Report("timeout", "yes");
            TerminateProcess(process.hProcess, 99);
            WaitForSingleObject(process.hProcess, 5000);
            break;
        }
        TopLevel windows = {process.dwProcessId, {}};
        EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&windows));
        for (const HWND window : windows._windows)
        {
            if (handled.count(window) != 0)
            {
                continue;
            }
            const std::string caption = WindowText(window);
            if (caption == DIALOG_CAPTION)
            {
                handled.insert(window);
                ReportDialog(window);
                if (!press.empty())
                {
                    const int id = press == "install" ? 6 : 2;
                    Report("pressed", press);
                    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
                }
            }
            else if (ClassName(window) == "#32770" && GetDlgItem(window, IDOK) != nullptr)
            {
                handled.insert(window);
                ReportMessageBox(window);
                PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            }
        }
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    Report("exit", std::to_string(static_cast<int>(exitCode)));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    if (!batchPath.empty())
    {
        // The batch cannot get past its first line while the held file is open.
        const bool copied = CopyFileA(batchPath.c_str(), batchCopyPath.c_str(), FALSE) != 0;
        Report("batch-copied", copied ? "yes" : "no");
    }
    if (held != INVALID_HANDLE_VALUE)
    {
        CloseHandle(held);
        const DWORD released = GetTickCount();
        while (GetTickCount() - released < CLEANUP_TIMEOUT_MS &&
               (FileExists(holdPath) || (!batchPath.empty() && FileExists(batchPath))))
        {
            Sleep(100);
        }
        Report("held-removed", FileExists(holdPath) ? "no" : "yes");
        if (!batchPath.empty())
        {
            Report("batch-removed", FileExists(batchPath) ? "no" : "yes");
        }
    }
    std::fclose(s_report);
    return 0;
}

int RegSet(const char* keyPath, const char* name, const char* value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
    {
        std::fprintf(stderr, "cannot create HKLM\\%s\n", keyPath);
        return 1;
    }
    const LONG result = RegSetValueExA(key, *name != '\0' ? name : nullptr, 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(value), static_cast<DWORD>(strlen(value) + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? 0 : 1;
}

int RegDump(const char* keyPath, const char* outputPath)
{
    FILE* output = std::fopen(outputPath, "wb");
    if (output == nullptr)
    {
        return 2;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
    {
        std::fprintf(output, "missing\n");
        std::fclose(output);
        return 0;
    }
    for (DWORD index = 0;; ++index)
    {
        char name[256];
        DWORD nameLength = sizeof name;
        BYTE data[4096];
        DWORD dataLength = sizeof data - 1;
        DWORD type = 0;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &dataLength) != ERROR_SUCCESS)
        {
            break;
        }
        if (type == REG_SZ)
        {
            data[dataLength] = 0;
            std::fprintf(output, "%s=[%s]\n", name, reinterpret_cast<const char*>(data));
        }
    }
    RegCloseKey(key);
    std::fclose(output);
    return 0;
}

int RegDel(const char* keyPath)
{
    const LONG result = RegDeleteTreeA(HKEY_LOCAL_MACHINE, keyPath);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "run")
    {
        return Run(argc, argv);
    }
    if (command == "regset" && argc == 5)
    {
        return RegSet(argv[2], argv[3], argv[4]);
    }
    if (command == "regdump" && argc == 4)
    {
        return RegDump(argv[2], argv[3]);
    }
    if (command == "regdel" && argc == 3)
    {
        return RegDel(argv[2]);
    }
    std::fprintf(stderr, "usage: InstallDriver run|regset|regdump|regdel ...\n");
    return 2;
}
