// The texts the installer hands to Windows: the file lists for the shell's
// file operation, the destination folder, the uninstall string, the
// application manager's command line and the self-delete batch file, plus the
// reading of the installer's own command line and module path.
//
// Everything here is plain string work without Windows calls, so Setup.exe
// and the native unit tests share it. Paths use backslashes throughout.
#pragma once

#include <string>
#include <vector>

// What the file procedure does with the package files.
enum class FileMode
{
    Install = 0,   // copy them beside the application manager
    Uninstall = 1, // delete them and the uninstall key
    SelfRemove = 2 // delete them, keep the uninstall key
};

class SetupText
{
public:
    static constexpr const char* SETUP_EXE = "Setup.exe";
    static constexpr const char* SETUP_INI = "Setup.ini";
    static constexpr const char* DESTINATION_PREFIX = "Northgate Soft ";
    static constexpr const char* UNINSTALL_SWITCH = "/uninstall";
    static constexpr const char* SELFREMOVE_SWITCH = "/selfremove";
    static constexpr const char* BATCH_PATH = "\\DelUS.bat";

    // The directory of a module file name: everything before its last
    // backslash. Empty when there is no backslash or nothing before it.
    static std::string ModuleDirectory(const std::string& moduleFileName);

    // The directory of the application manager with its trailing backslash.
    // Empty when the path has no backslash.
    static std::string ManagerDirectory(const std::string& managerPath);

    // True when the switch occurs anywhere in the command line.
    static bool HasSwitch(const std::string& commandLine, const char* name);

    // The blank-trimmed text after "/uninstall" (empty when absent).
    static std::string UninstallArgument(const std::string& commandLine);

    // The files the file procedure works on, in order: in install mode the
    // bare "Setup.exe" (relative to the current directory), then
    // moduleDirectory\Setup.ini, then the cabinet files.
    static std::vector<std::string> FileList(FileMode mode, const std::string& moduleDirectory,
                                             const std::vector<std::string>& cabFiles);

    // The entries each followed by a zero byte, with one more zero at the
    // end: the form the shell's file operation reads. Its size is exactly
    // the sum of the entry lengths plus one per entry plus one.
    static std::string DoubleZeroList(const std::vector<std::string>& entries);

    // destinationBase + "Northgate Soft " + component.
    static std::string DestinationFolder(const std::string& destinationBase, const std::string& component);

    // "<destination>\Setup.exe" /uninstall  -- with the trailing blank.
    static std::string UninstallString(const std::string& destinationFolder);

    // <manager path> "<destination>\Setup.ini"
    static std::string ManagerCommandLine(const std::string& managerPath, const std::string& destinationFolder);

    // The batch file that waits until the program can be deleted, deletes it,
    // removes its folder and then itself.
    static std::string SelfDeleteBatch(const std::string& programPath, const std::string& moduleDirectory);

private:
    // Doubles every "%" so that the command interpreter reads the path as written.
    static std::string EscapeForBatch(const std::string& path);
};
