// What must hold in every window after any event.
#include "tests/stress/stress_driver.h"

namespace stress {

void addWindowInvariants(Driver&) {}

} // namespace stress
