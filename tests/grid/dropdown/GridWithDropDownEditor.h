#pragma once

#include "grid/dropdown/GridDropDownEditors.h"

#include "grid/foundation/ScopedFormatSettings.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/InputSimulation.h"
#include "tests/support/EditableGridForm.h"

#include <string>

// A shown form with a focused, editable grid of 30 rows whose cells all open one drop-down
// editor kind, and an edit beside it; cell (1, 1) is current.
struct TGridWithDropDownEditor {
    explicit TGridWithDropDownEditor(TEditorType Kind) : English(ScopedFormatSettings::English()) {
        RegisterGridDropDownEditors();
        Grid = PlaceEditableGrid<TExStringGrid>(Form, 30, Kind, Other);
        ShowWithCellFocused(Form, Grid);
    }

    // Where a key the user types now goes, as the window system has it.
    static TControl* Focused() { return InputSimulation::FocusedControl(); }
    static void Pump() { Application->ProcessMessages(); }
    // Characters typed, each to whatever has the focus at that moment.
    static void Type(const std::string& Text) { InputSimulation::TypeTextFocused(Text); }

    ScopedFormatSettings English;
    TForm Form{nullptr};
    TExStringGrid* Grid;
    TEdit* Other;
};
