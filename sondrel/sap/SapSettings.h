// The SAP connection settings the main dialog holds and the connection
// dialog edits: where they are read from (section (210, 21) of barcode.ini,
// or the older profile file (210, 4) when that section has no system number)
// and what a successful import at start stores back. The password is read
// but never written.
#pragma once

#include <string>

struct SapSettings {
    std::string systemName;
    int systemNumber = 0; // 0..99
    std::string user;
    std::string password;
    std::string client;
    std::string hostName;
    std::string routerString;
    bool loadBalancing = false;
    std::string messageServer;
    std::string group;
};

// The settings from the profile, with the defaults of the catalog.
SapSettings ReadSapSettings();

// Stores every setting but the password into barcode.ini.
void StoreSapSettings(const SapSettings& settings);
