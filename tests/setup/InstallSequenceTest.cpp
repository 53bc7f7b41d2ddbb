// The barcode DLL's installation sequence on an in-memory machine: what is
// copied where, what the file copy refuses, and that a failed copy never
// leaves a damaged file where a good one stood.
#include "SetupFixture.h"

#include "InstallFiles.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Strings(std::initializer_list<const char*> texts) {
    return {texts.begin(), texts.end()};
}

} // namespace

TEST(InstallSequence, TheDllFromItsUnderscoreFormLandsInEveryPlaceWithItsBytes) {
    MemoryInstallSystem machine;
    PutMedium(machine);
    InstallState state = StartInstallState(machine, Product::BarcodeDll);
    EXPECT_EQ(state.utilitiesDirectory, kU);
    EXPECT_EQ(state.dllDirectory, kD);
    ASSERT_TRUE(InstallBarcodeDll(machine, state));

    for (const std::string& path :
         {kD + "\\BARCODE.DLL", kR + "\\BARCODE.DLL", kD + "\\saplpdxt.dll"}) {
        ASSERT_NE(machine.FindFile(path), nullptr) << path;
        EXPECT_EQ(machine.FindFile(path)->bytes, Content("BARCODE.DLL")) << path;
    }
    EXPECT_NE(machine.FindFile(kU + "\\Setup.exe"), nullptr);
    EXPECT_TRUE(state.installed);
    EXPECT_TRUE(machine.uninstallEntry);
    EXPECT_EQ(machine.profileWrites, Strings({"Barcode/Priv=1", "Barcode/DLL-location="
                                                                "C:\\WINDOWS\\SYSTEM32"}));
    EXPECT_EQ(machine.mappedSections, Strings({"Settings"}));
    // The only box: may U be created.
    ASSERT_EQ(machine.boxes.size(), 1u);
    EXPECT_EQ(machine.boxes[0].text, "Create directory C:\\Program Files\\Barcode?");
}

TEST(InstallSequence, NoSecondDllOnAGermanSystemOrAProductionServer) {
    for (bool german : {true, false}) {
        MemoryInstallSystem machine;
        PutMedium(machine);
        machine.german = german;
        machine.computerName = "p4711";
        InstallState state = StartInstallState(machine, Product::BarcodeDll);
        ASSERT_TRUE(InstallBarcodeDll(machine, state));
        EXPECT_EQ(machine.FindFile(kD + "\\saplpdxt.dll"), nullptr);
        EXPECT_EQ(machine.mappedSections.empty(), german);
    }
    EXPECT_TRUE(IsProductionServerName("P0001"));
    EXPECT_FALSE(IsProductionServerName("P00012"));
    EXPECT_FALSE(IsProductionServerName("PX001"));
}

TEST(InstallSequence, AFileUnder100BytesIsSkippedAndTheInstallationGoesOn) {
    MemoryInstallSystem machine;
    PutMedium(machine);
    machine.AddFile("E:\\ReadMe.txt", Content("ReadMe.txt", 50));
    InstallState state = InstallBarcodeDllByDefault(machine);

    EXPECT_EQ(machine.Captions(), Strings({"Barcode", "Cannot get file size ?"}));
    EXPECT_EQ(machine.boxes[1].text, "E:\\ReadMe.txt");
    EXPECT_EQ(machine.FindFile(kU + "\\ReadMe.txt"), nullptr);
    EXPECT_NE(machine.FindFile(kD + "\\Barcode.dat"), nullptr);
    EXPECT_EQ(machine.FindFile(kR + "\\repair.lst")->bytes.find("ReadMe"), std::string::npos);
}

TEST(InstallSequence, AnOlderDllAsksAndNoKeepsTheNewerOne) {
    MemoryInstallSystem machine;
    PutMedium(machine);
    machine.AddFile(kD + "\\BARCODE.DLL", "newer", "4.2.5.0");
    machine.Answer({BoxAnswer::Ok, BoxAnswer::No});
    InstallState state = StartInstallState(machine, Product::BarcodeDll);
    EXPECT_FALSE(InstallBarcodeDll(machine, state));

    ASSERT_EQ(machine.Captions(), Strings({"Barcode", "Are you sure?"}));
    const MessageBoxRequest& question = machine.boxes[1];
    EXPECT_EQ(question.text, "Overwrite file\nC:\\WINDOWS\\SYSTEM32\\BARCODE.DLL, version "
                             "4.2.5.0\nwith probably older version 4.2.4.0 ?");
    EXPECT_EQ(question.buttons, BoxButtons::YesNo);
    EXPECT_TRUE(question.secondButtonDefault);
    EXPECT_EQ(machine.FindFile(kD + "\\BARCODE.DLL")->bytes, "newer");
}

TEST(InstallSequence, AFailedCopyKeepsTheFileItWouldReplace) {
    struct Case {
        const char* what;
        const char* unreadable;  // a source that cannot be read
        const char* undeletable; // a target in use
        const char* caption;
    };
    for (const Case& c :
         {Case{"read", "E:\\BARCODE.DL_", "", "Error while reading"},
          Case{"replace", "", "C:\\WINDOWS\\SYSTEM32\\BARCODE.DLL", "Cannot create file"}}) {
        MemoryInstallSystem machine;
        PutMedium(machine);
        machine.AddFile(kD + "\\BARCODE.DLL", Content("the good old DLL"));
        machine.unreadable.insert(c.unreadable);
        machine.undeletable.insert(c.undeletable);
        EXPECT_FALSE(CopyInstallFile(machine, "E:\\", kD, "BARCODE.DLL", false)) << c.what;

        EXPECT_EQ(machine.Captions(), Strings({c.caption})) << c.what;
        EXPECT_EQ(machine.boxes[0].text, kD + "\\BARCODE.DLL") << c.what;
        EXPECT_EQ(machine.FindFile(kD + "\\BARCODE.DLL")->bytes, Content("the good old DLL"));
        EXPECT_EQ(machine.FindFile(kD + "\\BARCODE.DLL.~new"), nullptr) << c.what;
    }
}

TEST(InstallSequence, ARetryAfterAMissingRequiredFileRecordsEachFileOnce) {
    MemoryInstallSystem machine;
    PutMedium(machine);
    machine.DeleteOneFile("E:\\Barcode.dat");
    InstallState state = StartInstallState(machine, Product::BarcodeDll);
    EXPECT_FALSE(InstallBarcodeDll(machine, state));
    EXPECT_EQ(machine.Captions(), Strings({"Barcode", "File not found"}));
    EXPECT_EQ(machine.boxes[1].text, "E:\\Barcode.da_");

    machine.AddFile("E:\\Barcode.dat", Content("Barcode.dat"));
    ASSERT_TRUE(InstallBarcodeDll(machine, state));
    WriteListsOfInstallation(machine, state);
    const std::string& list = machine.FindFile(kR + "\\uninstall.lst")->bytes;
    EXPECT_EQ(list.find("SONDREL.EXE"), list.rfind("SONDREL.EXE"));
}

TEST(InstallSequence, ADllDirectoryBelowTheUtilitiesIsCreatedFirst) {
    MemoryInstallSystem machine;
    PutMedium(machine);
    InstallState state = StartInstallState(machine, Product::BarcodeDll);
    state.dllDirectory = kU + "\\dll\\";
    ASSERT_TRUE(InstallBarcodeDll(machine, state));
    EXPECT_NE(machine.FindFile(kU + "\\DLL\\BARCODE.DLL"), nullptr);
    EXPECT_EQ(machine.boxes.size(), 1u); // no question for the DLL directory
}

TEST(InstallSequence, ThePrintServerIsCopiedWithoutLists) {
    MemoryInstallSystem machine;
    machine.AddFile("E:\\QUODRA_SERVER.EX_", Content("QUODRA_SERVER.EXE"));
    machine.AddFile("E:\\Quodra_Manual.pdf", Content("Quodra_Manual.pdf"));
    InstallState state = StartInstallState(machine, Product::QuodraServer);
    EXPECT_EQ(state.utilitiesDirectory, "C:\\Program Files\\QuodraServer");
    // No Barcode.dat on the medium: the attempt fails after the server was copied.
    EXPECT_FALSE(InstallQuodraServer(machine, state));
    EXPECT_TRUE(state.installed);
    EXPECT_EQ(machine.boxes.back().text, "E:\\Barcode.da_");

    machine.AddFile("E:\\Barcode.dat", Content("Barcode.dat"));
    ASSERT_TRUE(InstallQuodraServer(machine, state));
    const std::string u = state.utilitiesDirectory + "\\";
    EXPECT_NE(machine.FindFile(u + "QUODRA_SERVER.EXE"), nullptr);
    EXPECT_NE(machine.FindFile(u + "Quodra_Manual.pdf"), nullptr);
    EXPECT_NE(machine.FindFile(kD + "\\Barcode.dat"), nullptr);
    EXPECT_FALSE(machine.uninstallEntry);
    EXPECT_TRUE(state.lists.RepairListEmpty());
    EXPECT_TRUE(state.lists.UninstallListEmpty());
    RecordServiceRemoval(state);
    const std::string list = state.lists.UninstallListText(state.utilitiesDirectory);
    EXPECT_EQ(list.substr(0, list.find('\n')),
              "-c C:\\Program Files\\QuodraServer\\QUODRA_SERVER.EXE -u");
}
