#include "SapConnection.h"

#include "SapText.h"
#include "catalog/Translate.h"

SapConnection MakeSapConnection(const SapSettings& settings) {
    SapConnection connection;
    connection.client = settings.client;
    connection.hostName = settings.hostName;
    connection.user = settings.user;
    connection.password = settings.password;
    connection.systemName = settings.systemName;
    connection.systemNumber = settings.systemNumber;
    connection.routerString = settings.routerString;
    connection.messageServer = settings.messageServer;
    connection.group = settings.group;
    connection.loadBalancing = settings.loadBalancing;
    return connection;
}

std::string RfcOptionsText(const SapConnection& c) {
    if (c.loadBalancing)
        return FormatSapText(GetText(1, 1, true), c.client.c_str(), c.user.c_str(),
                             c.password.c_str(), c.routerString.c_str(), c.messageServer.c_str(),
                             c.systemName.c_str(), c.group.c_str());
    return FormatSapText(GetText(1, 2, true), c.client.c_str(), c.user.c_str(), c.password.c_str(),
                         c.routerString.c_str(), c.hostName.c_str(), c.systemNumber);
}
