// The game's data file: one read-only file holding every bitmap, font, table
// and help page as a named entry (see DataFileIndex for the index format).
//
// Exactly one DataFile exists at a time. The game opens it lazily on the
// first VirtualFile, from the path in the application key's "Resource File"
// value, and keeps it open until the program ends. Tests and tools point it
// at a file directly with `UseFile`. A data file that is missing, cannot be
// read or has a damaged index stops the program with "Couldn't load
// datafile" and the file's name and what is wrong with it.
//
// All virtual files share the data file's one file pointer; each of their
// reads seeks first, so they may be used in any interleaving on the one
// thread.
#pragma once

#include "WinCE/DataFileIndex.h"
#include "WinCE/FileIO.h"

#include <string>

class DataFile : public FileIO
{
public:
    explicit DataFile(const char16_t* path);
    explicit DataFile(const std::string& hostPath);

    // Open and with a sound index.
    bool IsOpen() const override { return FileIO::IsOpen() && _indexOk; }
    // Why the file is not open, empty when it is.
    const std::string& GetError() const { return _error; }

    // The offset and size of the named entry; false when there is none.
    bool Find(const char* name, uint32_t* offset, int32_t* size) const;
    const DataFileIndex& GetIndex() const { return _index; }

    // Makes the process's data file from a path. There must be none yet
    // ("!_df"). A file that is not open is the fatal "Couldn't load datafile".
    static DataFile* Create(const char16_t* path);
    // The process's data file, opened from "Resource File" on first use.
    static DataFile* Get();
    // Replaces the process's data file by the one at `hostPath`.
    static void UseFile(const std::string& hostPath);
    // Closes the process's data file; the next Get() opens it again.
    static void Destroy();
    // The process's data file if one is open, else null.
    static DataFile* Current() { return _df; }

private:
    void ReadIndex();
    static void Install(DataFile* file);

    DataFileIndex _index;
    bool _indexOk;
    std::string _error;

    static DataFile* _df;
};
