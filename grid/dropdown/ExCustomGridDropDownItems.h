#pragma once

#include "grid/dropdown/DropDownColumn.h"
#include "grid/dropdown/DropDownItem.h"

// The columns and items of the grid drop-down: those every column-list drop-down uses.
namespace GridDropDown {

using DropDownList::ctImage;
using DropDownList::ctText;
using TColumnType = DropDownList::TColumnType;
using TDropDownColumn = DropDownList::TDropDownColumn;
using TDropDownColumns = DropDownList::TDropDownColumns;
using TDropDownItem = DropDownList::TDropDownItem;
using TDropDownItems = DropDownList::TDropDownItems;

} // namespace GridDropDown
