// The function modules the simulated system answers, each a handler over
// the session's files and the call's parameters and tables.
#pragma once

#include "CallContext.h"
#include "Connections.h"

#include <string>
#include <string_view>

namespace rfcstandin {

struct CallResult {
    int code = 0;          // kRfcOk, kRfcException, kRfcSysException, kRfcFailure
    std::string exception; // the exception's name for kRfcException
    ErrorInfo error;       // for every result but kRfcOk
};

CallResult Succeeded();
CallResult Raised(std::string exception, std::string message);
CallResult SystemFailure(std::string message);

// Runs the function module of this name.
CallResult CallFunction(Session& session, std::string_view name, const CallContext& call);

// The handlers, one file each.
CallResult ReadTableModule(Session& session, const CallContext& call);
CallResult ReadDeviceTypeModule(Session& session, const CallContext& call);
CallResult SystemRoleModule(Session& session, const CallContext& call);
CallResult CheckPrintControlsModule(Session& session, const CallContext& call);
CallResult WritePrintControlsModule(Session& session, const CallContext& call);

} // namespace rfcstandin
