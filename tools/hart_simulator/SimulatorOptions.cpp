#include "tools/hart_simulator/SimulatorOptions.h"

#include "platform/core/Exception.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/core/TextFile.h"

#include <sstream>

namespace {

int NumberIn(std::string_view text, int low, int high, const std::string& what) {
    int32_t value = 0;
    if (!TryStrToInt(Trim(text), value) || value < low || value > high)
        throw ESimulatorOptions(what + ": '" + std::string(text) + "' is not a number from " +
                                std::to_string(low) + " to " + std::to_string(high));
    return value;
}

std::vector<std::string> SplitOn(std::string_view text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

std::array<uint8_t, 5> DeviceAddressOf(const std::string& text, const std::string& where) {
    int64_t value = 0;
    if (!TryStrToInt64(Trim(text), value) || value < 0 || value > 0xFFFFFFFFFFLL)
        throw ESimulatorOptions(where + ": the address '" + text +
                                "' is not a number of at most 10 hexadecimal digits");
    std::array<uint8_t, 5> address{};
    for (size_t i = 0; i < address.size(); ++i)
        address[i] = static_cast<uint8_t>(value >> (8 * (address.size() - 1 - i)));
    return address;
}

TSimulatedDevice::TVariable VariableOf(const std::string& text, const std::string& where) {
    const auto codes = SplitOn(text, ':');
    if (codes.size() != 3)
        throw ESimulatorOptions(where + ": the variable '" + text +
                                "' is not code:classification:unit");
    return {static_cast<uint8_t>(NumberIn(codes[0], 0, 255, where + " variable code")),
            static_cast<uint8_t>(NumberIn(codes[1], 0, 255, where + " classification")),
            static_cast<uint8_t>(NumberIn(codes[2], 0, 255, where + " unit"))};
}

TSimulatedDevice DeviceOf(const std::string& line, const std::string& where) {
    const auto fields = SplitOn(line, '|');
    if (fields.size() != 4)
        throw ESimulatorOptions(where + ": expected 'address | preamble | name | variables'");
    TSimulatedDevice device;
    device.Address = DeviceAddressOf(fields[0], where);
    device.Preamble = static_cast<uint8_t>(NumberIn(fields[1], 0, 255, where + " preamble"));
    device.Name = Trim(fields[2]);
    if (device.Name.size() > 32)
        throw ESimulatorOptions(where + ": the name is longer than 32 bytes");
    std::istringstream variables(fields[3]);
    for (std::string variable; variables >> variable;)
        device.Variables.push_back(VariableOf(variable, where));
    return device;
}

} // namespace

std::string SimulatorUsage() {
    return "Usage: hart_simulator [options]\n"
           "A HART gateway that answers the configurator's scan (F_FULL_nn, F_TEST, F_READnn)\n"
           "on one UDP port.\n"
           "  --port N             UDP port to answer on (default 10000; 0: any free port)\n"
           "  --bind ADDRESS       local IPv4 address to bind (default 127.0.0.1)\n"
           "  --devices FILE       device list, one device a line:\n"
           "                         0x1234ABCDEF | 5 | TT-101 | 246:64:32 247:64:32\n"
           "                       (address | preamble | name | code:classification:unit ...)\n"
           "  --report-devices N   report N devices found (more than listed: made-up ones)\n"
           "  --busy-polls N       answer N status requests with 'still searching' (default 1)\n"
           "  --delay MS           wait MS milliseconds before every reply\n"
           "  --silent             receive but never answer\n"
           "  --garbage-replies N  answer the first N requests with bytes that are no reply\n"
           "  --answer-only N      answer only the first N requests, then fall silent\n"
           "  --wrong-first-reads N\n"
           "                       answer the first read of devices 0..N-1 with the header of\n"
           "                       another device\n"
           "  --foreign-sender     precede each reply with a wrong one from another host\n"
           "                       (127.0.0.2)\n"
           "  --other-reply-port   answer from another port than the one asked\n"
           "  --help               this text\n"
           "Without --devices it offers three devices. Stop it with Ctrl+C.\n";
}

std::vector<TSimulatedDevice> ParseDeviceList(std::string_view text) {
    std::vector<TSimulatedDevice> devices;
    const auto lines = SplitOn(text, '\n');
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string line = Trim(lines[i]);
        if (line.empty() || line[0] == '#')
            continue;
        devices.push_back(DeviceOf(line, "line " + std::to_string(i + 1)));
    }
    return devices;
}

std::vector<TSimulatedDevice> DefaultDevices() {
    return ParseDeviceList("0x1234ABCDEF | 5 | TT-101 REACTOR TEMP | 246:64:32 247:64:32\n"
                           "0x26A0000001 | 7 | PT-202 | 246:65:7 248:0:0\n"
                           "0x26A0000002 | 5 | FT-303 FLOW | 242:66:19 7:0:0 249:64:33\n");
}

TSimulatorCommand ParseSimulatorArguments(const std::vector<std::string>& arguments) {
    TSimulatorCommand command;
    TSimulatorSettings& settings = command.Settings;
    settings.Devices = DefaultDevices();
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size())
                throw ESimulatorOptions(option + " needs a value");
            return arguments[++i];
        };
        if (option == "--help" || option == "-h")
            command.ShowUsage = true;
        else if (option == "--port")
            settings.Port = static_cast<uint16_t>(NumberIn(value(), 0, 65535, option));
        else if (option == "--bind")
            settings.BindAddress = value();
        else if (option == "--devices") {
            const std::string& path = value();
            try {
                settings.Devices = ParseDeviceList(ReadTextFile(path));
            } catch (const ESimulatorOptions& error) {
                throw ESimulatorOptions(path + ", " + error.what());
            } catch (const Exception& error) {
                throw ESimulatorOptions(error.Message);
            }
        } else if (option == "--report-devices")
            settings.ReportedDevices = NumberIn(value(), 0, 99999, option);
        else if (option == "--busy-polls")
            settings.BusyPolls = NumberIn(value(), 0, 1000, option);
        else if (option == "--delay")
            settings.ReplyDelayMs = NumberIn(value(), 0, 60000, option);
        else if (option == "--silent")
            settings.Silent = true;
        else if (option == "--garbage-replies")
            settings.GarbageReplies = NumberIn(value(), 0, 1000, option);
        else if (option == "--answer-only")
            settings.AnsweredRequests = NumberIn(value(), 0, 100000, option);
        else if (option == "--wrong-first-reads")
            settings.WrongFirstReads = NumberIn(value(), 0, 100, option);
        else if (option == "--foreign-sender")
            settings.ForeignSender = true;
        else if (option == "--other-reply-port")
            settings.ReplyFromOtherPort = true;
        else
            throw ESimulatorOptions("unknown option '" + option + "'");
    }
    return command;
}
