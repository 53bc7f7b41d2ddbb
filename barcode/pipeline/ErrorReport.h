// The message routine of a print request: every error of the request is
// logged, optionally written onto the device where the symbol would have
// been, and handed to the caller through errorText.
#pragma once

#include "api/BarcodeRecords.h"
#include "pipeline/RequestErrorSink.h"
#include "render/CbcHDC.h"

#include <cstdint>

// The text behind a successful request's errorText.
const char* EmptyErrorText();

class CRequestReporter : public RequestErrorSink {
  public:
    // request is the caller's record: its errorText is set and its posY
    // advanced by the lines written onto the device. command is the command
    // as the frame has it, shown in printable form under the message.
    CRequestReporter(CbcHDC& surface, BarcodeRequest& request, const char* command,
                     int32_t commandLength, bool writeOntoDevice);

    // The frame switched a device from MM_TWIPS to MM_TEXT: the lines then go
    // to the converted position, and the caller's posY advances in twips.
    void UseConvertedTwipsPosition(int32_t pixelX, int32_t pixelY, int dpiY);

    void Report(int32_t flag, const char* message) override;

    // The flags of every error reported so far.
    int32_t Flags() const { return flags_; }

  private:
    void WriteErrorLines(const char* message);

    CbcHDC& surface_;
    BarcodeRequest& request_;
    const char* command_;
    int32_t commandLength_;
    bool writeOntoDevice_;
    bool twips_ = false;
    int32_t pixelX_ = 0;
    int32_t pixelY_ = 0;
    int dpiY_ = 0;
    int32_t flags_ = 0;
};
