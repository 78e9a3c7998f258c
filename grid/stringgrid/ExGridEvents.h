#pragma once

#include "grid/foundation/GridEvents.h"
#include "grid/stringgrid/ExGridTypes.h"
#include "platform/ui/Types.h"

#include <functional>
#include <string>

class TStringList;

// The string grid's events beyond those the grid foundation declares. The sender comes first;
// a reference parameter is one the handler may change. Colour, border, alignment, hint,
// can-edit, fixed-cell, password-cell and click events pass the row before the column; the
// others pass the column first.

using TFixedEditEvent = std::function<void(TObject* Sender, int ACol, int ARow,
                                           TGridFixedCellEditor& AEditor, TStringList* Values)>;
using TSelectionChangedEvent =
    std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TCellSaveLoadEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TSearchFooterActionEvent = std::function<void(
    TObject* Sender, const std::string& Value, int ACol, int ARow, TSearchAction SearchAction)>;
using TComboDropEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TCellCursorEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int X, int Y, TCursor& ACursor)>;
// The wide hint is UTF-16, so that the grid can pack it the way wide cell texts are packed.
using TGridWideHintEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, std::u16string& hintstr)>;
using TIsFixedCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TIsPasswordCellEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using THasComboEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasComboBox)>;
using THasSpinEditEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, bool& HasSpinEdit)>;
using TGetCheckEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TWordWrapEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& WordWrap)>;
using TComboChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                             const std::string& ASelection)>;

class TCanvas;
// A colour or image picked in a drop-down cell editor, before the cell takes it.
using TColorSelectedEvent = std::function<void(TObject* Sender, int ACol, int ARow, TColor& AColor,
                                               std::string& AValue)>;
using TImageSelectedEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int& AImageIndex)>;
using TCustomCellSizeEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int ACol,
                                                int ARow, TPoint& ASize, bool Printing)>;
