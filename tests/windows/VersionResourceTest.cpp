// Windows only: the version resource of each deliverable as the installer's
// version guard and Explorer read it, through GetFileVersionInfoA and
// VerQueryValueA, and its agreement with the placeholder table that the
// about boxes show.
#include "catalog/Placeholders.h"
#include "win32api.h"

#include <winver.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Deliverable {
    const char* file;
    const char* description;
    DWORD fileType;
};

const Deliverable kDeliverables[] = {
    {"Barcode.dll", "Barcode printing DLL", VFT_DLL},
#ifdef BC_TEST_SONDREL
    {"Sondrel.exe", "Barcode test and configuration program", VFT_APP},
#endif
};

std::string Placeholder(const char* name) {
    for (const ::Placeholder* entry = kPlaceholders; entry->name != nullptr; ++entry)
        if (std::strcmp(entry->name, name) == 0) return entry->value;
    return {};
}

class VersionBlock {
  public:
    explicit VersionBlock(const char* file) {
        DWORD ignored = 0;
        DWORD size = GetFileVersionInfoSizeA(file, &ignored);
        if (size == 0) return;
        data_.resize(size);
        if (!GetFileVersionInfoA(file, 0, size, data_.data())) data_.clear();
    }
    bool Loaded() const { return !data_.empty(); }

    // The string value of the block "040904E4", or "<missing>".
    std::string String(const char* key) {
        std::string path = std::string("\\StringFileInfo\\040904E4\\") + key;
        char* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(data_.data(), path.c_str(), reinterpret_cast<void**>(&value),
                            &length) ||
            value == nullptr)
            return "<missing>";
        return std::string(value, strnlen(value, length));
    }
    const VS_FIXEDFILEINFO* Fixed() {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(data_.data(), "\\", &value, &length) ||
            length < sizeof(VS_FIXEDFILEINFO))
            return nullptr;
        return static_cast<const VS_FIXEDFILEINFO*>(value);
    }
    std::vector<WORD> Translation() {
        WORD* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(data_.data(), "\\VarFileInfo\\Translation",
                            reinterpret_cast<void**>(&value), &length))
            return {};
        return std::vector<WORD>(value, value + length / sizeof(WORD));
    }

  private:
    std::vector<char> data_;
};

TEST(VersionResourceTest, EveryDeliverableCarriesTheSameVersionBlock) {
    const std::string version = Placeholder("VERSION") + ".0";
    for (const Deliverable& deliverable : kDeliverables) {
        SCOPED_TRACE(deliverable.file);
        VersionBlock block(deliverable.file);
        ASSERT_TRUE(block.Loaded()) << "no version resource";

        EXPECT_EQ(block.String("ProductVersion"), "4.2.4.0");
        EXPECT_EQ(block.String("ProductVersion"), version) << "the about box shows ::VERSION";
        EXPECT_EQ(block.String("FileVersion"), "4.2.4.0");
        EXPECT_EQ(block.String("FileDescription"), deliverable.description);
        EXPECT_EQ(block.String("OriginalFilename"), deliverable.file);
        EXPECT_EQ(block.String("CompanyName"), Placeholder("CNAME"));
        // The copyright placeholder is the same line with a line break.
        EXPECT_EQ(block.String("LegalCopyright") + "\n", Placeholder("COPYRIGHT"));

        std::vector<WORD> translation = block.Translation();
        ASSERT_EQ(translation.size(), 2u);
        EXPECT_EQ(translation[0], 0x0409);
        EXPECT_EQ(translation[1], 1252);

        // The binary version is the text one, as the installer's guard
        // parses it ("%d.%d.%d.%d").
        const VS_FIXEDFILEINFO* fixed = block.Fixed();
        ASSERT_NE(fixed, nullptr);
        EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
        int parts[4] = {-1, -1, -1, -1};
        ASSERT_EQ(std::sscanf(block.String("ProductVersion").c_str(), "%d.%d.%d.%d", &parts[0],
                              &parts[1], &parts[2], &parts[3]),
                  4);
        EXPECT_EQ(fixed->dwFileVersionMS, DWORD(parts[0] << 16 | parts[1]));
        EXPECT_EQ(fixed->dwFileVersionLS, DWORD(parts[2] << 16 | parts[3]));
        EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
        EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
        EXPECT_EQ(fixed->dwFileType, deliverable.fileType);
    }
}

} // namespace
