// The shipment message of MaxiCode requests.
#include "render/ShipmentMessage.h"

#include "catalog/Translate.h"
#include "log/Log.h"
#include "text/PrintableText.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kDataBufferSize = 200;
constexpr char kGs = 0x1D;
constexpr char kRs = 0x1E;
constexpr char kEot = 0x04;
constexpr char kUnitedStates[] = "840";

enum ShipmentError : int32_t {
    kTooLong = -70,
    kPostalCode = -71,
    kCountry = -72,
    kService = -73,
    kTracking = -74,
    kShipper = -75,
    kPickupDay = -76,
    kShipmentId = -77,
    kPackageNumber = -78,
    kWeight = -79,
    kAddressValidation = -80,
    kAddress = -81,
    kCity = -82,
    kState = -83,
    kPackageCount = -84,
};

// A field as stored: strncpy semantics, so a full field has no terminator.
template <size_t N> std::string Field(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

std::string UpperCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool LengthWithin(const std::string& text, size_t minimum, size_t maximum) {
    return text.size() >= minimum && text.size() <= maximum;
}

// Digits only after leading blanks, at least one and at most maximum.
bool IsDigits(const std::string& text, size_t maximum) {
    size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) return false;
    size_t digits = text.size() - start;
    if (digits == 0 || digits > maximum) return false;
    for (size_t i = start; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

bool IsExactlyDigits(const std::string& text, size_t count) {
    return text.size() == count && IsDigits(text, count) && text[0] != ' ';
}

struct Shipment {
    std::string postal, country, service;
    std::string tracking, shipper, pickupDay, shipmentId, packageNumber, packageCount, weight;
    std::string addressValidation, address, city, state;
};

Shipment ReadShipment(const BarcodeParams& p) {
    return {Field(p.maxiPostalCode),   Field(p.maxiCountryCode),    Field(p.maxiServiceClass),
            Field(p.maxiTrackingNumber), Field(p.maxiShipperNumber), Field(p.maxiPickupDay),
            Field(p.maxiShipmentId),   Field(p.maxiPackageNumber),  Field(p.maxiPackageCount),
            Field(p.maxiPackageWeight), Field(p.maxiAddressValidation), Field(p.maxiAddress),
            Field(p.maxiCity),         Field(p.maxiState)};
}

bool AsksForFullMessage(const Shipment& s) {
    return !s.tracking.empty() || !s.shipper.empty() || !s.pickupDay.empty() ||
           !s.shipmentId.empty() || !s.packageNumber.empty() || !s.packageCount.empty() ||
           !s.weight.empty() || !s.address.empty() || !s.city.empty() || !s.state.empty();
}

bool AsksForShortMessage(const Shipment& s) {
    return !s.postal.empty() || !s.country.empty() || !s.service.empty() ||
           !s.addressValidation.empty();
}

bool IsValidPostalCode(const Shipment& s) {
    if (!LengthWithin(s.postal, 1, 9)) return false;
    if (s.country != kUnitedStates) return s.postal.size() <= 6;
    if (s.postal.size() < 5) return false;
    for (size_t i = 0; i < 5; ++i)
        if (!std::isdigit(static_cast<unsigned char>(s.postal[i]))) return false;
    return true;
}

// The first invalid field's error and its key, or 0.
int32_t CheckPrimaryFields(const Shipment& s, const char*& key) {
    if (!IsValidPostalCode(s)) return key = "MCPC", kPostalCode;
    if (!IsExactlyDigits(s.country, 3)) return key = "MCCC", kCountry;
    if (!IsExactlyDigits(s.service, 3)) return key = "MCCS", kService;
    return 0;
}

int32_t CheckFullFields(const Shipment& s, const char*& key) {
    if (!LengthWithin(s.tracking, 0, 11)) return key = "MCTR", kTracking;
    if (!LengthWithin(s.shipper, 0, 6)) return key = "MCSN", kShipper;
    if (!IsDigits(s.pickupDay, 3)) return key = "MCJD", kPickupDay;
    if (!LengthWithin(s.shipmentId, 0, 30)) return key = "MCSI", kShipmentId;
    if (!IsDigits(s.packageNumber, 3)) return key = "MCPN", kPackageNumber;
    if (!IsDigits(s.packageCount, 3)) return key = "MCPT", kPackageCount;
    if (!IsDigits(s.weight, 5)) return key = "MCPW", kWeight;
    if (s.addressValidation.size() != 1 || std::strchr("YyNn", s.addressValidation[0]) == nullptr)
        return key = "MCAV", kAddressValidation;
    if (UpperCase(s.addressValidation) == "Y" && !LengthWithin(s.address, 1, 35))
        return key = "MCAD", kAddress;
    if (!LengthWithin(s.city, 1, 35)) return key = "MCCI", kCity;
    if (!LengthWithin(s.state, 0, 2)) return key = "MCST", kState;
    return 0;
}

// The primary message in the layout the encoder recognises by its blanks.
std::string PrimaryMessage(const Shipment& s) {
    std::string primary;
    if (s.country == kUnitedStates) {
        std::string postal = s.postal + std::string(9, ' ');
        std::string plusFour = postal[5] == ' ' ? std::string("0000") : postal.substr(5, 4);
        primary = postal.substr(0, 5) + " " + plusFour + " ";
    } else {
        primary = (s.postal + std::string(6, ' ')).substr(0, 6) + " ";
    }
    return primary + s.country + " " + s.service;
}

std::string FullMessage(const Shipment& s) {
    std::string m = std::string(" [)>") + kRs + "01" + kGs + "96";
    m += UpperCase(s.tracking) + kGs + "UPSN" + kGs + UpperCase(s.shipper) + kGs;
    m += s.pickupDay + kGs + UpperCase(s.shipmentId) + kGs;
    m += s.packageNumber + "/" + s.packageCount + kGs + s.weight + kGs;
    m += UpperCase(s.addressValidation) + kGs + UpperCase(s.address) + kGs;
    m += UpperCase(s.city) + kGs + UpperCase(s.state) + kRs + kEot;
    return m;
}

std::string FieldValue(const Shipment& s, const char* key) {
    const std::string fields[] = {s.postal,        s.country,      s.service,       s.tracking,
                                  s.shipper,       s.pickupDay,    s.shipmentId,    s.packageNumber,
                                  s.packageCount,  s.weight,       s.addressValidation, s.address,
                                  s.city,          s.state};
    const char* keys[] = {"MCPC", "MCCC", "MCCS", "MCTR", "MCSN", "MCJD", "MCSI",
                          "MCPN", "MCPT", "MCPW", "MCAV", "MCAD", "MCCI", "MCST"};
    for (size_t i = 0; i < sizeof keys / sizeof keys[0]; ++i)
        if (std::strcmp(keys[i], key) == 0) return fields[i];
    return {};
}

} // namespace

int32_t BuildShipmentMessage(const BarcodeParams& params, const std::string& data,
                             std::string& message) {
    const Shipment s = ReadShipment(params);
    const bool full = AsksForFullMessage(s);
    if (!full && !AsksForShortMessage(s)) {
        message = data;
        return 0;
    }
    const char* key = "";
    int32_t error = CheckPrimaryFields(s, key);
    if (error == 0 && full) error = CheckFullFields(s, key);
    if (error != 0) {
        std::string value = FieldValue(s, key);
        if (LogWillWrite(1))
            LogWrite(1, "MaxiCode field %s= is invalid: \"%s\"\n", key,
                     PrintableText(value.data(), static_cast<int32_t>(value.size())));
        return error;
    }
    message = PrimaryMessage(s) + (full ? FullMessage(s) : " " + UpperCase(data));
    if (message.size() >= kDataBufferSize) return kTooLong;
    return 0;
}

std::string ShipmentErrorText(int32_t error) {
    switch (error) {
    case kTooLong: return GetText(106, 70, false);
    case kPostalCode: return GetText(106, 71, false);
    case kCountry: return GetText(106, 72, false);
    case kService: return GetText(106, 73, false);
    case kTracking: return GetText(106, 74, false);
    case kShipper: return GetText(106, 75, false);
    case kPickupDay: return GetText(106, 76, false);
    case kShipmentId: return GetText(106, 77, false);
    case kPackageNumber: return GetText(106, 78, false);
    case kWeight: return GetText(106, 79, false);
    case kAddressValidation: return GetText(106, 80, false);
    case kAddress: return GetText(106, 81, false);
    case kCity: return GetText(106, 82, false);
    case kState: return GetText(106, 83, false);
    case kPackageCount: return GetText(106, 84, false);
    default: {
        char text[100];
        std::snprintf(text, sizeof text, GetText(106, 100, false), error);
        return text;
    }
    }
}
