#pragma once

#include "tools/hart_simulator/HartGatewaySimulator.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A command line or device list the simulator can not use; what() says where and why.
class ESimulatorOptions : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TSimulatorCommand {
    TSimulatorSettings Settings;
    bool ShowUsage = false;
};

std::string SimulatorUsage();

// The program's arguments without the program name. Reads the --devices file.
TSimulatorCommand ParseSimulatorArguments(const std::vector<std::string>& arguments);

// One device a line: "address | preamble | name | code:classification:unit ...". Blank lines
// and lines starting with "#" are skipped.
std::vector<TSimulatedDevice> ParseDeviceList(std::string_view text);

// The three devices the simulator offers when no list is given.
std::vector<TSimulatedDevice> DefaultDevices();
