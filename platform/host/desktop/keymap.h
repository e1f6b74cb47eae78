#pragma once
// GDK key values to our virtual-key codes.

namespace desktop {

// keyval is the key's unshifted value (for layout keys, the level-0 keyval of
// the hardware key, so Shift+1 is still '1'). Returns 0 for keys we have no
// code for.
int virtual_key_from_keyval(unsigned keyval);

}  // namespace desktop
