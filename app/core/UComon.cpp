#include "app/core/UComon.h"

#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/SerialDevice.h"
#include "platform/core/Text.h"

int Get_Master_Index(std::string_view Text) {
    return UpperCase(Trim(Text)) == "SECONDARY MASTER" ? 1 : 0;
}

int Get_Retry_Index(std::string_view Text) {
    const std::string value = UpperCase(Trim(Text));
    if (value == "5")
        return 3;
    if (value == "4")
        return 2;
    if (value == "3")
        return 1;
    return 0;
}

bool Split_IP(std::string_view IP, std::string& P1, std::string& P2, std::string& P3,
              std::string& P4) {
    std::string rest = Trim(IP);
    for (std::string* part : {&P1, &P2, &P3}) {
        const size_t dot = rest.find('.');
        if (dot == std::string::npos)
            return false;
        *part = Trim(std::string_view(rest).substr(0, dot));
        rest = Trim(std::string_view(rest).substr(dot + 1));
    }
    P4 = rest;
    for (const std::string* part : {&P1, &P2, &P3, &P4}) {
        const int32_t octet = StrToIntDef(*part, 1000);
        if (octet < 0 || octet > 255)
            return false;
    }
    return true;
}

namespace {

const int Ports_Per_Kind = 64;
const char* const Port_Kinds[] = {"ttyS", "ttyUSB", "ttyACM"};
const int Max_COM_Port = Ports_Per_Kind * 3;

} // namespace

std::string COM_Port_Device(int Number, std::string_view Device_Folder) {
    if (Number < 1 || Number > Max_COM_Port)
        return {};
    const int index = Number - 1;
    return JoinPath(Device_Folder, std::string(Port_Kinds[index / Ports_Per_Kind]) +
                                       IntToStr(index % Ports_Per_Kind));
}

std::unique_ptr<TStringList> List_COM_Ports(std::string_view Device_Folder) {
    auto ports = std::make_unique<TStringList>();
    for (int number = 1; number <= Max_COM_Port; ++number) {
        if (SerialDeviceExists(COM_Port_Device(number, Device_Folder)))
            ports->Add(IntToStr(number));
    }
    return ports;
}
