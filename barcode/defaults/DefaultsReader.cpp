// Reading the defaults from the profile.
#include "defaults/DefaultsReader.h"

#include "catalog/Translate.h"
#include "command/DecimalNumber.h"
#include "command/OptionWords.h"
#include "defaults/DefaultsLog.h"
#include "log/Log.h"
#include "typetable/BarcodeTypeTable.h"
#include "win32api.h"

#include <cstring>

namespace {

constexpr const char* kDefaultTypeName = "2 of 5 Industrial";
constexpr const char* kDefaultDataMatrixWord = "AUTO";
// The one key that has no catalog entry.
constexpr const char* kKeepCode128CheckDigitKey = "NCHK128";

// One section of one profile file.
class ProfileSection {
  public:
    ProfileSection(const char* section, const char* file) : section_(section), file_(file) {}

    int32_t Int(const char* key, int32_t defaultValue) const {
        return static_cast<int32_t>(GetPrivateProfileIntA(section_, key, defaultValue, file_));
    }

    // Reads a text into a buffer of the given size (at most size - 1 characters).
    template <size_t size>
    void Text(const char* key, const char* defaultValue, char (&buffer)[size]) const {
        GetPrivateProfileStringA(section_, key, defaultValue, buffer, size, file_);
    }

    // A key that older files spell differently: read twice with different
    // defaults, the two results differ only when the key is absent.
    int32_t IntWithOlderKey(const char* key, const char* olderKey, int32_t defaultValue) const {
        int32_t first = Int(key, 1);
        if (first == Int(key, 2)) return first;
        return Int(olderKey, defaultValue);
    }

  private:
    const char* section_;
    const char* file_;
};

// "C" as a short code, its long name when the code is known, else "ID".
void ReadDefaultType(const ProfileSection& profile, DefaultSettings& d) {
    profile.Text(GetText(501, 77, true), "", d.typeText);
    if (d.typeText[0] != '\0') {
        const char* longName = FindTypeNameByCode(d.typeText);
        if (std::strcmp(longName, kUnknownTypeName) != 0) {
            std::strncpy(d.typeText, longName, sizeof d.typeText - 1);
            d.typeText[sizeof d.typeText - 1] = '\0';
        }
    }
    if (d.typeText[0] == '\0') profile.Text(GetText(501, 78, true), kDefaultTypeName, d.typeText);
    d.symbologyId = FindTypeIdByName(d.typeText);
}

void ReadDataMatrixDefaults(const ProfileSection& profile, DefaultSettings& d) {
    char word[kDefaultTypeTextSize];
    // An unknown word leaves the lookups' "AUTO" value; nothing is reported.
    profile.Text(GetText(501, 79, true), kDefaultDataMatrixWord, word);
    ParseDataMatrixEncodation(word, d.dmEncodation);
    profile.Text(GetText(501, 80, true), kDefaultDataMatrixWord, word);
    ParseDataMatrixSize(word, d.dmFormat);
    profile.Text(GetText(501, 81, true), "0", word);
    d.dmControlChar = DecimalPrefixValue(word);
    d.dmMargin = profile.Int(GetText(501, 82, true), d.dmMargin);
}

void ReadSpecialCodeTexts(const ProfileSection& profile, DefaultSettings& d) {
    profile.Text(GetText(501, 86, true), "", d.specialCodeText[0]);
    profile.Text(GetText(501, 87, true), "", d.specialCodeText[1]);
    profile.Text(GetText(501, 88, true), "", d.specialCodeText[2]);
    profile.Text(GetText(501, 89, true), "", d.specialCodeText[3]);
    profile.Text(GetText(501, 90, true), "", d.specialCodeText[4]);
}

void ReadIntegerDefaults(const ProfileSection& profile, DefaultSettings& d) {
    d.moduleWidth = profile.Int(GetText(501, 62, true), d.moduleWidth);
    d.checkDigit =
        profile.IntWithOlderKey(GetText(501, 63, true), GetText(501, 64, true), d.checkDigit);
    d.annotation =
        profile.IntWithOlderKey(GetText(501, 65, true), GetText(501, 66, true), d.annotation);
    d.widthMm = profile.Int(GetText(501, 67, true), d.widthMm);
    d.heightMm = profile.Int(GetText(501, 68, true), d.heightMm);
    d.pdfSecurity = profile.Int(GetText(501, 69, true), d.pdfSecurity);
    d.spaceAdjust = profile.Int(GetText(501, 70, true), d.spaceAdjust);
    d.barAdjust = profile.Int(GetText(501, 71, true), d.barAdjust);
    d.ratio = profile.Int(GetText(501, 72, true), d.ratio);
    d.emValue = profile.Int(GetText(501, 73, true), d.emValue);
    d.ecValue = profile.Int(GetText(501, 74, true), d.ecValue);
    d.saveDc = profile.Int(GetText(501, 75, true), d.saveDc);
    d.showErrors = profile.Int(GetText(501, 76, true), d.showErrors);
    d.rotation = profile.Int(GetText(501, 83, true), d.rotation);
    d.umlautMapping = profile.Int(GetText(501, 84, true), d.umlautMapping);
    d.backslashEscapes = profile.Int(GetText(501, 85, true), d.backslashEscapes);
    d.idleOption = profile.Int(GetText(501, 219, true), d.idleOption);
    d.blankTrim = profile.Int(GetText(501, 234, true), d.blankTrim);
    d.windowOriginOffset = profile.Int(GetText(501, 246, true), d.windowOriginOffset);
    d.qrMode = profile.Int(GetText(501, 248, true), d.qrMode);
    d.qrVersion = profile.Int(GetText(501, 249, true), d.qrVersion);
    d.qrEccLevel = profile.Int(GetText(501, 250, true), d.qrEccLevel);
    d.qrFnc1Mode = profile.Int(GetText(501, 251, true), d.qrFnc1Mode);
    d.qrKanji = profile.Int(GetText(501, 252, true), d.qrKanji);
    d.referenceDpi = profile.Int(GetText(501, 253, true), d.referenceDpi);
}

} // namespace

DefaultSettings ReadDefaultSettings(const char* section, const char* profileFile,
                                    const char* olderProfileFile) {
    if (section == nullptr) section = "";
    const bool defaultsArePrivate =
        GetPrivateProfileIntA(section, GetText(501, 37, true), 0, profileFile) != 0;
    const char* file = defaultsArePrivate ? profileFile : olderProfileFile;
    LogWrite(1, GetText(501, 61, false), file, section);

    DefaultSettings d;
    ProfileSection profile(section, file);
    ReadIntegerDefaults(profile, d);
    ReadDefaultType(profile, d);
    ReadDataMatrixDefaults(profile, d);
    ReadSpecialCodeTexts(profile, d);
    d.keepCode128CheckDigit = profile.Int(kKeepCode128CheckDigitKey, d.keepCode128CheckDigit);
    LogDefaultSettings(d);
    return d;
}

void ReadDefaults(const char* section) {
    // Read completely first, then replace: a request of another thread never
    // sees a half-reset record.
    ProcessDefaults() =
        ReadDefaultSettings(section, GetText(104, 234, true), GetText(501, 38, true));
}
