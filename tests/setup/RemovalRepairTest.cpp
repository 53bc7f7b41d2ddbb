// Removal and repair of an installation made on an in-memory machine.
#include "SetupFixture.h"

#include "RemovalRepair.h"

#include <gtest/gtest.h>

namespace {

const std::string kCommandLine = "-U " + kR + "\\uninstall.lst";

std::string RemovalListOf(const std::string& commandLine) {
    return ListPathFromCommandLine(commandLine, ListUse::Removal);
}

} // namespace

TEST(RemovalRepair, ListPathsOfCommandLines) {
    struct Case {
        const char* commandLine;
        ListUse use;
        const char* path;
    };
    for (const Case& c : {
             Case{"", ListUse::Removal, "repair\\uninstall.lst"},
             Case{"  ", ListUse::Repair, "repair\\repair.lst"},
             Case{"-U C:\\B\\repair\\uninstall.lst", ListUse::Removal,
                  "C:\\B\\repair\\uninstall.lst"},
             Case{"-U C:\\B\\repair\\uninstall.lst", ListUse::Repair, "C:\\B\\repair\\repair.lst"},
             Case{"-U \"C:\\A B\\repair\\uninstall.lst\"", ListUse::Removal,
                  "C:\\A B\\repair\\uninstall.lst"},
         })
        EXPECT_EQ(ListPathFromCommandLine(c.commandLine, c.use), c.path) << c.commandLine;
}

TEST(RemovalRepair, RemovalDeletesTheListedFilesAndHandsTheRestOver) {
    MemoryInstallSystem machine;
    PutMedium(machine);
    InstallBarcodeDllByDefault(machine);
    machine.boxes.clear();

    EXPECT_EQ(RunRemoval(machine, RemovalListOf(kCommandLine)), RemovalOutcome::HandedOver);
    EXPECT_EQ(machine.handOver, (std::vector<std::string>{"/c", "RD", "/s", "/q", kU}));
    EXPECT_EQ(CommandLineOf(machine.handOver), "/c RD /s /q \"C:\\Program Files\\Barcode\"");
    EXPECT_FALSE(machine.uninstallEntry);
    EXPECT_TRUE(machine.boxes.empty());
    for (const std::string& removed :
         {kD + "\\BARCODE.DLL", kD + "\\Barcode.dat", kU + "\\SONDREL.EXE", kR + "\\uninstall.lst",
          std::string("C:\\ProgramData\\Programs\\Sondrel.LNK")})
        EXPECT_EQ(machine.FindFile(removed), nullptr) << removed;
    // Not listed: the second DLL stays, and R goes with U in the command processor.
    EXPECT_NE(machine.FindFile(kD + "\\saplpdxt.dll"), nullptr);
    EXPECT_NE(machine.FindFile(kR + "\\BARCODE.DLL"), nullptr);

    machine.uninstallEntry = true;
    machine.handOverStarts = false;
    machine.AddFile(kR + "\\uninstall.lst", "-r " + kU + "\n");
    EXPECT_EQ(RunRemoval(machine, RemovalListOf(kCommandLine)), RemovalOutcome::HandOverFailed);
}

TEST(RemovalRepair, NothingIsRemovedWithoutTheEntryOrFromAForeignList) {
    MemoryInstallSystem machine;
    PutMedium(machine);
    InstallBarcodeDllByDefault(machine);
    machine.boxes.clear();
    const std::vector<std::string> installed = machine.FilePaths();

    machine.uninstallEntry = false;
    EXPECT_EQ(RunRemoval(machine, RemovalListOf(kCommandLine)), RemovalOutcome::NoUninstallEntry);
    EXPECT_TRUE(machine.boxes.empty());

    machine.uninstallEntry = true;
    const std::string list = kR + "\\uninstall.lst";
    MemoryInstallSystem::File edited = *machine.FindFile(list);
    edited.bytes.insert(0, kD + "\\kernel32.dll\n");
    machine.AddFile(list, edited.bytes);
    EXPECT_EQ(RunRemoval(machine, RemovalListOf(kCommandLine)), RemovalOutcome::Refused);
    ASSERT_EQ(machine.boxes.size(), 1u);
    EXPECT_EQ(machine.boxes[0].text.rfind("The list\n" + list + "\nis not the one", 0), 0u)
        << machine.boxes[0].text;

    EXPECT_EQ(machine.FilePaths(), installed);
    EXPECT_TRUE(machine.uninstallEntry);
    EXPECT_TRUE(machine.handOver.empty());
}

TEST(RemovalRepair, RepairRestoresFromTheRepairDirectoryAndSkipsMissingCopies) {
    MemoryInstallSystem machine;
    PutMedium(machine);
    InstallBarcodeDllByDefault(machine);
    machine.boxes.clear();
    machine.DeleteOneFile(kD + "\\BARCODE.DLL");
    machine.DeleteOneFile(kU + "\\SONDREL.EXE");
    machine.DeleteOneFile(kR + "\\SONDREL.EXE");

    EXPECT_TRUE(RunRepair(machine, ListPathFromCommandLine(kCommandLine, ListUse::Repair)));
    ASSERT_NE(machine.FindFile(kD + "\\BARCODE.DLL"), nullptr);
    EXPECT_EQ(machine.FindFile(kD + "\\BARCODE.DLL")->bytes, Content("BARCODE.DLL"));
    EXPECT_EQ(machine.FindFile(kU + "\\SONDREL.EXE"), nullptr);
    EXPECT_TRUE(machine.boxes.empty());
}
