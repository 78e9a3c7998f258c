#pragma once

#include "app/tables/TableWindow.h"
#include "platform/core/StringList.h"

#include <string>
#include <string_view>

// "SNMP Trap Set Access": the values of the gateway's data that an SNMP manager sees. "SNMP
// Read" values are sent as traps (on a change, a command or a timer); "SNMP Write" values are
// written by the manager into the data. Kept in "SNMP_Trap.xml", which the MIB writer reads;
// column 0 numbers the enabled values as the MIB does.
class TFSNMP_Trap_Access : public TTableWindow {
public:
    explicit TFSNMP_Trap_Access(TComponent* AOwner);

    enum TTable { Table_Read, Table_Write };
    enum TReadColumn {
        Col_Read_Enable = 1,
        Col_Read_Community_Name,
        Col_Read_Type,
        Col_Read_On_Change,
        Col_Read_On_Command,
        Col_Read_On_Timer,
        Col_Read_Time,
        Col_Read_Position,
        Col_Read_Bit,
        Col_Read_NumBits,
        Col_Read_Description,
        Col_Read_IP_Address,
        Col_Read_Conversion,
        Col_Read_Mnemonic,
    };
    enum TWriteColumn {
        Col_Write_Enable = 1,
        Col_Write_Community_Name,
        Col_Write_Type,
        Col_Write_Position,
        Col_Write_Bit,
        Col_Write_NumBits,
        Col_Write_Description,
        Col_Write_Conversion,
        Col_Write_Mnemonic,
    };

    TExColumnGrid* ACG_SNMP_Read = nullptr;
    TExColumnGrid* ACG_SNMP_Write = nullptr;
    int NByte_IN = 0;
    int NByte_OUT = 0;
    // The descriptions of the enabled values, read values first, as the last check found them.
    TStringList SL_Check_Desc;

    bool Controllo_dati() override;
    // True when the text is not acceptable: a description (Check_Type 1) starts with a
    // lower-case letter, then letters and digits; a community name is letters and digits.
    static bool Check_Error_CommName_Desc(std::string_view Text, int Check_Type);
    // Numbers the enabled rows 1, 2, ... in column 0; disabled rows show none.
    void Index_Row_Build(TExStringGrid* Grid);
    void ACG_SNMP_ReadCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);

protected:
    std::string Table_File() const override;
    void Reset_Rows(int Table) override;
    void Load_Table_File(const std::string& path) override;
    // The row buttons move enabled rows: their numbers follow at once.
    void Rows_Moved(int Table, int First, int Last) override;

private:
    // What one table checks of an enabled row; a column or slot of 0 is a check it lacks.
    struct TValueChecks {
        int Community_Name = 0, Type = 0, On_Timer = 0, Time = 0, Position = 0, Bit = 0,
            NumBits = 0, Description = 0, IP_Address = 0, Conversion = 0;
        int Community_Slot = 0, Type_Slot = 0, Time_Slot = 0, Position_Slot = 0, Bit_Slot = 0,
            String_Bit_Slot = 0, Int_Bits_Slot = 0, String_Bytes_Slot = 0, Description_Slot = 0,
            IP_Slot = 0, Conversion_Slot = 0;
    };
    static const TValueChecks& Checks(int Table);
    bool Check_Row(int Table, int ARow);
};

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
