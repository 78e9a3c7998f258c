#pragma once

#include "ExGridEditingTestGrid.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "platform/ui/InputSimulation.h"

#include <string>

// The editing form's focused 5 x 6 grid with its own editor controls, cell (c, r) holding "c:r";
// keys go where a person's keys go, to the control that holds the focus.
struct KeysOnShownGrid : EditingTest::TEditingForm {
    KeysOnShownGrid() {
        Grid->OfferFake = false;
        for (int r = 0; r < Grid->RowCount(); ++r)
            for (int c = 0; c < Grid->ColCount(); ++c)
                Grid->SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
        Pump();
    }
    void Press(WORD Key, TChar Ch = 0, TShiftState Shift = {}) {
        InputSimulation::KeyPressFocused(Key, Ch, Shift);
        Pump();
    }
    void Type(const std::string& Text) {
        for (char ch : Text)
            Press(static_cast<WORD>(ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch), ch);
    }
    TGridCoord Current() const { return TGridCoord{Grid->Col(), Grid->Row()}; }
    TControl* Focused() const { return InputSimulation::FocusedControl(); }
};
