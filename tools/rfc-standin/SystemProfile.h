// system.ini of a simulated system: who may log on, which client, whether it
// is a production system, and the failure it is told to simulate.
//
//   [system]
//   name=T01                 system id, answered to a connection test
//   client=100               the client a logon must name
//   production=0             1: a production system, which refuses writes
//   [users]
//   DEVELOPER=init1234       user=password (user names in any case)
//   [failures]
//   break_function=Z_...     the connection breaks while this function runs
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace rfcstandin {

struct SystemProfile {
    std::string name;
    std::string client;
    bool production = false;
    std::map<std::string, std::string> passwords; // by upper-case user name
    std::string breakFunction;
};

// Empty when the directory has no readable system.ini.
std::optional<SystemProfile> ReadSystemProfile(const std::filesystem::path& systemDirectory);

// The directory that holds one directory per simulated host: the environment
// variable RFC_STANDIN_ROOT, else the key Root of section [StandIn] in
// librfc32.ini beside this library (relative to that file), else empty.
std::filesystem::path SystemsRoot();

// The directory of a host name, or empty when the name could leave the root
// (anything but letters, digits, '.', '-' and '_', or a name of dots only).
std::filesystem::path HostDirectory(const std::filesystem::path& root, const std::string& host);

} // namespace rfcstandin
