// Linux has no print programs to stand in for.
#include "sapext/HostHooks.h"

bool InstallPrintProgramHooks() {
    return false;
}
