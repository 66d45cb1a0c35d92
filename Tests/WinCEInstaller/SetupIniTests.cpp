#include "SetupIni.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

const char* const MODULE = "C:\\Package";

SetupIni Read(const std::string& text)
{
    SetupIni ini(MODULE);
    ini.ReadText(text);
    return ini;
}

} // namespace

TEST(SetupIni, KeysIgnoreCaseAndBlanksWhileValuesKeepTheirCase)
{
    const SetupIni ini = Read("  COMPONENT   =   Jet Warden  \n"
                              "UnInstall= Jet Warden Deluxe\n"
                              "CabFiles =Game.CAB\n");
    EXPECT_EQ("Jet Warden", ini.Component());
    EXPECT_EQ("Jet Warden Deluxe", ini.UninstallName());
    EXPECT_EQ("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Jet Warden Deluxe", ini.UninstallKeyPath());
    EXPECT_EQ(std::vector<std::string>{"C:\\Package\\Game.CAB"}, ini.CabFiles());
}

TEST(SetupIni, OnlyTheKeyBeforeTheFirstEqualsSignIsFolded)
{
    // The second "=" belongs to the value, which keeps its capitals.
    const SetupIni ini = Read("Component=A=B Game\n");
    EXPECT_EQ("A=B Game", ini.Component());
}

TEST(SetupIni, CabinetPiecesAreTakenVerbatimBetweenCommas)
{
    const SetupIni ini = Read("CabFiles = Game.ARM.CAB, Game.MIPS.CAB ,Game.SH3.CAB  \n");
    const std::vector<std::string> expected = {"C:\\Package\\Game.ARM.CAB", "C:\\Package\\ Game.MIPS.CAB ",
                                               "C:\\Package\\Game.SH3.CAB"};
    EXPECT_EQ(expected, ini.CabFiles());
}

TEST(SetupIni, CabinetLinesAddUpWhileOtherKeysAreReplaced)
{
    const SetupIni ini = Read("component=First\n"
                              "cabfiles=a.cab\n"
                              "uninstall=Old\n"
                              "component=Second\n"
                              "cabfiles=b.cab,c.cab\n"
                              "uninstall=New\n");
    EXPECT_EQ("Second", ini.Component());
    EXPECT_EQ("New", ini.UninstallName());
    const std::vector<std::string> expected = {"C:\\Package\\a.cab", "C:\\Package\\b.cab", "C:\\Package\\c.cab"};
    EXPECT_EQ(expected, ini.CabFiles());
}

TEST(SetupIni, LongerKeysAndLinesWithoutEqualsSignAreIgnored)
{
    const SetupIni ini = Read("componentX=Other\n"
                              "ComponentName = Other\n"
                              "component Other\n"
                              "uninstaller=Other\n"
                              "cabfilesX=x.cab\n"
                              "cabfiles\n"
                              "x component=Other\n");
    EXPECT_EQ("", ini.Component());
    EXPECT_EQ("", ini.UninstallName());
    EXPECT_EQ("", ini.UninstallKeyPath());
    EXPECT_TRUE(ini.CabFiles().empty());
}

TEST(SetupIni, SectionsAndForeignKeysAreIgnoredWherever)
{
    const SetupIni ini = Read("[CEAppManager]\r\n"
                              "Version      = 1.0\r\n"
                              "Component    = Jet Warden\r\n"
                              "\r\n"
                              "[Jet Warden]\r\n"
                              "Description  = Airline business simulation\r\n"
                              "Uninstall    = Jet Warden\r\n"
                              "CabFiles     = JW.ARM.CAB,JW.MIPS.CAB\r\n");
    EXPECT_EQ("Jet Warden", ini.Component());
    EXPECT_EQ("Jet Warden", ini.UninstallName());
    // Line ends written as CR LF read as a text stream reads them.
    const std::vector<std::string> expected = {"C:\\Package\\JW.ARM.CAB", "C:\\Package\\JW.MIPS.CAB"};
    EXPECT_EQ(expected, ini.CabFiles());
}

TEST(SetupIni, TheLastLineNeedsNoLineEnd)
{
    EXPECT_EQ("Game", Read("x=1\ncomponent=Game").Component());
    EXPECT_EQ("Game", Read("component=Game\r\n").Component());
}

TEST(SetupIni, OnlySpacesCountAsBlanks)
{
    // A tab is part of the text: the key no longer begins the line.
    EXPECT_EQ("", Read("\tcomponent=Game\n").Component());
    EXPECT_EQ("Game\t", Read("component=Game\t\n").Component());
}

TEST(SetupIni, AnEmptyValueClearsTheComponent)
{
    EXPECT_EQ("", Read("component=Game\ncomponent=\n").Component());
    EXPECT_EQ("", Read("component =   \n").Component());
}

TEST(SetupIni, AnEmptyUninstallNameGivesNoKeyPath)
{
    // Otherwise the parent key of every program's uninstall entry would be written and deleted.
    const SetupIni ini = Read("uninstall=Jet Warden\nuninstall= \n");
    EXPECT_EQ("", ini.UninstallName());
    EXPECT_EQ("", ini.UninstallKeyPath());
}

TEST(SetupIni, CabinetPiecesNamingNothingAreSkipped)
{
    // An empty piece would stand for the package folder itself.
    const SetupIni ini = Read("cabfiles=,a.cab,, ,b.cab,\ncabfiles=\n");
    const std::vector<std::string> expected = {"C:\\Package\\a.cab", "C:\\Package\\b.cab"};
    EXPECT_EQ(expected, ini.CabFiles());
}

TEST(SetupIni, TrimBlanks)
{
    EXPECT_EQ("", SetupIni::TrimBlanks(""));
    EXPECT_EQ("", SetupIni::TrimBlanks("    "));
    EXPECT_EQ("a b", SetupIni::TrimBlanks("  a b  "));
    EXPECT_EQ("\ta\t", SetupIni::TrimBlanks(" \ta\t "));
}
