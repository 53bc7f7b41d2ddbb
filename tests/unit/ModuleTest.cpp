// Loading modules by name, finding their functions and naming their files, on
// both builds. The test module is bctestmodule.dll beside the test program
// (Windows) or libbctestmodule.so in the build's lib/ (Linux).
#include "win32api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kTestModule = "bctestmodule";

using TwiceFunction = int (*)(int);

TwiceFunction FindTwice(HMODULE module) {
    // Through void (*)(), which converts to any function type without warning.
    return reinterpret_cast<TwiceFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "BcTestModuleTwice")));
}

std::string ModuleFileName(HMODULE module) {
    std::vector<char> name(4096);
    DWORD length = GetModuleFileNameA(module, name.data(), static_cast<DWORD>(name.size()));
    return std::string(name.data(), length);
}

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A value that is no module on either build.
HMODULE UnknownModule() {
    return reinterpret_cast<HMODULE>(static_cast<uintptr_t>(0x12345670));
}

} // namespace

TEST(ModuleLoading, LoadsTheTestModuleByPlainNameAndCallsIt) {
    HMODULE module = LoadLibraryA(kTestModule);
    ASSERT_NE(nullptr, module) << "error " << GetLastError();
    TwiceFunction twice = FindTwice(module);
    ASSERT_NE(nullptr, twice);
    EXPECT_EQ(42, twice(21));
    EXPECT_TRUE(FreeLibrary(module));
}

TEST(ModuleLoading, EverySpellingOfTheNameReachesTheSameModule) {
    HMODULE module = LoadLibraryA(kTestModule);
    ASSERT_NE(nullptr, module);
    for (const char* name : {"BcTestModule.dll", "BCTESTMODULE.DLL"}) {
        SCOPED_TRACE(name);
        HMODULE again = LoadLibraryA(name);
        EXPECT_EQ(module, again);
        if (again != nullptr) FreeLibrary(again);
    }
    std::string path = ModuleFileName(module);
    EXPECT_TRUE(fs::path(path).is_absolute()) << path;
    EXPECT_NE(std::string::npos, LowerCase(fs::path(path).filename().string()).find(kTestModule));
    HMODULE byPath = LoadLibraryA(path.c_str());
    EXPECT_EQ(module, byPath);
    if (byPath != nullptr) FreeLibrary(byPath);
    EXPECT_TRUE(FreeLibrary(module));
}

TEST(ModuleLoading, ModuleHandleTakesNoReference) {
    HMODULE module = LoadLibraryA(kTestModule);
    ASSERT_NE(nullptr, module);
    EXPECT_EQ(module, GetModuleHandleA(kTestModule));
    EXPECT_EQ(module, GetModuleHandleA("BcTestModule.dll"));
    ASSERT_TRUE(FreeLibrary(module));
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(nullptr, GetModuleHandleA(kTestModule)) << "unloaded with its only reference";
    EXPECT_EQ(ERROR_MOD_NOT_FOUND, GetLastError());
}

TEST(ModuleErrors, MissingModulesAndFunctionsAreReported) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(nullptr, LoadLibraryA("bcnosuchmodule"));
    EXPECT_EQ(ERROR_MOD_NOT_FOUND, GetLastError());
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(nullptr, GetModuleHandleA("bcnosuchmodule"));
    EXPECT_EQ(ERROR_MOD_NOT_FOUND, GetLastError());

    HMODULE module = LoadLibraryA(kTestModule);
    ASSERT_NE(nullptr, module);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(nullptr, GetProcAddress(module, "BcTestModuleThrice"));
    EXPECT_EQ(ERROR_PROC_NOT_FOUND, GetLastError());
    EXPECT_TRUE(FreeLibrary(module));
    // The program's own exports only, not those of the C runtime it uses.
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(nullptr, GetProcAddress(GetModuleHandleA(nullptr), "malloc"));
    EXPECT_EQ(ERROR_PROC_NOT_FOUND, GetLastError());
}

TEST(ModuleErrors, UnknownHandlesFailWithoutHarm) {
    char name[MAX_PATH];
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(0u, GetModuleFileNameA(UnknownModule(), name, MAX_PATH));
    EXPECT_EQ(ERROR_MOD_NOT_FOUND, GetLastError());
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(nullptr, GetProcAddress(UnknownModule(), "BcTestModuleTwice"));
    EXPECT_EQ(ERROR_MOD_NOT_FOUND, GetLastError());
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(FreeLibrary(UnknownModule()));
    EXPECT_EQ(ERROR_MOD_NOT_FOUND, GetLastError());
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(FreeLibrary(nullptr));
    EXPECT_EQ(ERROR_INVALID_HANDLE, GetLastError());
}

TEST(ModuleFileName, NamesTheRunningProgram) {
    HMODULE program = GetModuleHandleA(nullptr);
    ASSERT_NE(nullptr, program);
    std::string path = ModuleFileName(nullptr);
    EXPECT_EQ(path, ModuleFileName(program));
    EXPECT_TRUE(fs::path(path).is_absolute()) << path;
    EXPECT_TRUE(fs::is_regular_file(path)) << path;
    EXPECT_EQ("platform_tests", fs::path(path).stem().string());
}

TEST(ModuleFileName, TruncatesToTheBufferSize) {
    const std::string path = ModuleFileName(nullptr);
    ASSERT_GT(path.size(), 8u);
    std::vector<char> buffer(path.size() + 2);
    const DWORD fullLength = static_cast<DWORD>(path.size());
    for (DWORD size : {DWORD{8}, fullLength}) {
        SCOPED_TRACE(size);
        std::fill(buffer.begin(), buffer.end(), '#');
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(size, GetModuleFileNameA(nullptr, buffer.data(), size));
        EXPECT_EQ(ERROR_INSUFFICIENT_BUFFER, GetLastError());
        // The last character of the buffer is the terminator on Windows since
        // Vista, a character of the name under Wine: compare the rest.
        EXPECT_EQ(path.substr(0, size - 1), std::string(buffer.data(), size - 1));
        EXPECT_EQ('#', buffer[size]) << "nothing written beyond the buffer";
    }
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(0u, GetModuleFileNameA(nullptr, buffer.data(), 0));
    EXPECT_EQ(ERROR_INSUFFICIENT_BUFFER, GetLastError());
    EXPECT_EQ(fullLength, GetModuleFileNameA(nullptr, buffer.data(), fullLength + 1));
    EXPECT_EQ(path, std::string(buffer.data()));
}
