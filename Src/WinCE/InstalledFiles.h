// Where an installed copy of the game finds its data file and its manual, and
// the two store values that name them ("Resource File", "Help File").
//
// On the device the package installation wrote both values; here the
// installation step `Skyreach --install` writes them, and so does the first
// start of an installed game: when the store lacks a value, or names a file
// that is gone, the program looks for the file in the folders it was
// installed with and records what it finds the same way the installation
// step does. The folders are the data folder relative to the running program
// (so that a tree installed under any prefix, or unpacked anywhere, finds its
// own files) and then the data folder of the prefix the program was built
// for. The game then never needs a set-up step; a copy whose data file is
// nowhere gets one message naming every folder it looked in.
#pragma once

#include <string>
#include <vector>

class InstalledFiles
{
public:
    static constexpr const char* DATA_FILE_NAME = "Skyreach.dat";
    static constexpr const char* MANUAL_NAME = "JetWarden.html";

    // Searches the given folders, in order.
    explicit InstalledFiles(std::vector<std::string> folders);
    // The folders of this program: the data folder relative to the running
    // executable, then the one of the install prefix it was built for.
    static InstalledFiles ForThisProgram();
    // The same folders for a program at `executable` built for the data
    // folder `installedDataFolder`, which lies at `dataFolderFromProgram`
    // relative to the installed program's folder.
    static InstalledFiles ForProgram(const std::string& executable, const std::string& dataFolderFromProgram,
                                     const std::string& installedDataFolder);

    const std::vector<std::string>& GetFolders() const { return _folders; }
    // The folders as one text for messages: "A", "A and B", "A, B and C".
    std::string DescribeFolders() const;

    // The first regular file of that name in the folders, with every link
    // resolved; empty when there is none.
    std::string Find(const char* name) const;

    // Writes the values as the installation step does: the application key is
    // created when missing, each non-empty path is stored as a UTF-16 string
    // (an empty one leaves its value as it is). False with the reason when
    // the key cannot be made.
    struct Paths
    {
        std::string dataFile;
        std::string manual;
    };
    static bool Record(const Paths& paths, std::string* error);

    // The first start: records the installed data file and manual where the
    // store has no value for them or names a file that does not exist.
    // False with a message naming the folders searched when the store is left
    // without a data file that exists (a missing manual is no reason to stop:
    // the help screen says so when it is asked for).
    bool RecordMissing(std::string* error) const;

private:
    std::vector<std::string> _folders;
};
