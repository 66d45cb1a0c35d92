#include "WinCE/InstalledFiles.h"

#include "WinCE/DebugOutput.h"
#include "WinCE/RegKey.h"
#include "WinCE/RegValue.h"
#include "WinCE/Str2Unicode.h"

#include <filesystem>
#include <system_error>
#include <utility>

// The build names the installed data folder, absolute and as seen from the
// installed program's folder; these stand in for a build without install
// rules.
#ifndef SKYREACH_INSTALLED_DATA_FOLDER
#define SKYREACH_INSTALLED_DATA_FOLDER "/usr/local/share/jet-warden"
#endif
#ifndef SKYREACH_DATA_FOLDER_FROM_PROGRAM
#define SKYREACH_DATA_FOLDER_FROM_PROGRAM "../share/jet-warden"
#endif

namespace fs = std::filesystem;

namespace
{
bool IsFile(const std::string& path)
{
    std::error_code error;
    return !path.empty() && fs::is_regular_file(path, error);
}

// A folder without "." or ".." steps or a trailing slash, so that one folder
// is written one way in the search and in messages.
std::string Normal(const fs::path& folder)
{
    std::string text = folder.lexically_normal().string();
    if (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

std::string StringValue(RegKey& key, const char* name)
{
    return Utf16ToUtf8(key.Value(name)->GetString());
}
} // namespace

InstalledFiles::InstalledFiles(std::vector<std::string> folders) : _folders(std::move(folders)) {}

InstalledFiles InstalledFiles::ForThisProgram()
{
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return ForProgram(error ? std::string() : executable.string(), SKYREACH_DATA_FOLDER_FROM_PROGRAM,
                      SKYREACH_INSTALLED_DATA_FOLDER);
}

InstalledFiles InstalledFiles::ForProgram(const std::string& executable,
                                          const std::string& dataFolderFromProgram,
                                          const std::string& installedDataFolder)
{
    std::vector<std::string> folders;
    // Without a known program path only the built-in prefix is left.
    if (!executable.empty())
        folders.push_back(Normal(fs::path(executable).parent_path() / dataFolderFromProgram));
    const std::string prefixFolder = Normal(installedDataFolder);
    if (folders.empty() || folders.front() != prefixFolder)
        folders.push_back(prefixFolder);
    return InstalledFiles(std::move(folders));
}

std::string InstalledFiles::DescribeFolders() const
{
    std::string text;
    for (size_t i = 0; i < _folders.size(); ++i)
    {
        if (i > 0)
            text += i + 1 == _folders.size() ? " and " : ", ";
        text += _folders[i];
    }
    return text;
}

std::string InstalledFiles::Find(const char* name) const
{
    for (const std::string& folder : _folders)
    {
        const std::string candidate = (fs::path(folder) / name).string();
        if (!IsFile(candidate))
            continue;
        // The installation step records resolved paths; so does the first start.
        std::error_code error;
        const fs::path resolved = fs::canonical(candidate, error);
        return error ? candidate : resolved.string();
    }
    return std::string();
}

bool InstalledFiles::Record(const Paths& paths, std::string* error)
{
    RegKey key(HKEY_LOCAL_MACHINE, RegKey::AppKeyPath().c_str(), true);
    if (!key.IsOpen())
    {
        *error = "Couldn't create the application key in " + RegistryStore::Default().GetPath();
        return false;
    }
    if (!paths.dataFile.empty())
        key.Value("Resource File")->SetString(Utf8ToUtf16(paths.dataFile).c_str());
    if (!paths.manual.empty())
        key.Value("Help File")->SetString(Utf8ToUtf16(paths.manual).c_str());
    return true;
}

bool InstalledFiles::RecordMissing(std::string* error) const
{
    std::string recordedData;
    std::string recordedManual;
    {
        // Read and closed before anything is written: a value object writes
        // itself back when its key closes, which would undo a newer value.
        RegKey key(HKEY_LOCAL_MACHINE, RegKey::AppKeyPath().c_str(), true);
        if (!key.IsOpen())
        {
            *error = "Couldn't create the application key in " + RegistryStore::Default().GetPath();
            return false;
        }
        recordedData = StringValue(key, "Resource File");
        recordedManual = StringValue(key, "Help File");
    }

    Paths found;
    if (!IsFile(recordedData))
        found.dataFile = Find(DATA_FILE_NAME);
    if (!IsFile(recordedManual))
        found.manual = Find(MANUAL_NAME);
    if (!found.dataFile.empty() || !found.manual.empty())
    {
        if (!Record(found, error))
            return false;
        DebugPrintf("Recorded the installed files in the store:%s%s%s%s\n",
                    found.dataFile.empty() ? "" : " Resource File = ", found.dataFile.c_str(),
                    found.manual.empty() ? "" : " Help File = ", found.manual.c_str());
    }
    if (IsFile(recordedData) || !found.dataFile.empty())
        return true;

    std::string reason = std::string(DATA_FILE_NAME) + " is not in " + DescribeFolders();
    if (!recordedData.empty())
        reason = "the recorded " + recordedData + " does not exist and " + reason;
    *error = "Couldn't load datafile: " + reason +
             ". Reinstall the game, or name the data file with: Skyreach --install --data PATH";
    return false;
}
