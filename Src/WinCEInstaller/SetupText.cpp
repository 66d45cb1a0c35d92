#include "SetupText.h"

#include "SetupIni.h"

std::string SetupText::ModuleDirectory(const std::string& moduleFileName)
{
    const size_t slash = moduleFileName.rfind('\\');
    if (slash == std::string::npos || slash == 0)
    {
        return std::string();
    }
    return moduleFileName.substr(0, slash);
}

std::string SetupText::ManagerDirectory(const std::string& managerPath)
{
    const size_t slash = managerPath.rfind('\\');
    if (slash == std::string::npos)
    {
        return std::string();
    }
    return managerPath.substr(0, slash + 1);
}

bool SetupText::HasSwitch(const std::string& commandLine, const char* name)
{
    return commandLine.find(name) != std::string::npos;
}

std::string SetupText::UninstallArgument(const std::string& commandLine)
{
    const std::string name = UNINSTALL_SWITCH;
    const size_t at = commandLine.find(name);
    if (at == std::string::npos)
    {
        return std::string();
    }
    return SetupIni::TrimBlanks(commandLine.substr(at + name.size()));
}

std::vector<std::string> SetupText::FileList(FileMode mode, const std::string& moduleDirectory,
                                             const std::vector<std::string>& cabFiles)
{
    std::vector<std::string> files;
    if (mode == FileMode::Install)
    {
        files.push_back(SETUP_EXE);
    }
    files.push_back(moduleDirectory + "\\" + SETUP_INI);
    files.insert(files.end(), cabFiles.begin(), cabFiles.end());
    return files;
}

std::string SetupText::DoubleZeroList(const std::vector<std::string>& entries)
{
    size_t size = 1;
    for (const std::string& entry : entries)
    {
        size += entry.size() + 1;
    }
    std::string list;
    list.reserve(size);
    for (const std::string& entry : entries)
    {
        list += entry;
        list += '\0';
    }
    list += '\0';
    return list;
}

std::string SetupText::DestinationFolder(const std::string& destinationBase, const std::string& component)
{
    return destinationBase + DESTINATION_PREFIX + component;
}

std::string SetupText::UninstallString(const std::string& destinationFolder)
{
    return "\"" + destinationFolder + "\\" + SETUP_EXE + "\" " + UNINSTALL_SWITCH + " ";
}

std::string SetupText::ManagerCommandLine(const std::string& managerPath, const std::string& destinationFolder)
{
    return managerPath + " \"" + destinationFolder + "\\" + SETUP_INI + "\"";
}

std::string SetupText::SelfDeleteBatch(const std::string& programPath, const std::string& moduleDirectory)
{
    const std::string program = EscapeForBatch(programPath);
    const std::string folder = EscapeForBatch(moduleDirectory);
    return ":Repeat\r\n"
           "del \"" +
           program +
           "\"\r\n"
           "if exist \"" +
           program +
           "\" goto Repeat\r\n"
           "rmdir \"" +
           folder +
           "\"\r\n"
           "del \"" +
           BATCH_PATH + "\"\r\n";
}

std::string SetupText::EscapeForBatch(const std::string& path)
{
    std::string escaped;
    escaped.reserve(path.size());
    for (const char c : path)
    {
        escaped += c;
        if (c == '%')
        {
            escaped += '%';
        }
    }
    return escaped;
}
