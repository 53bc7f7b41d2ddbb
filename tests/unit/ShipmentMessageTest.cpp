// The MaxiCode shipment message: what each field accepts, in which order the
// fields are checked, and the text the encoder receives.
#include "render/ShipmentMessage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// As the option loop stores them: a value as long as the field has no terminator.
template <size_t N> void SetField(char (&field)[N], const char* value) {
    size_t length = std::min(std::strlen(value), N);
    std::memset(field, 0, N);
    std::memcpy(field, value, length);
}

BarcodeParams FullShipment() {
    BarcodeParams p{};
    SetField(p.maxiPostalCode, "123456789");
    SetField(p.maxiCountryCode, "840");
    SetField(p.maxiServiceClass, "001");
    SetField(p.maxiTrackingNumber, "1z12345678");
    SetField(p.maxiShipperNumber, "12345e");
    SetField(p.maxiPickupDay, "089");
    SetField(p.maxiShipmentId, "a1");
    SetField(p.maxiPackageNumber, "1");
    SetField(p.maxiPackageCount, "2");
    SetField(p.maxiPackageWeight, "22");
    SetField(p.maxiAddressValidation, "y");
    SetField(p.maxiAddress, "main st 1");
    SetField(p.maxiCity, "springfield");
    SetField(p.maxiState, "il");
    return p;
}

TEST(ShipmentMessageTest, WithoutFieldsTheDataIsUsedAsItIs) {
    BarcodeParams p{};
    std::string message;
    EXPECT_EQ(BuildShipmentMessage(p, "any data", message), 0);
    EXPECT_EQ(message, "any data");
}

TEST(ShipmentMessageTest, PrimaryAndShortMessages) {
    BarcodeParams p{};
    SetField(p.maxiPostalCode, "12345");
    SetField(p.maxiCountryCode, "840");
    SetField(p.maxiServiceClass, "001");
    std::string message;
    ASSERT_EQ(BuildShipmentMessage(p, "hello", message), 0);
    EXPECT_EQ(message, "12345 0000 840 001 HELLO");

    SetField(p.maxiPostalCode, "123456789");
    ASSERT_EQ(BuildShipmentMessage(p, "x", message), 0);
    EXPECT_EQ(message, "12345 6789 840 001 X");

    SetField(p.maxiPostalCode, "b1 2x");
    SetField(p.maxiCountryCode, "826");
    ASSERT_EQ(BuildShipmentMessage(p, "x", message), 0);
    EXPECT_EQ(message, "b1 2x  826 001 X");
}

TEST(ShipmentMessageTest, TheFullMessage) {
    std::string message;
    ASSERT_EQ(BuildShipmentMessage(FullShipment(), "", message), 0);
    EXPECT_EQ(message, "12345 6789 840 001 [)>\x1e" "01\x1d" "961Z12345678\x1dUPSN\x1d" "12345E\x1d"
                       "089\x1d" "A1\x1d" "1/2\x1d" "22\x1dY\x1dMAIN ST 1\x1dSPRINGFIELD\x1dIL\x1e\x04");
}

TEST(ShipmentMessageTest, EachFieldHasItsError) {
    struct Case {
        void (*change)(BarcodeParams&);
        int32_t error;
    } cases[] = {
        {[](BarcodeParams& p) { SetField(p.maxiPostalCode, ""); }, -71},
        {[](BarcodeParams& p) { SetField(p.maxiPostalCode, "12a45"); }, -71},
        {[](BarcodeParams& p) {
             SetField(p.maxiCountryCode, "276");
             SetField(p.maxiPostalCode, "1234567"); // seven characters outside the US
         },
         -71},
        {[](BarcodeParams& p) {
             SetField(p.maxiPostalCode, "12345"); // valid for any country
             SetField(p.maxiCountryCode, "84");
         },
         -72},
        {[](BarcodeParams& p) { SetField(p.maxiServiceClass, "01x"); }, -73},
        {[](BarcodeParams& p) { SetField(p.maxiTrackingNumber, "123456789012"); }, -74},
        {[](BarcodeParams& p) { SetField(p.maxiShipperNumber, "1234567"); }, -75},
        {[](BarcodeParams& p) { SetField(p.maxiPickupDay, "  "); }, -76},
        {[](BarcodeParams& p) { SetField(p.maxiPackageNumber, "1a"); }, -78},
        {[](BarcodeParams& p) { SetField(p.maxiPackageCount, ""); }, -84},
        {[](BarcodeParams& p) { SetField(p.maxiPackageWeight, "123456"); }, -79},
        {[](BarcodeParams& p) { SetField(p.maxiAddressValidation, "x"); }, -80},
        {[](BarcodeParams& p) { SetField(p.maxiAddress, ""); }, -81},
        {[](BarcodeParams& p) { SetField(p.maxiCity, ""); }, -82},
        {[](BarcodeParams& p) { SetField(p.maxiState, "ill"); }, -83},
    };
    for (const Case& c : cases) {
        BarcodeParams p = FullShipment();
        c.change(p);
        std::string message;
        EXPECT_EQ(BuildShipmentMessage(p, "", message), c.error);
        EXPECT_NE(ShipmentErrorText(c.error), "");
    }
    // Address validation "N" does not ask for an address; the city still counts.
    BarcodeParams p = FullShipment();
    SetField(p.maxiAddressValidation, "n");
    SetField(p.maxiAddress, "");
    std::string message;
    EXPECT_EQ(BuildShipmentMessage(p, "", message), 0);
    SetField(p.maxiCity, "");
    EXPECT_EQ(BuildShipmentMessage(p, "", message), -82);
    EXPECT_EQ(ShipmentErrorText(-82), "Invalid Ship To City (MCCI=)");
    EXPECT_EQ(ShipmentErrorText(-99), "Maxicode shipment generation error -99");
}

TEST(ShipmentMessageTest, AMessageBeyondTheDataBufferIsRefused) {
    BarcodeParams p = FullShipment();
    std::string message;
    SetField(p.maxiShipmentId, "123456789012345678901234567890");
    SetField(p.maxiAddress, "12345678901234567890123456789012345");
    SetField(p.maxiCity, "12345678901234567890123456789012345");
    SetField(p.maxiTrackingNumber, "12345678901");
    EXPECT_EQ(BuildShipmentMessage(p, "", message), 0) << message.size();
    EXPECT_LT(message.size(), 200u);
    // With the data of a short message, only the data can make it too long.
    BarcodeParams shortMessage{};
    SetField(shortMessage.maxiPostalCode, "12345");
    SetField(shortMessage.maxiCountryCode, "840");
    SetField(shortMessage.maxiServiceClass, "001");
    EXPECT_EQ(BuildShipmentMessage(shortMessage, std::string(300, 'a'), message), -70);
}

} // namespace
