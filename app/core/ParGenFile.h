#pragma once

#include <array>
#include <string>
#include <string_view>

// The general parameters of one configuration as the file "ParGen.xml" holds them (root
// "Par_Gen", one text element per parameter). Octets, the station address and the byte counts
// are kept exactly as typed; readers convert them again.
struct TParGenValues {
    static constexpr std::array<std::string_view, 2> Master_Address_Items = {"Primary Master",
                                                                             "Secondary Master"};
    static constexpr std::array<std::string_view, 4> Retry_Limit_Items = {"2", "3", "4", "5"};

    int HART_Master_Address = 0;     // item of Master_Address_Items
    int HART_Master_Retry_Limit = 0; // item of Retry_Limit_Items
    std::array<std::string, 4> Ethernet_IP = {"192", "168", "0", "10"};
    std::array<std::string, 4> Ethernet_SM = {"255", "255", "255", "0"};
    std::array<std::string, 4> Ethernet_GAT = {"192", "168", "0", "1"};
    bool Ethernet_EN_GAT = false;
    std::array<std::string, 4> Ethernet_DNS = {"8", "8", "8", "8"};
    bool Ethernet_EN_DNS = false;
    std::string PROFIBUS_ID_Device = "10";
    std::string PROFINET_NB_IN = "244";
    std::string PROFINET_NB_OUT = "244";
    std::string Web_Pages_User;
    std::string Web_Pages_Password;

    bool operator==(const TParGenValues&) const = default;
};

// The values of the file, each missing or unreadable element by itself taking its default; all
// defaults when the file does not exist. A file that is not well-formed XML throws Exception
// naming the file.
TParGenValues Read_ParGen_File(const std::string& path);

// Rewrites the whole file from the values (elements it does not know are not carried over).
// Throws EFileError naming the file when it cannot be written; the old file then stays.
void Write_ParGen_File(const std::string& path, const TParGenValues& values);
