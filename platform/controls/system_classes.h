#pragma once
// The standard window classes ("Button", "Edit", "Static", "ComboBox", "ComboLBox",
// "ListBox", "SysHeader32", "msctls_progress32", "#32770") are part of the window
// manager: it installs them at start and again after every headless reset.

namespace controls {

// Registers every standard class that is not registered yet.
void install_system_classes();

}  // namespace controls
