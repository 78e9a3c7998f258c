#pragma once

#include "app/tables/TableWindow.h"

#include <vector>

// One check of a row's cell, in the order a table's checks run. A failed check reports its
// language slot after the row prefix.
struct TCANopenCheck {
    enum TKind {
        ckRange,     // the cell's value lies in Low .. High
        ckByteSize,  // the cell's value is 1, 2 or 4
        ckPositions, // columns Col .. Col + n - 1, n the value of Count_Col, each in 0 .. High;
                     // column K's slot is Slot + K - 1, and the message ends with High
    };
    TKind Kind = ckRange;
    int Col = 0;
    int Low = 0;
    int High = 0;
    int Slot = 0;
    int Count_Col = 0;
};

// The shape of the CANopen windows: two tables on two pages (the first the one the gateway
// reads data into, the second the one it takes data from), their compact look, and checks
// described as tables of cell checks.
class TCANopenTableWindow : public TTableWindow {
public:
    // Positions of the data array the first table's rows write into and the second table's
    // rows read from.
    int PROFINET_NByte_IN = 1440;
    int PROFINET_NByte_OUT = 1440;

    // Every row of the first table, then of the second, down to its first blank key; the first
    // failing check of either table is reported.
    bool Controllo_dati() override;

protected:
    TCANopenTableWindow(TComponent* AOwner, TTableDescription Description);

    // The checks of a table's rows, in order.
    virtual std::vector<TCANopenCheck> Table_Checks(int Table) const = 0;

    void Init_Table(int Table) override;
    // Rows moved in or emptied by the row buttons keep their check boxes "Y" or "N".
    void Rows_Moved(int Table, int First, int Last) override;

private:
    bool Check_Row(int Table, int ARow, const TCANopenCheck& Check) const;
};
