#pragma once

#include "app/tables/TableWindow.h"

#include <string>

// "BACnet Slave Set Access": the BACnet objects of the gateway, each the byte range of one value
// in its data: "BACnet in Read" objects in the input area, "BACnet in Write" objects in the
// output area. Kept in "BACnet_Slave.xml", which the EDE writer reads.
class TFBACnetSlaveSetAccess : public TTableWindow {
public:
    explicit TFBACnetSlaveSetAccess(TComponent* AOwner);

    enum TTable { Table_Read, Table_Write };
    enum TColumn {
        Col_Data_Type = 1,
        Col_Eng_Unit,
        Col_Position,
        Col_Bit,
        Col_Length,
        Col_Swap, // kept in the file, never shown
        Col_Mnemonic,
    };

    TExColumnGrid* ACG_BACnet_in_Read = nullptr;
    TExColumnGrid* ACG_BACnet_in_Write = nullptr;

    // The general parameters ask for object names of 32 characters, which halves the objects.
    bool Desc_Lenght = false;
    int NByte_IN = 0;
    int NByte_OUT = 0;

    // The most objects of both tables together.
    int Max_Objects() const { return Desc_Lenght ? 1000 : 2000; }

    bool Controllo_dati() override;
    // A double-click on an Eng. Unit cell picks the unit in the chooser.
    void Eng_Unit_DblClickCell(TObject* Sender, int ARow, int ACol);
    // Choosing a write object's type fills in the length of its value.
    void ACG_BACnet_in_WriteComboChange(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                        const std::string& ASelection);

protected:
    std::string Table_File() const override;
    void Init_Table(int Table) override;
    // Every showing first takes the name length from the general parameters: it sizes the tables.
    void Reset_Rows(int Table) override;
    void Row_Loaded(int Table, int ARow, const TTableFileRow& Row) override;

private:
    void Read_Desc_Lenght();
    // The rows of one table; Count counts the objects of both.
    bool Check_Table(int Table, int& Count) const;
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
