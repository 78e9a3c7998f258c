#pragma once

#include "grid/dropdown/DropDownColumn.h"
#include "grid/dropdown/DropDownItem.h"

#include <functional>
#include <string>

class TCanvas;
class TFont;

// The columns and items of the multi-column drop-down (those every column-list drop-down uses)
// and the events of its list.
namespace MultiColumnDropDown {

using DropDownList::ctImage;
using DropDownList::ctText;
using TColumnType = DropDownList::TColumnType;

using TDrawCellEvent =
    std::function<void(TObject* Sender, int Column, int Row, TCanvas* ACanvas, const TRect& ARect)>;
using TGetCellTextEvent =
    std::function<void(TObject* Sender, int Column, int Row, std::string& Text)>;
using TGetCellPropEvent = std::function<void(TObject* Sender, int Column, int Row, TFont* Font,
                                             TColor& AColor, TColor& AColorTo)>;

using TDropDownColumn = DropDownList::TDropDownColumn;
using TDropDownColumns = DropDownList::TDropDownColumns;
using TDropDownItem = DropDownList::TDropDownItem;
using TDropDownItems = DropDownList::TDropDownItems;

} // namespace MultiColumnDropDown
