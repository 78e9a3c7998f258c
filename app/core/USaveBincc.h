#pragma once

#include "app/core/HartBank.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The general parameter record of "bank1.bin": 2048 bytes, little-endian, the last four holding
// the sum of the bytes before them.
struct TPar_Gen_Bank {
    static constexpr size_t Size = 2048;
    static constexpr size_t Checksum_Offset = 2044;

    std::vector<uint8_t> Bytes = std::vector<uint8_t>(Size);

    // The low `width` bytes of `value` at `offset`.
    void Set(size_t offset, uint64_t value, size_t width);
    uint32_t Checksum() const;
};

// Builds the two banks that the device receives from the open configuration's "ParGen.xml" and
// "HART_Variables.xml", and writes them to its "bin" folder. Nothing is kept between builds.
class TBankBuilder {
public:
    static constexpr size_t Bank1_Capacity = 131072;
    static constexpr size_t Bank2_Capacity = 524288;
    static constexpr uint32_t Hart_Bank_Address = 0x00080000;
    static constexpr uint32_t Web_Pages_Address = 0x000C0000;

    TPar_Gen_Bank Par_Gen_Bank;
    THart_Bank Hart_Bank;
    std::vector<uint8_t> Bank1_Image = std::vector<uint8_t>(Bank1_Capacity);
    size_t Bank1_Length = 0;
    std::vector<uint8_t> Bank2_Image = std::vector<uint8_t>(Bank2_Capacity);
    size_t Bank2_Length = 0;

    // From the table files of AppState(). A file that is not well-formed XML throws Exception;
    // nothing is written then.
    void Build_Banks();
    void Build_Banks(const std::string& parGenFile, const std::string& hartVariablesFile);

    // "<Project_Path>/bin/bank1.bin" and "bank2.bin", each replaced atomically; the "bin" folder
    // is created when missing. A file that cannot be written throws EFileError naming it.
    void Write_Bank_Files() const;
    void Write_Bank_Files(const std::string& projectPath) const;

    void Init_Par_Gen_Bank();
    // Reads the general parameters into the record and into the master address and retry limit
    // of Hart_Bank; without the file both keep their initial values.
    void Fill_Par_Gen_Bank(const std::string& parGenFile);
    // Puts the checksum into the record, copies the record into `buffer` at `position` and
    // returns the position after it.
    size_t Store_Par_Gen_Bank(size_t position, std::vector<uint8_t>& buffer);
};
