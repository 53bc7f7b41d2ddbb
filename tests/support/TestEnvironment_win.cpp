// Under Wine the prefix of the build is the tests' own Windows installation.
#include "ChildProcess.h"

namespace testsupport {

void PrepareTestEnvironment() {}

} // namespace testsupport
