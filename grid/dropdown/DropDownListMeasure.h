#pragma once

#include "grid/dropdown/DropDownColumn.h"
#include "grid/dropdown/DropDownItem.h"

#include <string>

class TCanvas;
class TImageList;
class TStringGrid;

// How much room the cells of a column list need: shared by the lists in the popups of the
// column-list drop-downs.
namespace DropDownList {

// Rows holding wrapped texts are never lower than this.
constexpr int WrappedRowMinHeight = 24;

// The text and image Item shows in the column Column (nullptr: no column settings); empty and
// -1 where the item has no text there.
void ItemCell(const TDropDownItem& Item, const TDropDownColumn* Column, int Index,
              std::string& Text, int& ImageIndex);
// The width a cell needs to show Text on one line after its image, in Canvas's font.
int ItemCellWidth(TCanvas& Canvas, const std::string& Text, int ImageIndex,
                  const TImageList* Images);
// The height a cell of Width needs to show Text wrapped in Column's font, or its image.
int WrappedItemCellHeight(TCanvas& Canvas, const TDropDownColumn& Column, const std::string& Text,
                          int ImageIndex, const TImageList* Images, int Width);
bool AnyColumnWraps(const TDropDownColumns& Columns);
// The columns and, when not every row shows, a vertical scroll bar.
int ListRequiredWidth(const TStringGrid& Grid);

} // namespace DropDownList
