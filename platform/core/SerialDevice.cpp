#include "platform/core/SerialDevice.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool SerialDeviceExists(const std::string& path) {
    // Non-blocking, and not as controlling terminal: a modem line must not hang the probe.
    const int handle = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (handle >= 0) {
        close(handle);
        return true;
    }
    return errno == EACCES || errno == EBUSY;
}
