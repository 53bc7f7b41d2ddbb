// A drawing stage for the print frame that records what reached it, so that
// tests see the parsed request without any symbol being drawn.
#pragma once

#include "pipeline/PrintFrame.h"

#include <string>

// What the recording stage saw of the last request that reached it.
struct StageRecord {
    int calls = 0;
    BarcodeRequest request{};
    BarcodeParams params{};
    std::string data;
    int mapMode = 0;
    bool result = true;
    const char* report = nullptr; // reported as a symbol refusal when set
    bool moveWindowOrigin = false;
    bool changeTextColor = false;
};
// One record per thread, so that threads printing at once each see their own.
extern thread_local StageRecord stage;

// Records the request in stage and does what stage asks for.
bool RecordingStage(CbcHDC& surface, BarcodeRequest& request, BarcodeParams& params,
                    CommandOptions& options, RequestErrorSink& errors);
