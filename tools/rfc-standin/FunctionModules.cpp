#include "FunctionModules.h"

#include "FixedText.h"

#include <array>

namespace rfcstandin {

CallResult Succeeded() {
    return {};
}

CallResult Raised(std::string exception, std::string message) {
    CallResult result;
    result.code = kRfcException;
    result.error = {"RFC_ERROR_APPLICATION_EXCEPTION", exception, std::move(message), ""};
    result.exception = std::move(exception);
    return result;
}

CallResult SystemFailure(std::string message) {
    CallResult result;
    result.code = kRfcSysException;
    result.error = {"RFC_ERROR_SYSTEM_FAILURE", "SYSTEM_FAILURE", std::move(message), ""};
    result.exception = "SYSTEM_FAILURE";
    return result;
}

namespace {

CallResult PingModule(Session&, const CallContext&) {
    return Succeeded();
}

struct Module {
    std::string_view name;
    CallResult (*handler)(Session&, const CallContext&);
};

// SAP's own modules where the operation has one, Z modules of this system
// for the rest.
constexpr std::array kModules{
    Module{"RFC_PING", PingModule},
    Module{"RFC_READ_TABLE", ReadTableModule},
    Module{"Z_BARCODE_DEVTYPE_READ", ReadDeviceTypeModule},
    Module{"Z_BARCODE_SYSTEM_ROLE", SystemRoleModule},
    Module{"Z_BARCODE_PRCTL_CHECK", CheckPrintControlsModule},
    Module{"Z_BARCODE_PRCTL_WRITE", WritePrintControlsModule},
};

} // namespace

CallResult CallFunction(Session& session, std::string_view name, const CallContext& call) {
    for (const Module& module : kModules)
        if (module.name == name) return module.handler(session, call);
    CallResult result;
    result.code = kRfcFailure;
    result.error = {"RFC_ERROR_SYSTEM_FAILURE", "FU_NOT_FOUND",
                    "Function module \"" + std::string(name) + "\" not found", ""};
    return result;
}

} // namespace rfcstandin
