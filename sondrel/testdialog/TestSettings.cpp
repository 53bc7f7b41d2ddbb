// The settings record's factory defaults and the MaxiCode dialog's fields.
#include "TestSettings.h"

#include "resource.h"

void ApplyFactoryDefaults(TestSettings& s) {
    s.barcodeType = "2 of 5 Industrial";
    s.absoluteWidth = 0;
    s.width = 0;
    s.height = 20;
    s.commonDpi = 600;
    s.smallBar = 6;
    s.ratioIndex = 0;
    s.extraDotsGap = 0;
    s.annotate = 0;
    s.checkDigit = 1;
    s.killBlanks = 1;
    s.rotationIndex = 0;
    s.securityLevel = 2;
    s.dmEncodingIndex = 0;
    s.dmEncoding = "AUTO";
    s.dmFormat = "AUTO";
    s.emValue = 0;
}

// Every maximum length fits the DLL's shipment field of that key, which cuts
// longer values.
const MaxiCodeFieldLimit kMaxiCodeFieldLimits[13] = {
    {IDC_MC_POSTAL_CODE, 9, &MaxiCodeFields::postalCode, "MCPC="},
    {IDC_MC_COUNTRY_CODE, 3, &MaxiCodeFields::countryCode, "MCCC="},
    {IDC_MC_ADDRESS, 35, &MaxiCodeFields::address, "MCAD="},
    {IDC_MC_CITY, 20, &MaxiCodeFields::city, "MCCI="},
    {IDC_MC_STATE, 2, &MaxiCodeFields::state, "MCST="},
    {IDC_MC_SHIPMENT_ID, 30, &MaxiCodeFields::shipmentId, "MCSI="},
    {IDC_MC_SHIPPER_NUMBER, 6, &MaxiCodeFields::shipperNumber, "MCSN="},
    {IDC_MC_TRACKING_NUMBER, 11, &MaxiCodeFields::trackingNumber, "MCTR="},
    {IDC_MC_CLASS_OF_SERVICE, 3, &MaxiCodeFields::classOfService, "MCCS="},
    {IDC_MC_JULIAN_DAY, 3, &MaxiCodeFields::julianDay, "MCJD="},
    {IDC_MC_PACKAGE_NUMBER, 3, &MaxiCodeFields::packageNumber, "MCPN="},
    {IDC_MC_TOTAL_PACKAGES, 3, &MaxiCodeFields::totalPackages, "MCPT="},
    {IDC_MC_WEIGHT, 3, &MaxiCodeFields::weight, "MCPW="},
};
