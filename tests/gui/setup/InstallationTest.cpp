// The whole installation from the medium, every page visited, then the
// machine read back from outside: the files and their bytes, the registry
// and the profile mapping, the uninstall entry, the shortcut, both lists.
#include "BuildFiles.h"
#include "Program.h"
#include "SetupCase.h"
#include "SetupMachine.h"
#include "WindowSearch.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace setupgui;

namespace {

// The lines of a list file, without their line ends.
std::vector<std::string> ListLines(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream in(FileBytes(path));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(Installation, RunsThroughEveryPageFromTheMedium) {
    RemoveInstallation(Paths().utilities);
    EXPECT_TRUE(RunWholeInstallation(CaseName()));
}

TEST(Installation, PutsEveryFileInPlaceByteForByte) {
    ASSERT_TRUE(EnsureInstalled(CaseName()));
    const InstallationPaths& paths = Paths();
    struct Installed {
        std::string directory;
        std::string name;
        const char* onMedium;
    };
    const Installed files[] = {
        {paths.utilities, "SONDREL.EXE", "SONDREL.EXE"},
        {paths.utilities, "ReadMe.txt", "ReadMe.txt"},
        {paths.utilities, "Setup.exe", "Setup.exe"},
        {paths.utilities, "Barcode.dat", "Barcode.dat"},
        {paths.dll, "BARCODE.DLL", "BARCODE.DL_"},
        {paths.dll, "saplpdxt.dll", "BARCODE.DL_"},
        {paths.dll, "Barcode.dat", "Barcode.dat"},
        {paths.Repair(), "SONDREL.EXE", "SONDREL.EXE"},
        {paths.Repair(), "ReadMe.txt", "ReadMe.txt"},
        {paths.Repair(), "BARCODE.DLL", "BARCODE.DL_"},
        {paths.Repair(), "Barcode.dat", "Barcode.dat"},
    };
    for (const Installed& file : files) {
        const std::string path = file.directory + "\\" + file.name;
        const std::string expected = FileBytes(DistributionFile(file.onMedium));
        ASSERT_FALSE(expected.empty()) << DistributionFile(file.onMedium);
        EXPECT_TRUE(FileBytes(path) == expected) << path << " differs from " << file.onMedium;
    }
    // Nothing else: no test program, no stand-in, no 64-bit copy by name.
    EXPECT_EQ(FileNamesIn(paths.utilities),
              (std::set<std::string>{"barcode.dat", "readme.txt", "setup.exe", "sondrel.exe"}));
    EXPECT_EQ(FileNamesIn(paths.dll),
              (std::set<std::string>{"barcode.dat", "barcode.dll", "saplpdxt.dll"}));
    EXPECT_EQ(FileNamesIn(paths.Repair()),
              (std::set<std::string>{"barcode.dat", "barcode.dll", "readme.txt", "repair.lst",
                                     "sondrel.exe", "uninstall.lst"}));
}

TEST(Installation, MapsTheProfileAndWritesTheDefaults) {
    ASSERT_TRUE(EnsureInstalled(CaseName()));
    const std::pair<const char*, const char*> defaults[] = {
        {"DefPriv", "1"},
        {"DefPZ", "1"},
        {"DefBS", "1"},
        {"DefB", "0"},
        {"DefH", "20"},
        {"DefSEC", "3"},
        {"DefADS", "0"},
        {"DefADB", "0"},
        {"DefBarWidth", "6"},
        {"DefBarCodeNameForActiveXControl", "2 of 5 Interleave"},
        {"DefBarCodeWidthForActiveXControl", "6"},
        {"DefBarCodeHeightForActiveXControl", "66"},
        {"DefBarWidthReduction", "66"},
        {"RegTestDir", "C:\\barcode dll\\RegTest\\"},
        {"DefLogEnabled", "0"},
        {"DefLogFile", "C:\\bc.log"},
        {"DefPrintError", "1"},
        {"DefC", "25I"},
    };
    EXPECT_EQ(MachineString(kIniFileMappingKey, "Settings").value_or("<absent>"),
              "SYS:Korvell\\barcodeDLL\\Settings");
    for (const auto& [name, data] : defaults) {
        EXPECT_EQ(MachineString(kSettingsKey, name).value_or("<absent>"), data) << name;
        EXPECT_EQ(ProfileString("Settings", name, "barcode.ini"), data)
            << name << " read through the profile functions";
    }
    // The mapping is in force, so the section is not marked.
    EXPECT_EQ(ProfileString("Settings", "DefIniok", "barcode.ini"), "<absent>");
    // The DLL's own section names the installed DLL's directory.
    EXPECT_EQ(ProfileString("Barcode", "Priv", "barcode.ini"), "1");
    EXPECT_EQ(ProfileString("Barcode", "DLL-location", "barcode.ini"), Paths().dll);
}

TEST(Installation, RegistersTheUninstallEntryAndTheShortcut) {
    ASSERT_TRUE(EnsureInstalled(CaseName()));
    const InstallationPaths& paths = Paths();
    EXPECT_EQ(MachineString(kUninstallKey, "DisplayName").value_or("<absent>"), "Barcode DLL");
    EXPECT_EQ(MachineString(kUninstallKey, "UninstallString").value_or("<absent>"),
              "\"" + paths.utilities + "\\Setup.exe\" -U " + paths.Repair() + "\\uninstall.lst");
    for (const char* name : {"Publisher", "HelpLink", "URLInfoAbout", "URLUpdateInfo"})
        EXPECT_FALSE(MachineString(kUninstallKey, name).value_or("").empty()) << name;
    EXPECT_EQ(MachineString(kUninstallKey, "HelpLink"),
              MachineString(kUninstallKey, "URLInfoAbout"));

    const std::string shortcut = CommonProgramsFolder() + "\\Sondrel.LNK";
    std::optional<ShellLinkContent> link = ReadShellLink(shortcut);
    ASSERT_TRUE(link.has_value()) << "no shortcut " << shortcut;
    EXPECT_TRUE(SameText(link->target, paths.utilities + "\\Sondrel.exe")) << link->target;
    EXPECT_EQ(link->description, "Barcode Testframe");
}

TEST(Installation, WritesBothLists) {
    ASSERT_TRUE(EnsureInstalled(CaseName()));
    const InstallationPaths& paths = Paths();
    const std::string& d = paths.dll;
    const std::string& u = paths.utilities;
    const std::string r = paths.Repair();
    EXPECT_EQ(ListLines(r + "\\repair.lst"),
              (std::vector<std::string>{"D=" + d, "U=" + u, "U SONDREL.EXE", "U ReadMe.txt",
                                        "D BARCODE.DLL", "D Barcode.dat", "U Barcode.dat"}));
    EXPECT_EQ(ListLines(r + "\\uninstall.lst"),
              (std::vector<std::string>{u + "\\SONDREL.EXE", u + "\\ReadMe.txt",
                                        d + "\\BARCODE.DLL", d + "\\Barcode.dat",
                                        u + "\\Barcode.dat", CommonProgramsFolder() + "\\Sondrel.LNK",
                                        r + "\\repair.lst", r + "\\uninstall.lst", "-r " + u}));
}

TEST(Installation, TheInstalledDllReadsTheProfileSetupPrepared) {
    ASSERT_TRUE(EnsureInstalled(CaseName()));
    // The DLL's log in its own section, for this one start.
    const std::string log = gui::JoinPath(gui::CaseRootDirectory(), "setup-dll.log");
    DeleteFileA(log.c_str());
    WritePrivateProfileStringA("BarCode", "LogEnabled", "3", "barcode.ini");
    WritePrivateProfileStringA("BarCode", "LogFile", log.c_str(), "barcode.ini");

    // Loaded from D by a process of its own, which ends with it: the driver
    // keeps no installed file in use. The DLL looks for its catalog in the
    // current, the Windows and the System directory: a D outside the System
    // directory serves a print server that runs in D.
    std::optional<DWORD> exitCode;
    {
        gui::Program probe(gui::BuiltFile("setup_dll_probe.exe"), Paths().dll,
                           {Paths().dll + "\\BARCODE.DLL"});
        ASSERT_TRUE(probe.Started()) << "error " << probe.StartError();
        exitCode = probe.WaitForExit(gui::kFirstWindowTimeoutMs);
        if (!exitCode) ADD_FAILURE() << "the DLL does not return; " << gui::DescribeDialogs(probe.Id());
    }
    WritePrivateProfileStringA("BarCode", "LogEnabled", nullptr, "barcode.ini");
    WritePrivateProfileStringA("BarCode", "LogFile", nullptr, "barcode.ini");
    EXPECT_EQ(exitCode, std::optional<DWORD>(0)) << "the installed DLL did not load and initialise";

    // "Priv" = 1 in its section: the defaults are read from barcode.ini, not
    // from the older win.ini.
    const std::string text = FileBytes(log);
    EXPECT_NE(text.find("Reading the defaults from \"barcode.ini\", section [BarCode]"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Default Height/H\xF6he H=20"), std::string::npos) << text;
    DeleteFileA(log.c_str());
}
