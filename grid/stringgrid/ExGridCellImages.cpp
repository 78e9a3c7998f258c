// Cell images, pictures, self-drawing objects and buttons: putting them into cells, reading and
// changing them, taking them out. The graphic frees what it created; the caller's objects stay
// the caller's.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/FilePicture.h"
#include "grid/stringgrid/CellGraphic.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Icon.h"
#include "platform/ui/Image.h"

#include <cmath>

namespace {

bool IsButtonKind(const TCellGraphic* graphic) {
    return graphic && (graphic->CellType == ctButton || graphic->CellType == ctBitButton);
}

// The object of a graphic of the given kind, else nullptr.
template <typename T> T* ObjectOfKind(const TCellGraphic* graphic, TCellType kind) {
    return graphic && graphic->CellType == kind ? dynamic_cast<T*>(graphic->CellBitmap) : nullptr;
}

} // namespace

// --- bitmaps and icons ---------------------------------------------------------------------------

void TExStringGrid::AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                              TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TExStringGrid::CreateBitmap(int ACol, int ARow, bool transparent, TCellHAlign hal,
                                     TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return nullptr;
    auto* bitmap = new TBitmap;
    graphic->SetBitmap(bitmap, transparent, hal, val);
    graphic->CellCreated = true;
    return bitmap;
}

TBitmap* TExStringGrid::GetBitmap(int ACol, int ARow) {
    return ObjectOfKind<TBitmap>(GetCellGraphic(ACol, ARow), ctBitmap);
}

void TExStringGrid::RemoveBitmap(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctBitmap);
}

void TExStringGrid::AddIcon(int ACol, int ARow, TObject* AIcon, TCellHAlign hal, TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetIcon(AIcon, hal, val);
}

TIcon* TExStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return nullptr;
    auto* icon = new TIcon;
    graphic->SetIcon(icon, hal, val);
    graphic->CellCreated = true;
    return icon;
}

void TExStringGrid::RemoveIcon(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctIcon);
}

// --- image-list images ---------------------------------------------------------------------------

void TExStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
    if (!GridImages)
        return;
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetImageIdx(Aidx, hal, val);
}

bool TExStringGrid::GetImageIdx(int ACol, int ARow, int& idx) {
    if (!GridImages || GetCellType(ACol, ARow) != ctImageList)
        return false;
    idx = GetCellGraphic(ACol, ARow)->CellIndex;
    return true;
}

void TExStringGrid::SetImageIdx(int ACol, int ARow, int Idx) {
    if (GridImages && GetCellType(ACol, ARow) == ctImageList)
        GetCellGraphic(ACol, ARow)->CellIndex = Idx;
}

void TExStringGrid::RemoveImageIdx(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctImageList);
}

void TExStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
    if (!GridImages)
        return;
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return;
    graphic->SetDataImage(Aidx, hal, val);
    if (Cells(ACol, ARow).empty())
        SetInts(ACol, ARow, Aidx);
}

namespace {
int DataImageOffset(const TCellGraphic* Graphic) {
    return Graphic != nullptr && Graphic->CellType == ctDataImage ? Graphic->CellIndex : 0;
}
} // namespace

int TExStringGrid::DataImageShown(int ACol, int ARow, const std::string& Text) {
    int32_t number = 0;
    if (!TryStrToInt(Trim(Text), number))
        return -1;
    return number + DataImageOffset(GetCellGraphic(ACol, ARow));
}

std::string TExStringGrid::DataImageText(int ACol, int ARow, int Image) {
    return IntToStr(Image - DataImageOffset(GetCellGraphic(ACol, ARow)));
}

void TExStringGrid::RemoveDataImage(int ACol, int ARow) {
    // The text only picked the image: it goes with it, but never from a cell of another kind.
    if (RemoveCellGraphicOfType(ACol, ARow, ctDataImage))
        SetCells(ACol, ARow, "");
}

void TExStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val) {
    if (!GridImages)
        return;
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return;
    graphic->SetMultiImage(ACol, ARow, Dir, hal, val,
                           [this](TObject*, int col, int row) { RepaintTypedCell(col, row); });
}

void TExStringGrid::RemoveMultiImage(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctImages);
}

// --- pictures and self-drawing objects -----------------------------------------------------------

void TExStringGrid::AddPicture(int ACol, int ARow, TPicture* APicture, bool transparent,
                               TStretchMode stretchmode, int padding, TCellHAlign hal,
                               TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetPicture(APicture, transparent, stretchmode, padding, hal, val);
}

TPicture* TExStringGrid::CreatePicture(int ACol, int ARow, bool transparent,
                                       TStretchMode stretchmode, int padding, TCellHAlign hal,
                                       TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return nullptr;
    auto* picture = new TPicture;
    graphic->SetPicture(picture, transparent, stretchmode, padding, hal, val);
    graphic->CellCreated = true;
    return picture;
}

TPicture* TExStringGrid::GetPicture(int ACol, int ARow) {
    return ObjectOfKind<TPicture>(GetCellGraphic(ACol, ARow), ctPicture);
}

void TExStringGrid::RemovePicture(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctPicture);
}

void TExStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                                   TStretchMode stretchmode, int padding, TCellHAlign hal,
                                   TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetFilePicture(AFilePicture, Transparent, stretchmode, padding, hal, val);
}

TFilePicture* TExStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent,
                                               TStretchMode StretchMode, int padding,
                                               TCellHAlign hal, TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return nullptr;
    auto* picture = new TFilePicture;
    graphic->SetFilePicture(picture, Transparent, StretchMode, padding, hal, val);
    graphic->CellCreated = true;
    return picture;
}

TFilePicture* TExStringGrid::GetFilePicture(int ACol, int ARow) {
    return ObjectOfKind<TFilePicture>(GetCellGraphic(ACol, ARow), ctFilePicture);
}

void TExStringGrid::RemoveFilePicture(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctFilePicture);
}

void TExStringGrid::AddInterfacedCell(int ACol, int ARow, TObject* AObject) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetInterfacedCell(AObject);
}

TObject* TExStringGrid::GetInterfacedCell(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    return graphic && graphic->CellType == ctInterface ? graphic->CellBitmap : nullptr;
}

void TExStringGrid::RemoveInterfacedCell(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctInterface);
}

// --- buttons -------------------------------------------------------------------------------------

void TExStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                              TCellHAlign hal, TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetButton(bw, bh, Caption, hal, val);
}

void TExStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                                 TBitmap* Glyph, TCellHAlign hal, TCellVAlign val) {
    if (TCellGraphic* graphic = CreateCellGraphic(ACol, ARow))
        graphic->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* TExStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh,
                                        const std::string& Caption, TCellHAlign hal,
                                        TCellVAlign val) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic)
        return nullptr;
    auto* glyph = new TBitmap;
    graphic->SetBitButton(bw, bh, Caption, glyph, hal, val);
    graphic->CellCreated = true;
    return glyph;
}

void TExStringGrid::SetButtonText(int ACol, int ARow, const std::string& Caption) {
    TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!IsButtonKind(graphic)) // a comment's or a progress bar's text is no caption
        return;
    graphic->CellText = Caption;
    RepaintCell(ACol, ARow);
}

std::string TExStringGrid::GetButtonText(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
    return IsButtonKind(graphic) ? graphic->CellText : std::string();
}

void TExStringGrid::PushButton(int ACol, int ARow, bool push) {
    TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!IsButtonKind(graphic)) // CellBoolean means something else for every other kind
        return;
    graphic->CellBoolean = push;
    RepaintCell(ACol, ARow);
}

void TExStringGrid::RemoveButton(int ACol, int ARow) {
    if (!RemoveCellGraphicOfType(ACol, ARow, ctButton))
        RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TExStringGrid::RemoveBitButton(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TExStringGrid::RemoveAllButtons() {
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            if (HasButton(c, r))
                RemoveButton(c, r);
}

TRect TExStringGrid::GetCellButtonRect(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!IsButtonKind(graphic))
        return TRect{0, 0, 0, 0};
    const TRect cell = CellRect(ACol, ARow);
    const auto offsets =
        static_cast<uint32_t>(static_cast<int64_t>(std::llround(graphic->CellValue)));
    TRect r;
    r.Left = cell.Left + static_cast<int>(offsets & 0xFFFF);
    r.Top = cell.Top + static_cast<int>((offsets >> 16) & 0xFFFF);
    r.Right = r.Left + graphic->ButtonWidth();
    r.Bottom = r.Top + graphic->ButtonHeight();
    if (graphic->CellVAlign == vaFull) {
        r.Top = cell.Top;
        r.Bottom = cell.Bottom;
    }
    if (graphic->CellHAlign == haFull) {
        r.Left = cell.Left;
        r.Right = cell.Right;
    }
    return r;
}

TRect TExStringGrid::GetExpandGlyphRect(int ACol, int ARow) {
    if (!HasExpand(ACol, ARow))
        return TRect{0, 0, 0, 0};
    const TRect cell = CellRect(ACol, ARow);
    return TRect{cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13};
}
