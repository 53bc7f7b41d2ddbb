// A print program's barcode library redirected through "DLL-Loca": hosts
// built as SAPlpd.exe and as an ordinary program run in processes of their
// own, and the recorder library tells which entries they reached.
#include "win32api.h"

#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

namespace {

using testsupport::ReadTextFile;

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

// Runs a host and returns its report as key → value.
std::map<std::string, std::string> RunHost(const std::string& host, const std::string& name,
                                           const std::string& scratch) {
    const std::string report = scratch + "\\report.txt";
    std::string commandLine =
        "\"" + ProgramFolder() + "\\" + host + "\" \"" + name + "\" \"" + report + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::map<std::string, std::string> values;
    // The host runs in the scratch folder, where no BARCODE.DLL lies.
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        scratch.c_str(), &startup, &process))
        return values;
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::istringstream lines(ReadTextFile(report));
    std::string key;
    std::string value;
    while (lines >> key && std::getline(lines >> std::ws, value))
        values[key] = value;
    DeleteFileA(report.c_str());
    return values;
}

class HostHooksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        record = scratch.Path() + "\\calls.txt";
        SetEnvironmentVariableA("BC_RECORD_FILE", record.c_str());
        recorder = ProgramFolder() + "\\bcrecorder.dll";
        // The hosts run in the scratch folder; the text catalog goes with them.
        CopyFileA((ProgramFolder() + "\\Barcode.dat").c_str(),
                  (scratch.Path() + "\\Barcode.dat").c_str(), FALSE);
    }
    void TearDown() override { SetRedirection(nullptr); }

    static void SetRedirection(const char* path) {
        WritePrivateProfileStringA("BarCode", "DLL-Loca", path, "barcode.ini");
    }
    std::string Calls() {
        std::string calls = ReadTextFile(record);
        DeleteFileA(record.c_str());
        for (char& c : calls)
            if (c == '\r' || c == '\n') c = ' ';
        return calls;
    }

    testsupport::ScratchDirectory scratch{"hosthooks"};
    std::string record;
    std::string recorder;
};

TEST_F(HostHooksTest, APrintProgramIsRedirectedAndPrintsThroughTheExtensionEntries) {
    SetRedirection(recorder.c_str());
    auto report = RunHost("SAPlpd.exe", "C:\\x\\BARCODE.DLL", scratch.Path());
    EXPECT_EQ(report["own-init"], "1");
    EXPECT_EQ(report["access"], "0") << "the check for BARCODE.DLL finds the redirected file";
    EXPECT_EQ(report["loaded"], "other");
    EXPECT_EQ(report["entries"], "1 1 1");
    EXPECT_EQ(report["print-entry"], "extension");
    EXPECT_EQ(report["init"], "1");
    EXPECT_EQ(report["print"], "1");
    EXPECT_EQ(Calls(), "init vinfo print ");
}

TEST_F(HostHooksTest, OnlyTheExactUpperCaseNameIsRedirected) {
    SetRedirection(recorder.c_str());
    auto report = RunHost("SAPlpd.exe", "C:\\x\\barcode.dll", scratch.Path());
    EXPECT_EQ(report["loaded"], "none");
    EXPECT_EQ(Calls(), "");
}

TEST_F(HostHooksTest, WithoutARedirectionTheRequestedLibraryIsLoaded) {
    auto report = RunHost("SAPlpd.exe", ProgramFolder() + "\\BARCODE.DLL", scratch.Path());
    EXPECT_EQ(report["loaded"], "own");
    EXPECT_EQ(report["print"], "1");
    EXPECT_EQ(report["access"], "-1");
}

TEST_F(HostHooksTest, AnOrdinaryProgramKeepsItsImports) {
    SetRedirection(recorder.c_str());
    auto report = RunHost("ordinary_host.exe", "C:\\x\\BARCODE.DLL", scratch.Path());
    EXPECT_EQ(report["own-init"], "1");
    EXPECT_EQ(report["loaded"], "none");
    EXPECT_EQ(report["access"], "-1");
    EXPECT_EQ(Calls(), "");
}

TEST_F(HostHooksTest, BadRedirectionsFailTheLoadOrLeaveTheLibrarysOwnEntries) {
    std::string notALibrary = scratch.Path() + "\\text.dll";
    testsupport::WriteWholeFile(notALibrary, "not a library");
    const std::string targets[] = {scratch.Path() + "\\missing.dll", scratch.Path(), notALibrary,
                                   "C:\\" + std::string(300, 'x') + ".dll"};
    for (const std::string& target : targets) {
        SetRedirection(target.c_str());
        auto report = RunHost("SAPlpd.exe", "C:\\x\\BARCODE.DLL", scratch.Path());
        EXPECT_EQ(report["own-init"], "1") << target.substr(0, 40);
        EXPECT_EQ(report["loaded"], "none") << target.substr(0, 40);
    }
    // A library without the barcode entries is loaded and left as it is.
    SetRedirection((ProgramFolder() + "\\bctestmodule.dll").c_str());
    auto report = RunHost("SAPlpd.exe", "C:\\x\\BARCODE.DLL", scratch.Path());
    EXPECT_EQ(report["loaded"], "other");
    EXPECT_EQ(report["entries"], "0 0 0");
}

} // namespace
