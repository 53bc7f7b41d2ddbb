// Natively the Windows directory and the DOS drives default to places under
// the user's home; tests use folders of the build instead, unless the caller
// chose others.
#include "ChildProcess.h"

#include <cstdlib>
#include <string>

namespace testsupport {

void PrepareTestEnvironment() {
    std::string home = BARCODE_TEST_HOME;
    setenv("BARCODE_WINDIR", (home + "/windows").c_str(), 0);
    setenv("BARCODE_DOSROOT", (home + "/drives").c_str(), 0);
}

} // namespace testsupport
