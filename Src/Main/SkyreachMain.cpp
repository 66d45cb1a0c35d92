// Program entry of the game. The application object takes over from here once
// the screens exist; until then the program reports its version and exits.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--version") == 0)
        {
            std::printf("Jet Warden 1.0\n");
            return 0;
        }
    }
    std::printf("Jet Warden 1.0: the game screens are not part of this build yet; nothing to show.\n");
    return 0;
}
