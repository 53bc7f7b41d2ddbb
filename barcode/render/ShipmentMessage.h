// The parcel carrier's structured shipment message of a MaxiCode request,
// built from the request's shipment fields and checked field by field.
#pragma once

#include "command/BarcodeParams.h"

#include <cstdint>
#include <string>

// Without shipment fields the data is used as it is. Otherwise the fields
// are checked in order and assembled into the primary message and either the
// short message (a blank and the data) or the full message. Returns 0 with
// the text to encode, or the error of the first invalid field (-71 to -84),
// or -70 when the message would not fit the 200-byte data buffer.
int32_t BuildShipmentMessage(const BarcodeParams& params, const std::string& data,
                             std::string& message);

// The message of a shipment error, as the request reports it.
std::string ShipmentErrorText(int32_t error);
