// Making sure a target directory exists, and clearing old copies of the DLL
// out of the Windows directory.
#include "SetupFixture.h"

#include "InstallFiles.h"
#include "InstallPaths.h"

#include <gtest/gtest.h>

TEST(InstallFiles, ATargetDirectoryIsCreatedOnlyWhenTheUserAgrees) {
    struct Case {
        const char* what;
        std::string directory;
        bool currentDirectoryUnreadable;
        BoxAnswer answer;
        bool copied;
        std::vector<std::string> texts; // of the boxes shown
    };
    const Case cases[] = {
        {"exists", kD, false, BoxAnswer::Ok, true, {}},
        {"created", "C:\\New", false, BoxAnswer::Ok, true, {"Create directory C:\\New?"}},
        {"declined",
         "C:\\New",
         false,
         BoxAnswer::Cancel,
         false,
         {"Create directory C:\\New?", "Installation canceled"}},
        {"parent missing",
         "C:\\New\\Deeper",
         false,
         BoxAnswer::Ok,
         false,
         {"Create directory C:\\New\\Deeper?", "Cannot create directory C:\\New\\Deeper !",
          "Installation canceled"}},
        {"current directory unreadable",
         kD,
         true,
         BoxAnswer::Ok,
         false,
         {"getcwd failed?", "Installation canceled"}},
    };
    for (const Case& c : cases) {
        MemoryInstallSystem machine;
        PutMedium(machine);
        machine.currentDirectoryUnreadable = c.currentDirectoryUnreadable;
        machine.Answer({c.answer});
        EXPECT_EQ(CopyInstallFile(machine, "E:\\", c.directory, "Barcode.dat", false), c.copied)
            << c.what;
        std::vector<std::string> texts;
        for (const MessageBoxRequest& box : machine.boxes)
            texts.push_back(box.text);
        EXPECT_EQ(texts, c.texts) << c.what;
        EXPECT_EQ(machine.FindFile(JoinPath(c.directory, "Barcode.dat")) != nullptr, c.copied)
            << c.what;
    }
}

TEST(InstallFiles, OldCopiesInTheWindowsDirectoryGoWhenTheUserAgrees) {
    MemoryInstallSystem machine;
    machine.AddFile("C:\\WINDOWS\\barcode.dll", "old");
    machine.AddFile("C:\\WINDOWS\\barcode.dat", "old");
    machine.undeletable.insert("C:\\WINDOWS\\barcode.dll");
    // OK, the DLL stays (in use); asked again: Cancel.
    machine.Answer({BoxAnswer::Ok, BoxAnswer::Cancel});
    RunConflictCheck(machine, "C:\\WINDOWS");

    EXPECT_EQ(machine.Captions(),
              (std::vector<std::string>{"Conflicting Software found...",
                                        "Cannot delete file. Please make shure to close all "
                                        "applications.",
                                        "Conflicting Software found...",
                                        "Conflicting Software found..."}));
    EXPECT_EQ(machine.boxes[2].text.substr(0, 61),
              "Conflicting versions of barcode.dll and/or barcode.dat found.");
    EXPECT_EQ(machine.boxes[3].icon, BoxIcon::Warning);
    EXPECT_EQ(machine.FindFile("C:\\WINDOWS\\barcode.dat"), nullptr);

    machine.undeletable.clear();
    machine.Answer({BoxAnswer::Ok});
    RunConflictCheck(machine, "C:\\WINDOWS");
    EXPECT_EQ(machine.FindFile("C:\\WINDOWS\\barcode.dll"), nullptr);
    EXPECT_EQ(machine.boxes.size(), 5u);
}
