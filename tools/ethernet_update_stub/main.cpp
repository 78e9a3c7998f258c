// Stand-in for the external updater: it reads the job file Ethernet_Update.xml beside itself,
// records it, waits and exits as the environment says. It never talks to a device.
//   ETHERNET_UPDATE_STUB_LOG        file to copy the job file to (default: print it)
//   ETHERNET_UPDATE_STUB_DELAY_MS   milliseconds to wait before exiting (default 0)
//   ETHERNET_UPDATE_STUB_EXIT_CODE  exit code (default 0)

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

namespace {

int EnvironmentNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0')
        return fallback;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return *end == '\0' ? static_cast<int>(value) : fallback;
}

} // namespace

int main() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    const fs::path jobFile = self.parent_path() / "Ethernet_Update.xml";

    std::ifstream job(jobFile, std::ios::binary);
    std::ostringstream content;
    if (job)
        content << job.rdbuf();
    else
        std::cerr << "Ethernet_Update: no job file " << jobFile << "\n";

    if (const char* log = std::getenv("ETHERNET_UPDATE_STUB_LOG"); log != nullptr && *log != '\0') {
        std::ofstream out(log, std::ios::binary);
        out << content.str();
    } else {
        std::cout << content.str() << std::endl;
    }

    const int delayMs = EnvironmentNumber("ETHERNET_UPDATE_STUB_DELAY_MS", 0);
    if (delayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    return EnvironmentNumber("ETHERNET_UPDATE_STUB_EXIT_CODE", 0);
}
