// The connection record of an SAP operation, rebuilt from the settings
// before every operation, and the RFC options text made from it. Every
// operation leaves the text of its last error in the record.
#pragma once

#include "SapSettings.h"

#include <string>

struct SapConnection {
    std::string client, hostName, user, password, systemName;
    int systemNumber = 0;
    std::string routerString, messageServer, group;
    bool loadBalancing = false;
    std::string lastError; // empty when none
};

SapConnection MakeSapConnection(const SapSettings& settings);

// Catalog format (1, 1) from the load-balancing fields when load balancing
// is on, else (1, 2) from the direct-connection fields.
std::string RfcOptionsText(const SapConnection& connection);
