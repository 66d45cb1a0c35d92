#include "SetupText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;

TEST(SetupText, ModuleDirectoryIsCutAtTheLastBackslash)
{
    EXPECT_EQ("C:\\Temp\\Package", SetupText::ModuleDirectory("C:\\Temp\\Package\\Setup.exe"));
    EXPECT_EQ("C:", SetupText::ModuleDirectory("C:\\Setup.exe"));
    EXPECT_EQ("", SetupText::ModuleDirectory("Setup.exe"));
    EXPECT_EQ("", SetupText::ModuleDirectory("\\Setup.exe"));
    EXPECT_EQ("", SetupText::ModuleDirectory(""));
}

TEST(SetupText, ManagerDirectoryKeepsItsBackslash)
{
    EXPECT_EQ("C:\\Program Files\\Sync\\", SetupText::ManagerDirectory("C:\\Program Files\\Sync\\CEAppMgr.exe"));
    EXPECT_EQ("", SetupText::ManagerDirectory("CEAppMgr.exe"));
}

TEST(SetupText, SwitchesAreFoundAnywhereInTheCommandLine)
{
    const std::string commandLine = "\"C:\\Sync\\Northgate Soft Game\\Setup.exe\" /uninstall ";
    EXPECT_TRUE(SetupText::HasSwitch(commandLine, SetupText::UNINSTALL_SWITCH));
    EXPECT_FALSE(SetupText::HasSwitch(commandLine, SetupText::SELFREMOVE_SWITCH));
    EXPECT_TRUE(SetupText::HasSwitch("Setup.exe/selfremove", SetupText::SELFREMOVE_SWITCH));
    EXPECT_EQ("", SetupText::UninstallArgument(commandLine));
    EXPECT_EQ("D:\\Other\\", SetupText::UninstallArgument("Setup.exe /uninstall   D:\\Other\\  "));
    EXPECT_EQ("", SetupText::UninstallArgument("Setup.exe"));
}

TEST(SetupText, FileListStartsWithTheProgramOnlyWhenInstalling)
{
    const std::vector<std::string> cabs = {"C:\\P\\a.cab", "C:\\P\\ b.cab"};
    const std::vector<std::string> install = {"Setup.exe", "C:\\P\\Setup.ini", "C:\\P\\a.cab", "C:\\P\\ b.cab"};
    const std::vector<std::string> remove = {"C:\\P\\Setup.ini", "C:\\P\\a.cab", "C:\\P\\ b.cab"};
    EXPECT_EQ(install, SetupText::FileList(FileMode::Install, "C:\\P", cabs));
    EXPECT_EQ(remove, SetupText::FileList(FileMode::Uninstall, "C:\\P", cabs));
    EXPECT_EQ(remove, SetupText::FileList(FileMode::SelfRemove, "C:\\P", cabs));
}

TEST(SetupText, DoubleZeroListIsSizedExactly)
{
    const std::string list = SetupText::DoubleZeroList({"Setup.exe", "C:\\P\\Setup.ini"});
    EXPECT_EQ("Setup.exe\0C:\\P\\Setup.ini\0\0"s, list);
    EXPECT_EQ(9u + 1 + 14 + 1 + 1, list.size());
    EXPECT_EQ("\0"s, SetupText::DoubleZeroList({}));
    // The single destination folder handed to the copy.
    EXPECT_EQ("C:\\M\\Northgate Soft Game\0\0"s, SetupText::DoubleZeroList({"C:\\M\\Northgate Soft Game"}));
}

TEST(SetupText, InstallationTexts)
{
    const std::string folder = SetupText::DestinationFolder("C:\\M\\", "Game");
    EXPECT_EQ("C:\\M\\Northgate Soft Game", folder);
    EXPECT_EQ("Northgate Soft Game", SetupText::DestinationFolder("", "Game"));
    // The trailing blank after the switch is part of the stored value.
    EXPECT_EQ("\"C:\\M\\Northgate Soft Game\\Setup.exe\" /uninstall ", SetupText::UninstallString(folder));
    EXPECT_EQ("C:\\Program Files\\Sync\\CEAppMgr.exe \"C:\\M\\Northgate Soft Game\\Setup.ini\"",
              SetupText::ManagerCommandLine("C:\\Program Files\\Sync\\CEAppMgr.exe", folder));
}

TEST(SetupText, SelfDeleteBatch)
{
    EXPECT_EQ(":Repeat\r\n"
              "del \"C:\\M\\Northgate Soft Game\\Setup.exe\"\r\n"
              "if exist \"C:\\M\\Northgate Soft Game\\Setup.exe\" goto Repeat\r\n"
              "rmdir \"C:\\M\\Northgate Soft Game\"\r\n"
              "del \"\\DelUS.bat\"\r\n",
              SetupText::SelfDeleteBatch("C:\\M\\Northgate Soft Game\\Setup.exe", "C:\\M\\Northgate Soft Game"));
}

TEST(SetupText, SelfDeleteBatchKeepsPercentSignsLiteral)
{
    // The command interpreter would read "%Games%" as a variable and delete another file.
    EXPECT_EQ(":Repeat\r\n"
              "del \"C:\\100%% %%Games%%\\Setup.exe\"\r\n"
              "if exist \"C:\\100%% %%Games%%\\Setup.exe\" goto Repeat\r\n"
              "rmdir \"C:\\100%% %%Games%%\"\r\n"
              "del \"\\DelUS.bat\"\r\n",
              SetupText::SelfDeleteBatch("C:\\100% %Games%\\Setup.exe", "C:\\100% %Games%"));
}
