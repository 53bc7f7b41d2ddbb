// The symbols are not drawn yet: every parsed request ends here with a clear
// refusal, so that no caller is told a symbol was printed when none was.
#include "render/BarcodeLayout.h"

#include "catalog/Translate.h"

bool PrepareAndDrawBarcode(CbcHDC&, BarcodeRequest& request, BarcodeParams&, CommandOptions&,
                           RequestErrorSink& errors) {
    ReportRequestError(errors, kErrorInternal, GetText(501, 263, false), request.symbologyId);
    return false;
}
