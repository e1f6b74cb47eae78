#include "platform/controls/system_classes.h"

namespace controls {

// Filled in as the standard controls arrive.
void install_system_classes() {}

}  // namespace controls
