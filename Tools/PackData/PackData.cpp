// PackData: makes the game's data file from folders of asset files, or lists
// the entries of one.
//
//   PackData OUT.dat DIR...   pack every file under the folders
//   PackData --list FILE      one line per entry: name, offset, stored size,
//                             unpacked size, packed or plain
#include "PackData/DataPacker.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace
{
int Usage()
{
    std::fprintf(stderr, "usage: PackData OUT.dat DIR...\n"
                         "       PackData --list FILE\n");
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    std::string error;
    if (std::strcmp(argv[1], "--list") == 0)
    {
        if (argc != 3)
            return Usage();
        if (!DataPacker::List(argv[2], std::cout, &error))
        {
            std::cout.flush();
            std::fprintf(stderr, "PackData: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    if (argv[1][0] == '-')
        return Usage();

    DataPacker packer;
    for (int i = 2; i < argc; ++i)
    {
        if (!packer.AddFolder(argv[i], &error))
        {
            std::fprintf(stderr, "PackData: %s\n", error.c_str());
            return 1;
        }
    }
    if (!packer.Write(argv[1], &error))
    {
        std::fprintf(stderr, "PackData: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
