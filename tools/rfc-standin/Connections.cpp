#include "Connections.h"

#include "FixedText.h"
#include "RfcCallRecords.h"

#include <mutex>
#include <sstream>

namespace rfcstandin {

std::map<std::string, std::string> ParseOptions(const std::string& options) {
    std::map<std::string, std::string> values;
    std::istringstream words(options);
    std::string word;
    while (words >> word) {
        std::size_t equals = word.find('=');
        if (equals == std::string::npos || equals == 0) continue;
        values[Upper(word.substr(0, equals))] = word.substr(equals + 1);
    }
    return values;
}

std::string HostOfRoute(const std::string& route) {
    std::string upper = Upper(route);
    std::size_t last = upper.rfind("/H/");
    if (last == std::string::npos) return route;
    std::string host = route.substr(last + 3);
    std::size_t next = host.find('/');
    return next == std::string::npos ? host : host.substr(0, next);
}

namespace {

struct Registry {
    std::mutex lock;
    std::map<unsigned, Session> sessions;
    unsigned next = 1;
};

Registry& Connections() {
    static Registry registry;
    return registry;
}

OpenResult Refused(int group, std::string key, std::string message) {
    OpenResult result;
    result.group = group;
    result.error.key = std::move(key);
    result.error.status = "CONNECT";
    result.error.message = std::move(message);
    return result;
}

OpenResult LogonFailure() {
    return Refused(kRfcErrorLogonFailure, "RFC_ERROR_LOGON_FAILURE",
                   "Name or password is incorrect. Please re-enter");
}

} // namespace

OpenResult OpenConnection(const std::string& options) {
    std::map<std::string, std::string> values = ParseOptions(options);
    bool balanced = values.count("MSHOST") != 0;
    std::string host = HostOfRoute(balanced ? values["MSHOST"] : values["ASHOST"]);
    if (host.empty())
        return Refused(kRfcErrorProgram, "RFC_ERROR_PROGRAM",
                       "Missing ASHOST or MSHOST in the connect options");
    std::filesystem::path directory = HostDirectory(SystemsRoot(), host);
    std::optional<SystemProfile> profile;
    if (!directory.empty()) profile = ReadSystemProfile(directory);
    if (!profile)
        return Refused(kRfcErrorCommunication, "RFC_ERROR_COMMUNICATION",
                       "Connect to SAP gateway failed: partner '" + host + "' not reached");
    if (balanced && !values["R3NAME"].empty() && Upper(values["R3NAME"]) != Upper(profile->name))
        return Refused(kRfcErrorCommunication, "RFC_ERROR_COMMUNICATION",
                       "Message server of " + host + " serves no system '" + values["R3NAME"] +
                           "'");
    if (values["CLIENT"] != profile->client)
        return Refused(kRfcErrorLogonFailure, "RFC_ERROR_LOGON_FAILURE",
                       "Client " + values["CLIENT"] + " is not available in this system");
    auto password = profile->passwords.find(Upper(values["USER"]));
    if (values["USER"].empty() || password == profile->passwords.end() ||
        password->second != values["PASSWD"])
        return LogonFailure();

    Registry& registry = Connections();
    std::lock_guard<std::mutex> guard(registry.lock);
    OpenResult result;
    result.handle = registry.next++;
    if (registry.next == 0) registry.next = 1;
    Session& session = registry.sessions[result.handle];
    session.directory = directory;
    session.profile = *profile;
    session.user = Upper(values["USER"]);
    return result;
}

Session* FindSession(unsigned handle) {
    Registry& registry = Connections();
    std::lock_guard<std::mutex> guard(registry.lock);
    auto found = registry.sessions.find(handle);
    return found == registry.sessions.end() ? nullptr : &found->second;
}

void CloseConnection(unsigned handle) {
    Registry& registry = Connections();
    std::lock_guard<std::mutex> guard(registry.lock);
    registry.sessions.erase(handle);
}

} // namespace rfcstandin
