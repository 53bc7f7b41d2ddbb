// The recording drawing stage of the print frame tests.
#include "RecordingStage.h"

thread_local StageRecord stage;

bool RecordingStage(CbcHDC& surface, BarcodeRequest& request, BarcodeParams& params,
                    CommandOptions& options, RequestErrorSink& errors) {
    ++stage.calls;
    stage.request = request;
    stage.params = params;
    stage.data.assign(options.data, static_cast<size_t>(options.dataLength));
    stage.mapMode = surface.GetMapMode();
    if (stage.moveWindowOrigin) surface.SetWindowOrgEx(5, 7, nullptr);
    if (stage.changeTextColor) surface.SetTextColor(RGB(1, 2, 3));
    if (stage.report != nullptr)
        ReportRequestError(errors, kErrorSymbolRefused, "%s", stage.report);
    return stage.result;
}
