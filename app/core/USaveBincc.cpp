#include "app/core/USaveBincc.h"

#include "app/core/AppState.h"
#include "app/core/ByteWriter.h"
#include "app/core/ParGenFile.h"
#include "app/core/UComon.h"
#include "platform/core/CodePage.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"

#include <numeric>
#include <string_view>

namespace {

// Offsets in the general parameter record.
enum : size_t {
    Ip_Offset = 40,
    Mask_Offset = 44,
    Gateway_Offset = 48,
    Output_Count_Offset = 116,
    Input_Count_Offset = 120,
    Station_Offset = 129,
    Dns_Offset = 1420,
    Hart_Bank_Offset = 1536,
    Web_Pages_Offset = 1804,
    User_Offset = 1828,
    Password_Offset = 1836,
    Login_Width = 8,
};

// The value of a text as typed, or the value of the default text when it does not convert.
int32_t Number_Or_Default(const std::string& text, const std::string& default_text) {
    return StrToIntDef(text, StrToInt(default_text));
}

void Set_Octets(TPar_Gen_Bank& bank, size_t offset, const std::array<std::string, 4>& octets,
                const std::array<std::string, 4>& defaults) {
    for (size_t i = 0; i < 4; ++i)
        bank.Set(offset + i, static_cast<uint32_t>(Number_Or_Default(octets[i], defaults[i])), 1);
}

void Set_Unused_Address(TPar_Gen_Bank& bank, size_t offset) {
    bank.Set(offset, 0xFFFFFFFF, 4);
}

// One byte per character (the low byte of its UTF-16 unit). Longer texts are cut so that nothing
// is written beyond the field.
void Set_Login(TPar_Gen_Bank& bank, size_t offset, const std::string& text) {
    const std::u16string units = Utf8ToUtf16(text);
    for (size_t i = 0; i < units.size() && i < Login_Width; ++i)
        bank.Set(offset + i, units[i] & 0xFF, 1);
}

} // namespace

void TPar_Gen_Bank::Set(size_t offset, uint64_t value, size_t width) {
    TByteWriter(Bytes, offset).Put(value, width);
}

uint32_t TPar_Gen_Bank::Checksum() const {
    return std::accumulate(Bytes.begin(), Bytes.begin() + Checksum_Offset, uint32_t{0});
}

void TBankBuilder::Init_Par_Gen_Bank() {
    Par_Gen_Bank = TPar_Gen_Bank();
    TPar_Gen_Bank& bank = Par_Gen_Bank;
    bank.Set(0, 250000, 4);
    bank.Set(4, 250000, 4);
    bank.Set(8, 0, 4);
    bank.Set(12, 9600, 4);
    for (size_t i = 0; i < 4; ++i) {
        bank.Set(Ip_Offset + i, std::array{192, 168, 2, 205}[i], 1);
        bank.Set(Mask_Offset + i, std::array{255, 255, 255, 0}[i], 1);
    }
    Set_Unused_Address(bank, Gateway_Offset);
    bank.Set(52, 10000, 2);
    bank.Set(54, 10001, 2);
    bank.Set(56, 10001, 2);
    bank.Set(436, 0x0808080808080808, 8);
}

void TBankBuilder::Fill_Par_Gen_Bank(const std::string& parGenFile) {
    if (!FileExists(parGenFile))
        return;
    const TParGenValues values = Read_ParGen_File(parGenFile);
    const TParGenValues defaults;
    TPar_Gen_Bank& bank = Par_Gen_Bank;

    // The device is always the master at address 1; the chosen role does not enter the banks.
    Hart_Bank.address = 1;
    Hart_Bank.retry_limit = static_cast<uint32_t>(values.HART_Master_Retry_Limit);

    Set_Octets(bank, Ip_Offset, values.Ethernet_IP, defaults.Ethernet_IP);
    Set_Octets(bank, Mask_Offset, values.Ethernet_SM, defaults.Ethernet_SM);
    if (values.Ethernet_EN_GAT)
        Set_Octets(bank, Gateway_Offset, values.Ethernet_GAT, defaults.Ethernet_GAT);
    else
        Set_Unused_Address(bank, Gateway_Offset);
    if (values.Ethernet_EN_DNS)
        Set_Octets(bank, Dns_Offset, values.Ethernet_DNS, defaults.Ethernet_DNS);
    else
        Set_Unused_Address(bank, Dns_Offset);
    bank.Set(Station_Offset,
             static_cast<uint32_t>(
                 Number_Or_Default(values.PROFIBUS_ID_Device, defaults.PROFIBUS_ID_Device)),
             1);
    bank.Set(
        Input_Count_Offset,
        static_cast<uint32_t>(Number_Or_Default(values.PROFINET_NB_IN, defaults.PROFINET_NB_IN)),
        4);
    bank.Set(
        Output_Count_Offset,
        static_cast<uint32_t>(Number_Or_Default(values.PROFINET_NB_OUT, defaults.PROFINET_NB_OUT)),
        4);
    Set_Login(bank, User_Offset, values.Web_Pages_User);
    Set_Login(bank, Password_Offset, values.Web_Pages_Password);
}

size_t TBankBuilder::Store_Par_Gen_Bank(size_t position, std::vector<uint8_t>& buffer) {
    Par_Gen_Bank.Set(TPar_Gen_Bank::Checksum_Offset, Par_Gen_Bank.Checksum(), 4);
    TByteWriter out(buffer, position);
    out.Bytes(Par_Gen_Bank.Bytes.data(), Par_Gen_Bank.Bytes.size());
    return out.Position();
}

void TBankBuilder::Build_Banks() {
    Build_Banks(AppState().ParGen_File, AppState().HART_Variables_File);
}

void TBankBuilder::Build_Banks(const std::string& parGenFile,
                               const std::string& hartVariablesFile) {
    Init_Par_Gen_Bank();
    Init_Hart_Bank(Hart_Bank);
    Fill_Par_Gen_Bank(parGenFile);
    Par_Gen_Bank.Set(Hart_Bank_Offset, Hart_Bank_Address, 4);
    Par_Gen_Bank.Set(Web_Pages_Offset, Web_Pages_Address, 4);
    Fill_Hart_Bank(Hart_Bank, hartVariablesFile, Hart_Bank_Address);
    Bank1_Length = Store_Par_Gen_Bank(0, Bank1_Image);
    Bank2_Length = Store_Hart_Bank(Hart_Bank, 0, Bank2_Image);
}

void TBankBuilder::Write_Bank_Files() const {
    Write_Bank_Files(AppState().Project_Path);
}

void TBankBuilder::Write_Bank_Files(const std::string& projectPath) const {
    if (projectPath.empty())
        throw Exception("No configuration is open: the banks have no folder to go to");
    const std::string bin = JoinPath(projectPath, "bin");
    ForceDirectories(bin);
    const auto bytes = [](const std::vector<uint8_t>& image, size_t length) {
        return std::string_view(reinterpret_cast<const char*>(image.data()), length);
    };
    WriteFileAtomic(JoinPath(bin, "bank1.bin"), bytes(Bank1_Image, Bank1_Length));
    WriteFileAtomic(JoinPath(bin, "bank2.bin"), bytes(Bank2_Image, Bank2_Length));
}
