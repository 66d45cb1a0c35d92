// Fuzz target "setupini": bytes as the installer's Setup.ini.
//
// Any text is read without failing; what is kept follows the reading rules:
// cabinet names all carry the module folder, and the uninstall key is formed
// from the uninstall name alone.
#include "FuzzTarget.h"

#include "SetupIni.h"
#include "WinCE/Assert.h"

#include <string>

void fuzz_targets::RunSetupIni(const uint8_t* data, size_t size)
{
    const std::string folder = "C:\\Program Files\\Fuzz";
    SetupIni ini(folder);
    ini.ReadText(std::string(reinterpret_cast<const char*>(data), size));
    for (const std::string& cab : ini.CabFiles())
        ASSERT(cab.compare(0, folder.size() + 1, folder + "\\") == 0 && "a cabinet outside the module folder");
    if (ini.UninstallName().empty())
        ASSERT(ini.UninstallKeyPath().empty() && "an uninstall key without a name");
    else
        ASSERT(ini.UninstallKeyPath() == std::string(SetupIni::UNINSTALL_ROOT) + ini.UninstallName());
    ASSERT(ini.Component() == SetupIni::TrimBlanks(ini.Component()) && "a component name with blanks around it");
}
