// The settings of a stored command: the inverse of the command builder for
// the keys the dialog shows, with a default for every key the command lacks.
#include "TestSettings.h"

#include "DecimalPrefix.h"
#include "typetable/BarcodeTypeTable.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

// A text value is read up to the next comma, at most this long.
constexpr size_t kMaxTextValue = 29;

// The KEY=value items of a command up to its data key. A key that occurs
// twice counts with its later value, as the DLL reads it.
class CommandItems {
  public:
    explicit CommandItems(const char* text) {
        const char* p = text;
        while (*p != '\0') {
            const char* itemEnd = std::strchr(p, ',');
            if (itemEnd == nullptr) itemEnd = p + std::strlen(p);
            const char* equals = static_cast<const char*>(std::memchr(p, '=', itemEnd - p));
            if (equals != nullptr) {
                std::string key(p, equals);
                if (key == "D" || key == "d") break; // the data runs to the end
                items_.emplace_back(std::move(key), std::string(equals + 1, itemEnd));
            }
            p = *itemEnd == ',' ? itemEnd + 1 : itemEnd;
        }
    }

    const std::string* Find(const char* key) const {
        for (auto item = items_.rbegin(); item != items_.rend(); ++item)
            if (item->first == key) return &item->second;
        return nullptr;
    }

    int Number(const char* key, int missing) const {
        const std::string* value = Find(key);
        return value != nullptr ? DecimalPrefix(value->c_str()) : missing;
    }

    std::string Text(const char* key, const char* missing) const {
        const std::string* value = Find(key);
        return value != nullptr ? value->substr(0, kMaxTextValue) : std::string(missing);
    }

  private:
    std::vector<std::pair<std::string, std::string>> items_;
};

// Ratio in tenths (20, 25, 30) back to the index of combo 104.
int RatioIndexOf(int ratio) {
    if (ratio <= 20) return 0;
    return ratio < 30 ? 1 : 2;
}

bool StartsWith(const char* text, const char* prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// "mil" is looked for before "mm", as both start with "m".
int UnitIndexOf(const char* text) {
    if (StartsWith(text, "mil")) return 1;
    if (StartsWith(text, "mm")) return 0;
    if (StartsWith(text, "px")) return 2;
    return -1;
}

struct Position {
    int enabled, value, absolute, unit;
};

// "+5mm" and "-5 px" are relative, "5mil" absolute; a position without a
// unit and with the value 0 is no position at all.
Position ReadPosition(const std::string& text) {
    const char* p = text.c_str();
    bool relative = *p == '+' || *p == '-';
    int value = DecimalPrefix(p);
    while ((*p >= '0' && *p <= '9') || *p == '+' || *p == '-')
        ++p;
    if (*p == ' ') ++p;
    int unit = UnitIndexOf(p);
    return Position{unit >= 0 || value != 0 ? 1 : 0, value, relative ? 0 : 1, unit};
}

void LoadSizesAndOptions(TestSettings& s, const CommandItems& items) {
    s.height = items.Number("H", 20);
    s.width = items.Number("B", 0);
    s.absoluteWidth = s.width != 0 ? 1 : 0;
    s.barcodeType = FindTypeNameByCode(items.Text("C", "").c_str());
    s.checkDigit = items.Number("P", 1);
    s.annotate = items.Number("A", 1);
    s.rotationIndex = items.Number("R", 0);
    s.securityLevel = items.Number("SEC", 2);
    s.forcedColumns = items.Number("FC", 0);
    s.forcedRows = items.Number("FR", 0);
    s.smallBar = items.Number("S1", 6);
    s.extraDotsGap = items.Number("ADS", 0);
    s.extraDotsBar = items.Number("ADB", 0);
    s.ratioIndex = RatioIndexOf(items.Number("RA", 20));
    // The builder writes "KB=3" only while kill blanks is set: reading it
    // back makes a stored command rebuild as it was, so that showing a
    // named code does not mark it changed.
    s.killBlanks = items.Number("KB", 0) > 0 ? 1 : 0;
}

// The compact form "Z=aacrgbo" that the builder writes for most linear
// types: annotation (two digits), check digit, ratio index, extra dots for
// gap and for bar, rotation. Without reading it a stored command would lose
// those settings and rebuild differently; a value that is not seven digits
// is left to the separate keys.
void LoadCompactForm(TestSettings& s, const CommandItems& items) {
    const std::string* z = items.Find("Z");
    if (z == nullptr || z->size() != 7) return;
    for (char c : *z)
        if (c < '0' || c > '9') return;
    auto digit = [&](size_t i) { return (*z)[i] - '0'; };
    s.annotate = digit(0) * 10 + digit(1);
    s.checkDigit = digit(2);
    s.ratioIndex = digit(3);
    s.extraDotsGap = digit(4);
    s.extraDotsBar = digit(5);
    s.rotationIndex = digit(6);
}

void LoadPositions(TestSettings& s, const CommandItems& items) {
    Position x = ReadPosition(items.Text("X", "+0"));
    s.xEnabled = x.enabled;
    s.xValue = x.value;
    s.xAbsolute = x.absolute;
    s.xUnit = x.unit;
    Position y = ReadPosition(items.Text("Y", "+0"));
    s.yEnabled = y.enabled;
    s.yValue = y.value;
    s.yAbsolute = y.absolute;
    s.yUnit = y.unit;
}

} // namespace

bool LoadFromCommandString(TestSettings& s, const char* text) {
    if (text == nullptr) return false;
    CommandItems items(text);
    // Commands of a later format version are not the dialog's to show.
    if (items.Number("VS", 1) != 1) return false;
    LoadSizesAndOptions(s, items);
    LoadCompactForm(s, items);
    LoadPositions(s, items);
    return true;
}
