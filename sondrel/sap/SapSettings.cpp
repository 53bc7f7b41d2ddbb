// The connection settings in barcode.ini (section (210, 21)), or, where that
// section has no system number yet, in the older profile file (210, 4) that
// SAP's own tools write.
#include "SapSettings.h"

#include "SapText.h"

#include "catalog/Translate.h"
#include "win32api.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr const char* kProfileFile = "barcode.ini";
constexpr int kAbsentMarker = 12345; // no system number stored yet
constexpr DWORD kValueSize = 256;

const char* Text(int index) {
    return GetText(210, index, true);
}

std::string ReadText(const char* section, const char* key, const char* fallback, const char* file) {
    char buffer[kValueSize] = {};
    DWORD length =
        GetPrivateProfileStringA(section, key, fallback ? fallback : "", buffer, kValueSize, file);
    // A blank default stands for an empty value.
    return TrimSapText(std::string(buffer, length < kValueSize ? length : kValueSize - 1));
}

// A key of the connection section of barcode.ini.
std::string ReadSetting(int keyIndex, int defaultIndex) {
    return ReadText(Text(21), Text(keyIndex), defaultIndex ? Text(defaultIndex) : "", kProfileFile);
}

// A system number as SAP writes it: two digits, 00 to 99.
int ClampSystemNumber(long number) {
    return number < 0 || number > 99 ? 0 : int(number);
}

SapSettings ReadFromBarcodeIni(int systemNumber) {
    SapSettings settings;
    settings.systemNumber = ClampSystemNumber(systemNumber);
    settings.systemName = ReadSetting(23, 39);
    settings.user = ReadSetting(33, 34);
    settings.password = ReadSetting(37, 38);
    settings.client = ReadSetting(24, 25);
    settings.hostName = ReadSetting(35, 36);
    settings.routerString = ReadSetting(26, 27);
    settings.loadBalancing = GetPrivateProfileIntA(Text(21), Text(32), 0, kProfileFile) != 0;
    settings.messageServer = ReadSetting(28, 29);
    settings.group = ReadSetting(30, 31);
    return settings;
}

// The older file keeps one value per section, all under the same key.
SapSettings ReadFromOlderProfile() {
    const char* file = Text(4);
    const char* key = Text(3);
    SapSettings settings;
    settings.systemName = ReadText(Text(2), key, Text(1), file);
    settings.systemNumber =
        ClampSystemNumber(std::strtol(ReadText(Text(5), key, "0", file).c_str(), nullptr, 10));
    settings.hostName = ReadText(Text(6), key, "", file);
    settings.routerString = ReadText(Text(7), key, "", file);
    settings.messageServer = ReadText(Text(40), key, "", file);
    settings.group = Text(41);
    settings.client = Text(25);
    return settings;
}

void WriteSetting(int keyIndex, const std::string& value) {
    WritePrivateProfileStringA(Text(21), Text(keyIndex), value.c_str(), kProfileFile);
}

void WriteNumber(int keyIndex, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    WriteSetting(keyIndex, text);
}

} // namespace

SapSettings ReadSapSettings() {
    const int systemNumber =
        static_cast<int>(GetPrivateProfileIntA(Text(21), Text(22), kAbsentMarker, kProfileFile));
    if (systemNumber == kAbsentMarker) return ReadFromOlderProfile();
    return ReadFromBarcodeIni(systemNumber);
}

void StoreSapSettings(const SapSettings& settings) {
    WriteNumber(22, settings.systemNumber);
    WriteSetting(23, settings.systemName);
    WriteSetting(24, settings.client);
    WriteSetting(26, settings.routerString);
    WriteSetting(28, settings.messageServer);
    WriteSetting(30, settings.group);
    WriteNumber(32, settings.loadBalancing ? 1 : 0);
    WriteSetting(33, settings.user);
    WriteSetting(35, settings.hostName);
}
