// File names on the medium and the target, the path rules that decide what
// belongs to an installation, and the version guard's comparison.
#include "InstallPaths.h"
#include "ProductVersion.h"

#include <gtest/gtest.h>

TEST(InstallNames, BothFormsOfANameAndTheJoinedPaths) {
    EXPECT_EQ(UnderscoreForm("BARCODE.DLL"), "BARCODE.DL_");
    EXPECT_EQ(UnderscoreForm("E:\\QUODRA_SERVER.EXE"), "E:\\QUODRA_SERVER.EX_");
    EXPECT_EQ(UnderscoreForm(""), "");
    EXPECT_EQ(JoinPath("E:\\", "BARCODE.DLL"), "E:\\BARCODE.DLL");
    EXPECT_EQ(JoinPath("C:\\Barcode", "\\Setup.exe"), "C:\\Barcode\\Setup.exe");
    EXPECT_EQ(RepairDirectoryOf("C:\\Barcode"), "C:\\Barcode\\repair");
    EXPECT_EQ(NormaliseDirectory(" C:\\Barcode\\\\ "), "C:\\Barcode");
    EXPECT_EQ(NormaliseDirectory("C:\\"), "C:\\");
    EXPECT_EQ(ShortcutPath("C:\\Programs", "C:\\Barcode\\Sondrel.exe"),
              "C:\\Programs\\Sondrel.LNK");
    EXPECT_EQ(DefaultUtilitiesDirectory("", "Barcode"), "C:\\Barcode");
}

TEST(InstallNames, WhatLiesBelowADirectory) {
    EXPECT_TRUE(
        IsBelowDirectory("c:\\program files\\barcode\\x.txt", "C:\\Program Files\\Barcode"));
    EXPECT_TRUE(IsBelowDirectory("C:\\Barcode\\repair\\uninstall.lst", "C:\\Barcode\\"));
    EXPECT_FALSE(IsBelowDirectory("C:\\Barcode", "C:\\Barcode"));
    // A sibling whose name starts like the directory is not below it.
    EXPECT_FALSE(IsBelowDirectory("C:\\Barcode2\\x.txt", "C:\\Barcode"));
    EXPECT_TRUE(IsSameOrAncestorOf("C:\\WINDOWS", "C:\\Windows\\System32"));
    EXPECT_FALSE(IsSameOrAncestorOf("C:\\WINDOWS\\System32\\x", "C:\\Windows\\System32"));

    for (const char* plain : {"C:\\", "C:\\Barcode", "d:\\a b\\c.d"})
        EXPECT_TRUE(IsPlainDrivePath(plain)) << plain;
    for (const char* unplain :
         {"", "C:", "Barcode", "\\\\server\\share\\x", "C:\\a\\..\\b", "C:\\a\\.\\b", "C:\\a\\\\b",
          "C:\\a\\", "C:\\a/b", "C:\\a\\*.*", "C:\\a:b", "C:\\a\"b", "C:\\a\nb"})
        EXPECT_FALSE(IsPlainDrivePath(unplain)) << unplain;
}

TEST(InstallNames, OnlyAnOlderSourceAsksBeforeReplacing) {
    struct Case {
        std::optional<std::string_view> source, target;
        bool asks;
    };
    const Case cases[] = {
        {"4.2.4.0", "4.2.5.0", true},       {"4.2.4.0", "4.2.4.0", false},
        {"4.2.5.0", "4.2.4.0", false},      {"4.9.0.0", "4.10.0.0", true}, // by number, not by text
        {"4.2.300.0", "4.3.0.0", true},   // a field over 255 does not reach the next
        {"4.2.4.0", std::nullopt, false}, // no target version
        {std::nullopt, "4.2.5.0", false}, // no source version
        {"4.2", "4.2.5.0", false},        // not four numbers: as if missing
        {"4, 2, 4, 0", "4.2.5.0", false},   {"4.2.4.0", "99999.0.0.0", false},
        {" 4.2.4.0 beta", "4.2.5.0", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AsksBeforeOverwrite(c.source, c.target), c.asks)
            << c.source.value_or("(none)") << " over " << c.target.value_or("(none)");
}
