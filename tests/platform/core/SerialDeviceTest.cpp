#include "platform/core/SerialDevice.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(SerialDeviceTest, ANodeThatOpensExistsAndAMissingOrUnopenableOneDoesNot) {
    TTempFolder devices;
    EXPECT_TRUE(SerialDeviceExists(devices.Write("ttyUSB0", "")));
    EXPECT_FALSE(SerialDeviceExists(devices.File("ttyUSB1")));
    // A folder cannot be opened for writing, and is no port.
    EXPECT_FALSE(SerialDeviceExists(devices.Path()));
    EXPECT_FALSE(SerialDeviceExists(""));
}

} // namespace
