// The installation of a product: the directories of one run, the fixed
// sequence of copies per product, and what it records for removal and
// repair.
#pragma once

#include <string>

#include "InstallLists.h"

class InstallSystem;

enum class Product { BarcodeDll = 1, QuodraServer = 2 };

struct InstallState {
    std::string sourceDirectory; // the current directory at start
    std::string windowsDirectory;
    std::string systemDirectory;
    std::string utilitiesDirectory; // U, editable in the installation dialog
    std::string dllDirectory;       // D, editable in the installation dialog
    InstallLists lists;
    bool installed = false; // at least the first part of the product was copied
};

// The directories of a run with their defaults: U below ProgramFiles, D the
// System directory; fall-backs for directories the system does not report.
InstallState StartInstallState(InstallSystem& system, Product product);

// The product's installation sequence with the directories of the dialog.
// False when a required file was not copied: the attempt ends there, and
// the dialog is shown again. Each attempt records its own lists.
bool InstallBarcodeDll(InstallSystem& system, InstallState& state);
bool InstallQuodraServer(InstallSystem& system, InstallState& state);

// The user let the print server install itself as a service: removal first
// runs it with its uninstall switch.
void RecordServiceRemoval(InstallState& state);

// Writes the lists into the repair directory when something was installed.
void WriteListsOfInstallation(InstallSystem& system, const InstallState& state);

// A computer named "P" (either case) and four digits is a production print
// server, which gets no second copy of the DLL for SAPlpd.
bool IsProductionServerName(const std::string& computerName);
