#pragma once

#include "GridEditEventLog.h"
#include "grid/dropdown/GridDropDownEditors.h"

#include "grid/foundation/ScopedFormatSettings.h"
#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/ImgList.h"

#include <string>
#include <vector>

// A form with an editable grid whose cells open one drop-down editor kind and an edit beside it,
// in English number and time formats. Show() logs the grid's edit events and focuses cell (1, 1).
struct DropDownCellForm {
    DropDownCellForm(int RowCount, TEditorType Kind) : English(ScopedFormatSettings::English()) {
        RegisterGridDropDownEditors();
        Grid = PlaceEditableGrid<TExStringGrid>(Form, RowCount, Kind, Other);
    }
    void Show() { LogEditEventsAndShow(Form, Grid, Events); }

    ScopedFormatSettings English;
    TForm Form{nullptr};
    TExStringGrid* Grid;
    TEdit* Other;
    std::vector<std::string> Events;
};

// Column 1 as data-image cells over the grid's four blank images, each showing the image its
// number names.
inline void MakeDataImageColumn(TExStringGrid* Grid) {
    auto* images = new TImageList(Grid);
    TBitmap image;
    image.SetSize(16, 16);
    for (int i = 0; i < 4; ++i)
        images->Add(&image, clNone);
    Grid->GridImages = images;
    for (int r = 1; r < Grid->RowCount(); ++r)
        Grid->AddDataImage(1, r, 0, haLeft, vaTop);
}

// The ways Tab leaves a cell editor: with or without Shift, taken by the grid (goTabs) or by the
// form.
struct TabOutOfTheEditor {
    const char* Name;
    bool Shift;
    bool GridTakesTab;
    TShiftState ShiftState() const { return Shift ? TShiftState() << ssShift : TShiftState(); }
};

inline const TabOutOfTheEditor TabsOutOfTheEditor[] = {
    {"tab", false, false},
    {"shift+tab", true, false},
    {"tab, grid takes tab", false, true},
    {"shift+tab, grid takes tab", true, true},
};
