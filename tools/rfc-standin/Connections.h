// Connections to simulated systems, opened from an options text
// ("TYPE=3 ASHOST=host SYSNR=00 CLIENT=100 USER=name PASSWD=secret LANG=E",
// or MSHOST, R3NAME and GROUP for load balancing); the host part of ASHOST
// or MSHOST after a router string ("/H/router/H/host") names the system's
// directory under the root.
#pragma once

#include "ErrorState.h"
#include "SystemProfile.h"

#include <filesystem>
#include <map>
#include <string>

namespace rfcstandin {

struct Session {
    std::filesystem::path directory;
    SystemProfile profile;
    std::string user;
    bool broken = false; // a simulated break: every further call fails
};

// The KEY=VALUE words of an options text, keys in upper case.
std::map<std::string, std::string> ParseOptions(const std::string& options);

// The host that a host option names: the last part after "/H/", if any.
std::string HostOfRoute(const std::string& route);

struct OpenResult {
    unsigned handle = 0; // 0 when refused
    int group = 0;
    ErrorInfo error;
};

OpenResult OpenConnection(const std::string& options);
// Null when the handle is not open.
Session* FindSession(unsigned handle);
void CloseConnection(unsigned handle);

} // namespace rfcstandin
