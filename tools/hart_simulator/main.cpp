#include "platform/core/Exception.h"
#include "tools/hart_simulator/SimulatorOptions.h"

#include <csignal>
#include <iostream>
#include <unistd.h>

namespace {
volatile std::sig_atomic_t StopRequested = 0;
void RequestStop(int) {
    StopRequested = 1;
}
} // namespace

int main(int argc, char** argv) {
    TSimulatorCommand command;
    try {
        command = ParseSimulatorArguments(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const ESimulatorOptions& error) {
        std::cerr << "hart_simulator: " << error.what() << "\n\n" << SimulatorUsage();
        return 2;
    }
    if (command.ShowUsage) {
        std::cout << SimulatorUsage();
        return 0;
    }
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    THartGatewaySimulator simulator(command.Settings);
    try {
        simulator.Start();
    } catch (const Exception& error) {
        std::cerr << "hart_simulator: " << error.Message << "\n";
        return 1;
    }
    std::cout << "HART gateway simulator on " << command.Settings.BindAddress << ":"
              << simulator.Port() << " with " << command.Settings.Devices.size()
              << " devices; Ctrl+C stops it." << std::endl;
    size_t shown = 0;
    while (!StopRequested) {
        ::usleep(100 * 1000);
        const auto requests = simulator.Requests();
        for (; shown < requests.size(); ++shown)
            std::cout << "<- " << requests[shown] << std::endl;
    }
    simulator.Stop();
    return 0;
}
