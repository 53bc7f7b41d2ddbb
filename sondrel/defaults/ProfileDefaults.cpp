#include "ProfileDefaults.h"

#include "ComboLists.h"
#include "typetable/BarcodeTypeTable.h"
#include "win32api.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

// Section and key names compare without regard to case: "BarCode" and
// "Barcode" name the same section.
constexpr const char* kSection = "BarCode";
constexpr const char* kProfileFile = "barcode.ini";
constexpr DWORD kTypeBufferSize = 50;
constexpr DWORD kTextBufferSize = 256;
constexpr int kRatioBase = 20, kRatioStep = 5, kLastRatioIndex = 2;
constexpr int kKillBlanksOn = 3, kKillBlanksOff = -1;

// The file the reads go to: barcode.ini once a save has marked it with
// "PRIV", win.ini (a null file name) before.
class DefaultsReader {
  public:
    DefaultsReader() {
        const bool moved = GetPrivateProfileIntA(kSection, "PRIV", 0, kProfileFile) != 0;
        file_ = moved ? kProfileFile : nullptr;
    }

    int Int(const char* key, int fallback) const {
        return static_cast<int>(file_ ? GetPrivateProfileIntA(kSection, key, fallback, file_)
                                      : GetProfileIntA(kSection, key, fallback));
    }

    // A key is absent when two different defaults give two different values.
    bool Has(const char* key, int current) const {
        return Int(key, current) == Int(key, current + 1);
    }

    std::string Text(const char* key, const std::string& fallback, DWORD size) const {
        std::string buffer(size, '\0');
        DWORD length =
            file_ ? GetPrivateProfileStringA(kSection, key, fallback.c_str(), buffer.data(), size,
                                             file_)
                  : GetProfileStringA(kSection, key, fallback.c_str(), buffer.data(), size);
        buffer.resize(std::min<DWORD>(length, size > 0 ? size - 1 : 0));
        return buffer;
    }

  private:
    const char* file_ = nullptr;
};

// An older key stands in for a newer one that is absent.
int ReadWithOlderKey(const DefaultsReader& profile, const char* key, const char* olderKey,
                     int current) {
    return profile.Has(key, current) ? profile.Int(key, current) : profile.Int(olderKey, current);
}

int RatioIndexFromProfile(int value) {
    return std::clamp((value - kRatioBase) / kRatioStep, 0, kLastRatioIndex);
}

// "C" holds a type code or, from older saves, a long name: a code the type
// table knows becomes its long name, anything else is taken as it stands.
// Empty, the long name under "ID" is taken.
std::string TypeFromProfile(const DefaultsReader& profile, const std::string& current) {
    std::string type = profile.Text("C", "", kTypeBufferSize);
    if (type.empty()) return profile.Text("ID", current, kTypeBufferSize);
    if (const BarcodeTypeInfo* row = FindTypeRowByCode(type.c_str())) return row->longName;
    return type;
}

int EncodingIndexOf(const std::string& text) {
    const auto& items = sondrel::kDataMatrixEncodingItems;
    auto found = std::find_if(std::begin(items), std::end(items),
                              [&](const char* item) { return text == item; });
    return found == std::end(items) ? -1 : static_cast<int>(found - std::begin(items));
}

// The DLL reads "DMC" as a number, so the profile holds the control
// character's code. Read back, a code becomes a text the dialog's combo
// means the same by: 0 its "None", 126 its "~", and any other code its
// decimal digits, at least two of them (one character would stand for
// itself: "5" is the digit, "05" the code 5).
std::string ControlCharFromProfile(const std::string& text) {
    const bool number = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    if (!number) return text;
    const int code = DataMatrixControlCharValue(text.size() == 1 ? "0" + text : text);
    if (code == 0) return "None";
    if (code == '~') return "~";
    return code < 10 ? "0" + std::to_string(code) : std::to_string(code);
}

void Write(const char* key, const std::string& value) {
    WritePrivateProfileStringA(kSection, key, value.c_str(), kProfileFile);
}

void Write(const char* key, int value) {
    Write(key, std::to_string(value));
}

} // namespace

bool LoadDefaults(TestSettings& s) {
    const DefaultsReader profile;
    s.smallBar = profile.Int("S1", s.smallBar);
    s.checkDigit = ReadWithOlderKey(profile, "P", "PZ", s.checkDigit);
    s.annotate = ReadWithOlderKey(profile, "A", "BS", s.annotate);
    s.width = profile.Int("B", s.width);
    s.height = profile.Int("H", s.height);
    s.rotationIndex = profile.Int("R", 0);
    s.securityLevel = profile.Int("SEC", s.securityLevel);
    s.forcedColumns = profile.Int("FC", s.forcedColumns);
    s.forcedRows = profile.Int("FR", s.forcedRows);
    s.extraDotsGap = profile.Int("ADS", s.extraDotsGap);
    s.ratioIndex =
        RatioIndexFromProfile(profile.Int("RA", s.ratioIndex * kRatioStep + kRatioBase));
    s.emValue = profile.Int("EM", s.emValue);
    s.barcodeType = TypeFromProfile(profile, s.barcodeType);
    s.dmEncoding = profile.Text("DME", "AUTO", kTextBufferSize);
    s.dmEncodingIndex = EncodingIndexOf(s.dmEncoding);
    s.dmFormat = profile.Text("DMF", "AUTO", kTextBufferSize);
    s.dmControlChar = ControlCharFromProfile(profile.Text("DMC", "0", kTextBufferSize));
    const int margin = profile.Int("DMM", 0);
    if (margin != 0) s.dmMargin = std::to_string(margin);
    s.absoluteWidth = s.width != 0 ? 1 : 0;
    s.fnc1 = profile.Text("F1", s.fnc1, kTextBufferSize);
    s.commonDpi = profile.Int("I", 600);
    s.killBlanks = profile.Int("KB", -1) > 0 ? 1 : 0;
    return s.killBlanks != 0;
}

void SaveDefaults(const TestSettings& s) {
    Write("PRIV", 1);
    Write("S1", s.smallBar);
    Write("A", s.annotate);
    Write("P", s.checkDigit);
    Write("B", s.absoluteWidth ? s.width : 0);
    Write("H", s.height);
    Write("R", s.rotationIndex);
    Write("SEC", s.securityLevel);
    Write("FR", s.forcedRows);
    Write("FC", s.forcedColumns);
    Write("ADS", s.extraDotsGap);
    Write("RA", s.ratioIndex * kRatioStep + kRatioBase);
    Write("EM", s.emValue);
    Write("C", FindTypeCodeByName(s.barcodeType.c_str()));
    Write("ID", s.barcodeType);
    if (s.dmEncodingIndex >= 0) Write("DME", s.dmEncoding);
    Write("DMF", s.dmFormat);
    Write("DMC", DataMatrixControlCharValue(s.dmControlChar));
    Write("DMM", s.dmMargin);
    Write("F1", s.fnc1);
    Write("KB", s.killBlanks ? kKillBlanksOn : kKillBlanksOff);
    Write("I", s.commonDpi);
    WriteProfileStringA(kMovedMarkerSection, kMovedMarkerKey, kMovedMarkerText);
}
