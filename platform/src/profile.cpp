// The profile (INI file) functions of Win32 on Linux. Where Windows leaves a
// detail open, these follow what the Windows test build does under Wine, so
// that the same calls give the same results on both builds.
//
// No exception may leave a Win32 function: out of memory (a profile of
// gigabytes, say) reads as an empty profile and fails a write.
#include "profile_document.h"
#include "profile_file.h"
#include "profile_results.h"

using namespace platform;

namespace {

// Keys of a section as GetPrivateProfileString lists them: without comments
// and without lines that have no '='.
std::vector<std::string> KeyNames(const std::vector<const ProfileLine*>& entries) {
    std::vector<std::string> names;
    for (const ProfileLine* entry : entries)
        if (entry->value && !entry->name.starts_with(';')) names.push_back(entry->name);
    return names;
}

// Lines of a section as GetPrivateProfileSection lists them: "key=value", or
// the bare text of a line without '=', without comments.
std::vector<std::string> SectionLines(const std::vector<const ProfileLine*>& entries) {
    std::vector<std::string> lines;
    for (const ProfileLine* entry : entries) {
        if ((entry->name.empty() && !entry->value) || entry->name.starts_with(';')) continue;
        lines.push_back(entry->value ? entry->name + "=" + *entry->value : entry->name);
    }
    return lines;
}

DWORD CopyKeyNamesOrDefault(const ProfileDocument& document, LPCSTR section,
                            std::string_view defaultValue, LPSTR buffer, DWORD size) {
    auto entries = document.SectionEntries(section);
    DWORD length =
        CopyListToBuffer(entries ? KeyNames(*entries) : std::vector<std::string>{}, buffer, size);
    // An empty answer, even one cut to nothing by a tiny buffer, gives the
    // default, here with its trailing spaces.
    if (buffer[0] == '\0') length = CopyValueToBuffer(defaultValue, buffer, size);
    return length;
}

DWORD CopyValueOrDefault(const ProfileDocument& document, LPCSTR section, LPCSTR key,
                         std::string_view defaultValue, LPSTR buffer, DWORD size) {
    const ProfileLine* entry = document.FindEntry(section, key);
    if (entry && entry->value) return CopyValueToBuffer(*entry->value, buffer, size);
    return CopyValueToBuffer(WithoutTrailingSpaces(defaultValue), buffer, size);
}

} // namespace

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                               DWORD size, LPCSTR fileName) {
    if (buffer == nullptr || size == 0) return 0;
    std::string_view fallback = defaultValue ? defaultValue : "";
    try {
        ProfileDocument document = ReadProfile(fileName);
        if (section == nullptr) return CopyListToBuffer(document.SectionNames(), buffer, size);
        if (key == nullptr) return CopyKeyNamesOrDefault(document, section, fallback, buffer, size);
        return CopyValueOrDefault(document, section, key, fallback, buffer, size);
    } catch (...) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        buffer[0] = '\0';
        return 0;
    }
}

UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName) {
    // Wine reads the number through a string of at most 29 characters, which
    // decides where overlong numbers are cut.
    char text[30];
    if (GetPrivateProfileStringA(section, key, "", text, sizeof text, fileName) == 0)
        return static_cast<UINT>(defaultValue);
    return ParseProfileNumber(text);
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName) {
    // Windows flushes its profile cache on (NULL, NULL, NULL) and reports
    // FALSE; nothing is cached here.
    if (section == nullptr && key == nullptr && value == nullptr) return FALSE;
    if (section == nullptr) {
        SetLastError(ERROR_FILE_NOT_FOUND); // what the Windows build reports under Wine
        return FALSE;
    }
    try {
        DWORD error = UpdateProfile(fileName, [&](ProfileDocument& document) {
            if (key == nullptr) return document.DeleteSection(section);
            if (value == nullptr) return document.DeleteKey(section, key);
            return document.SetValue(section, key, value);
        });
        if (error == ERROR_SUCCESS) return TRUE;
        SetLastError(error);
    } catch (...) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    }
    return FALSE;
}

DWORD GetPrivateProfileSectionNamesA(LPSTR buffer, DWORD size, LPCSTR fileName) {
    if (buffer == nullptr || size == 0) return 0;
    return GetPrivateProfileStringA(nullptr, nullptr, nullptr, buffer, size, fileName);
}

DWORD GetPrivateProfileSectionA(LPCSTR section, LPSTR buffer, DWORD size, LPCSTR fileName) {
    if (section == nullptr || buffer == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (size == 0) return 0;
    try {
        ProfileDocument document = ReadProfile(fileName);
        auto entries = document.SectionEntries(section);
        return CopyListToBuffer(entries ? SectionLines(*entries) : std::vector<std::string>{},
                                buffer, size);
    } catch (...) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        buffer[0] = '\0';
        return 0;
    }
}

DWORD GetProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size) {
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, "win.ini");
}

UINT GetProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue) {
    return GetPrivateProfileIntA(section, key, defaultValue, "win.ini");
}

BOOL WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value) {
    return WritePrivateProfileStringA(section, key, value, "win.ini");
}
