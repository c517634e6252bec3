// What the display settings service reports, as the program under test sees it.
#pragma once

#include <string>

// One line per adapter: name, description, state flags, current mode and mode count.
int PrintDisplays();
// One line per mode of the adapter (empty name: the default one), in enumeration order.
int PrintModes(const std::wstring& device);
