// The removal and repair lists: their texts as an installation writes them,
// and the checks that refuse every list the installation did not write.
#include "InstallPaths.h"
#include "RegistryEntries.h"
#include "RemovalList.h"
#include "RepairList.h"
#include "RemovalRepair.h"
#include "SetupFixture.h"

#include <gtest/gtest.h>

namespace {

const std::string kRemovalListPath = kR + "\\uninstall.lst";
const std::string kRepairListPath = kR + "\\repair.lst";

RemovalContext ContextOfInstallation(const std::string& listPath = kRemovalListPath) {
    MemoryInstallSystem machine;
    return {listPath, kD, machine.machine};
}

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

const std::string kEnd = "-r " + kU;

} // namespace

TEST(InstallLists, TextsOfAnInstallation) {
    MemoryInstallSystem machine;
    PutMedium(machine);
    InstallBarcodeDllByDefault(machine);

    ASSERT_NE(machine.FindFile(kRepairListPath), nullptr);
    EXPECT_EQ(machine.FindFile(kRepairListPath)->bytes, "D=C:\\WINDOWS\\SYSTEM32\n"
                                                        "U=C:\\Program Files\\Barcode\n"
                                                        "U SONDREL.EXE\n"
                                                        "U ReadMe.txt\n"
                                                        "U Manual.pdf\n"
                                                        "D BARCODE.DLL\n"
                                                        "D Barcode.dat\n"
                                                        "U Barcode.dat\n");
    ASSERT_NE(machine.FindFile(kRemovalListPath), nullptr);
    EXPECT_EQ(machine.FindFile(kRemovalListPath)->bytes,
              "C:\\Program Files\\Barcode\\SONDREL.EXE\n"
              "C:\\Program Files\\Barcode\\ReadMe.txt\n"
              "C:\\Program Files\\Barcode\\Manual.pdf\n"
              "C:\\WINDOWS\\SYSTEM32\\BARCODE.DLL\n"
              "C:\\WINDOWS\\SYSTEM32\\Barcode.dat\n"
              "C:\\Program Files\\Barcode\\Barcode.dat\n"
              "C:\\ProgramData\\Programs\\Sondrel.LNK\n"
              "C:\\Program Files\\Barcode\\repair\\repair.lst\n"
              "C:\\Program Files\\Barcode\\repair\\uninstall.lst\n"
              "-r C:\\Program Files\\Barcode\n");

    // Both lists are accepted as the installation's own.
    RemovalPlan removal = PlanRemoval(machine.FindFile(kRemovalListPath)->bytes,
                                      {kRemovalListPath, kD, machine.machine});
    EXPECT_FALSE(removal.refusal) << removal.refusal.reason;
    EXPECT_EQ(removal.steps.size(), 10u);
    RepairPlan repair = PlanRepair(machine.FindFile(kRepairListPath)->bytes, kRepairListPath);
    EXPECT_FALSE(repair.refusal) << repair.refusal.reason;
    EXPECT_EQ(repair.dllDirectory, kD);
    EXPECT_EQ(repair.files.size(), 6u);
}

TEST(InstallLists, TheUninstallEntryStartsTheRemovalOfItsList) {
    auto values = UninstallEntryValues(kU);
    ASSERT_EQ(values.size(), 6u);
    EXPECT_EQ(values[0], (std::pair<std::string, std::string>{"DisplayName", "Barcode DLL"}));
    EXPECT_EQ(values[5].first, "UninstallString");
    EXPECT_EQ(values[5].second, "\"C:\\Program Files\\Barcode\\Setup.exe\" -U "
                                "C:\\Program Files\\Barcode\\repair\\uninstall.lst");
    EXPECT_EQ(ListPathFromCommandLine(values[5].second.substr(values[5].second.find("-U ")),
                                      ListUse::Removal),
              kRemovalListPath);
}

TEST(InstallLists, TheServersUninstallSwitchIsPassedOnce) {
    InstallLists lists;
    lists.AddInstalledPath(kU + "\\QUODRA_SERVER.EXE");
    lists.AddUninstallProgramFirst(kU + "\\QUODRA_SERVER.EXE");
    std::string text = lists.UninstallListText(kU);
    EXPECT_EQ(text.substr(0, text.find('\n')), "-c " + kU + "\\QUODRA_SERVER.EXE -u");

    RemovalPlan plan = PlanRemoval(text, ContextOfInstallation());
    ASSERT_FALSE(plan.refusal) << plan.refusal.reason;
    EXPECT_EQ(plan.steps[0].kind, RemovalKind::RunProgram);
    EXPECT_EQ(plan.steps[0].path, kU + "\\QUODRA_SERVER.EXE");
}

TEST(InstallLists, AShortRemoveLineIsAFileName) {
    struct Case {
        const char* line;
        RemovalKind kind;
        const char* path;
    };
    for (const Case& c : {Case{"-r C:\\", RemovalKind::DeleteFile, "-r C:\\"},
                          Case{"-r C:\\ab", RemovalKind::DeleteFile, "-r C:\\ab"},
                          Case{"-r C:\\abc", RemovalKind::RemoveDirectory, "C:\\abc"},
                          Case{"-d C:\\abc", RemovalKind::DeleteByCommandProcessor, "C:\\abc"},
                          Case{"C:\\abc", RemovalKind::DeleteFile, "C:\\abc"}}) {
        RemovalStep step = ClassifyRemovalLine(c.line);
        EXPECT_EQ(step.kind, c.kind) << c.line;
        EXPECT_EQ(step.path, c.path) << c.line;
    }
}

TEST(InstallLists, RemovalListsNotWrittenByTheInstallationAreRefused) {
    struct Case {
        const char* what;
        std::string listPath;
        std::string text;
        const char* reason; // a part of the refusal's reason
    };
    const std::string u = kU + "\\";
    const Case cases[] = {
        {"a drive root", kRemovalListPath, Lines({u + "SONDREL.EXE", "-r C:\\", kEnd}),
         "line 2 names a path outside"},
        {"the drive root as U", "C:\\repair\\uninstall.lst", Lines({"-r C:\\"}),
         "repair directory"},
        {"\"..\"", kRemovalListPath, Lines({u + "..\\..\\WINDOWS\\SYSTEM32\\kernel32.dll", kEnd}),
         "line 1 names"},
        {"a path elsewhere", kRemovalListPath, Lines({"C:\\Other\\file.txt", kEnd}),
         "outside the installation: C:\\Other\\file.txt"},
        {"a file of D the installer never copies", kRemovalListPath,
         Lines({kD + "\\kernel32.dll", kEnd}), "line 1 names"},
        {"the System directory itself", kRemovalListPath, Lines({kD, kEnd}), "line 1 names"},
        {"the Windows directory as U", "C:\\WINDOWS\\repair\\uninstall.lst",
         Lines({"-r C:\\WINDOWS"}), "C:\\WINDOWS is not one an installation may remove"},
        {"the ProgramFiles directory as U", "C:\\Program Files\\repair\\uninstall.lst",
         Lines({"-r C:\\Program Files"}), "is not one an installation may remove"},
        {"a character the command processor reads", "C:\\Tools\\%PATH%\\repair\\uninstall.lst",
         Lines({"-r C:\\Tools\\%PATH%"}), "is not one an installation may remove"},
        {"a line of 300 characters", kRemovalListPath,
         Lines({u + std::string(300 - u.size(), 'x'), kEnd}), "line 1 is too long"},
        {"a list outside its repair directory", "C:\\Temp\\uninstall.lst",
         Lines({"C:\\Temp\\x.txt", "-r C:\\Temp"}), "repair directory"},
        {"a list path not absolute", "repair\\uninstall.lst", Lines({kEnd}), "repair directory"},
        {"removing another directory", kRemovalListPath, Lines({"-r C:\\Program Files\\Other"}),
         "line 1 names"},
        {"removing U before the end", kRemovalListPath, Lines({kEnd, u + "SONDREL.EXE"}),
         "line 1 names"},
        {"no removal of U at the end", kRemovalListPath, Lines({u + "SONDREL.EXE"}),
         "does not end by removing"},
        {"a \"-d\" line", kRemovalListPath, Lines({"-d " + u + "SONDREL.EXE", kEnd}),
         "line 1 is of no kind it writes"},
        {"a program elsewhere", kRemovalListPath, Lines({"-c C:\\Other\\evil.exe -u", kEnd}),
         "line 1 names"},
        {"wild cards", kRemovalListPath, Lines({u + "*.*", kEnd}), "line 1 names"},
        {"an empty line", kRemovalListPath, Lines({u + "SONDREL.EXE", "", kEnd}), "line 2 names"},
    };
    for (const Case& c : cases) {
        RemovalPlan plan = PlanRemoval(c.text, ContextOfInstallation(c.listPath));
        EXPECT_TRUE(plan.refusal) << c.what;
        EXPECT_NE(plan.refusal.reason.find(c.reason), std::string::npos)
            << c.what << ": " << plan.refusal.reason;
        EXPECT_TRUE(plan.steps.empty()) << c.what;
    }
}

TEST(InstallLists, RepairListsNotWrittenByTheInstallationAreRefused) {
    const std::string head = Lines({"D=" + kD, "U=" + kU});
    struct Case {
        const char* what;
        std::string listPath;
        std::string text;
        bool refused;
    };
    const Case cases[] = {
        {"the installation's list, CR LF line ends and an unknown line", kRepairListPath,
         "D=" + kD + "\r\nU=" + kU + "\r\nD BARCODE.DLL\r\nX y\r\n", false},
        {"another U", kRepairListPath, Lines({"D=" + kD, "U=C:\\Other", "U SONDREL.EXE"}), true},
        {"no U", kRepairListPath, Lines({"D=" + kD, "D BARCODE.DLL"}), true},
        {"a path as the name", kRepairListPath, head + Lines({"D ..\\..\\evil.dll"}), true},
        {"a file the installer never copies", kRepairListPath, head + Lines({"D kernel32.dll"}),
         true},
        {"D not a drive path", kRepairListPath, Lines({"D=\\\\server\\x", "U=" + kU}), true},
        {"outside its repair directory", "C:\\Temp\\repair.lst", head, true},
        {"a line of 300 characters", kRepairListPath, head + "U " + std::string(298, 'x'), true},
    };
    for (const Case& c : cases) {
        RepairPlan plan = PlanRepair(c.text, c.listPath);
        EXPECT_EQ(static_cast<bool>(plan.refusal), c.refused)
            << c.what << ": " << plan.refusal.reason;
        if (c.refused) {
            EXPECT_TRUE(plan.files.empty()) << c.what;
        }
    }
}

// Lists of sound lines with stray pieces put in: whatever removal accepts
// deletes only files of the installation and removes U last.
TEST(InstallLists, AcceptedRemovalListsTouchOnlyTheInstallation) {
    const std::string lines[] = {kU + "\\SONDREL.EXE", kD + "\\BARCODE.DLL",
                                 "-c " + kU + "\\QUODRA_SERVER.EXE -u", kEnd};
    const std::string pieces[] = {kU,
                                  kD,
                                  "\\",
                                  "..",
                                  "-r ",
                                  "-c ",
                                  "-d ",
                                  " -u",
                                  "C:\\",
                                  "\n",
                                  "\r",
                                  "*",
                                  "%",
                                  "x",
                                  ":",
                                  "\\\\",
                                  "\\..\\",
                                  std::string(1, '\0'),
                                  std::string(1, '\xff')};
    const RemovalContext context = ContextOfInstallation();
    uint32_t seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    int accepted = 0;
    for (int round = 0; round < 5000; ++round) {
        std::string text;
        for (uint32_t count = 1 + next() % 5; count > 0; --count) {
            std::string line = lines[next() % std::size(lines)];
            if (next() % 2)
                line.insert(next() % (line.size() + 1), pieces[next() % std::size(pieces)]);
            text += line + "\n";
        }
        if (next() % 4) text += kEnd + "\n";
        RemovalPlan plan = PlanRemoval(text, context);
        if (plan.refusal) continue;
        ++accepted;
        ASSERT_EQ(plan.steps.back().kind, RemovalKind::RemoveDirectory) << text;
        EXPECT_EQ(plan.steps.back().path, kU);
        for (size_t i = 0; i + 1 < plan.steps.size(); ++i) {
            const RemovalStep& step = plan.steps[i];
            ASSERT_NE(step.kind, RemovalKind::RemoveDirectory) << text;
            ASSERT_NE(step.kind, RemovalKind::DeleteByCommandProcessor) << text;
            bool inD = EqualsNoCase(ParentOf(step.path), kD) &&
                       EqualsNoCase(FileNameOf(step.path), "BARCODE.DLL");
            EXPECT_TRUE(IsPlainDrivePath(step.path) && (IsBelowDirectory(step.path, kU) || inD))
                << text;
            EXPECT_EQ((step.path + "\\").find("\\..\\"), std::string::npos) << text;
        }
    }
    EXPECT_GT(accepted, 200); // the property is put to the test
}
