#pragma once

#include <string>

// Whether a serial device node exists: it opens for reading and writing, or is refused because
// another program holds it or this user may not open it.
bool SerialDeviceExists(const std::string& path);
