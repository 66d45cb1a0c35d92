// The package description read from Setup.ini: the component name, the
// uninstall name with the uninstall key path formed from it, and the cabinet
// files that travel with the installer.
//
// Setup.ini is the application manager's own INI file; the installer looks
// only at three kinds of lines ("component=", "uninstall=", "cabfiles=") and
// ignores everything else, section headers included, wherever it stands. The
// key before the first "=" is case-insensitive, blanks (the space character
// only) around the line and around the "=" do not count, and the cabinet
// names are taken verbatim between the commas. This class has no Windows
// calls so that the same reading rules are unit-tested on the build machine
// and compiled into Setup.exe.
#pragma once

#include <string>
#include <vector>

class SetupIni
{
public:
    // The registry path under which the uninstall entries of all programs live.
    static constexpr const char* UNINSTALL_ROOT = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

    // Cabinet names are made absolute by prefixing moduleDirectory and a backslash.
    explicit SetupIni(std::string moduleDirectory);

    // Reads a whole file's text. Lines end at a line feed; a carriage return
    // just before it is dropped, as a text-mode stream would.
    void ReadText(const std::string& text);

    // Reads one line without its line end.
    void ReadLine(std::string line);

    const std::string& Component() const { return _component; }
    const std::string& UninstallName() const { return _uninstallName; }

    // Empty while no non-empty uninstall name has been read.
    const std::string& UninstallKeyPath() const { return _uninstallKeyPath; }

    // Module directory + "\" + piece, for every cabinet name read, in order.
    const std::vector<std::string>& CabFiles() const { return _cabFiles; }

    // Removes leading and trailing space characters (only spaces).
    static std::string TrimBlanks(const std::string& text);

private:
    // When line starts with key and the trimmed remainder begins with "=",
    // stores the trimmed text after the "=" in value and returns true.
    static bool MatchKey(const std::string& line, const char* key, std::string& value);

    void AddCabFiles(const std::string& value);

    std::string _moduleDirectory;
    std::string _component;
    std::string _uninstallName;
    std::string _uninstallKeyPath;
    std::vector<std::string> _cabFiles;
};
