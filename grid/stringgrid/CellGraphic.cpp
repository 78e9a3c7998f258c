#include "grid/stringgrid/CellGraphic.h"

#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "platform/core/StringList.h"
#include "platform/ui/Image.h"

#include <algorithm>
#include <cmath>

TCellGraphic::~TCellGraphic() {
    ReleaseOwned();
}

bool TCellGraphic::HasBalloonList() const {
    switch (CellType) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
        return CellAngle == 1 && CellBitmap != nullptr;
    default:
        return false;
    }
}

void TCellGraphic::ReleaseOwned() {
    switch (CellType) {
    case ctBitmap:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
        if (CellCreated)
            delete CellBitmap;
        CellBitmap = nullptr;
        break;
    case ctRadio:
        if (CellCreated)
            delete CellStrings;
        CellStrings = nullptr;
        break;
    case ctImages:
    case ctBalloon:
        delete CellBitmap;
        CellBitmap = nullptr;
        break;
    case ctIcon:
        if (CellCreated)
            delete CellIcon;
        CellIcon = nullptr;
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
        if (HasBalloonList()) {
            delete CellBitmap;
            CellBitmap = nullptr;
            CellAngle = 0;
        }
        break;
    default:
        break;
    }
    CellCreated = false;
}

void TCellGraphic::SetKind(TCellType Kind, TCellHAlign hal, TCellVAlign val) {
    ReleaseOwned();
    CellType = Kind;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::Assign(const TCellGraphic& Source) {
    if (&Source == this)
        return;
    ReleaseOwned();
    CellType = Source.CellType;
    CellVAlign = Source.CellVAlign;
    CellHAlign = Source.CellHAlign;
    CellIndex = Source.CellIndex;
    CellTransparent = Source.CellTransparent;
    CellValue = Source.CellValue;
    CellAngle = Source.CellAngle;
    CellBoolean = Source.CellBoolean;
    CellErrFrom = Source.CellErrFrom;
    CellErrLen = Source.CellErrLen;
    CellText = Source.CellText;
    CellCreated = Source.CellCreated;
    // The objects stay with the source; the copy refers to none until its owner gives it its own.
    CellBitmap = nullptr;
    CellIcon = nullptr;
    CellStrings = nullptr;
}

void TCellGraphic::SetBitmap(TObject* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val) {
    SetKind(ctBitmap, hal, val);
    CellBitmap = ABmp;
    CellTransparent = Transparent;
}

void TCellGraphic::SetIcon(TObject* aicon, TCellHAlign hal, TCellVAlign val) {
    SetKind(ctIcon, hal, val);
    CellIcon = aicon;
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val) {
    SetKind(ctImageList, hal, val);
    CellIndex = idx;
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val) {
    SetKind(ctDataImage, hal, val);
    CellIndex = idx;
}

void TCellGraphic::SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                                 TImageChangeEvent Notifier) {
    SetKind(ctImages, hal, val);
    CellBoolean = dir == 0;
    auto* list = new TIntList(Col, Row);
    list->OnChange = std::move(Notifier);
    CellBitmap = list;
    CellCreated = true;
}

void TCellGraphic::SetPicture(TObject* APicture, bool Transparent, TStretchMode StretchMode,
                              int padding, TCellHAlign hal, TCellVAlign val) {
    SetKind(ctPicture, hal, val);
    CellBitmap = APicture;
    CellTransparent = Transparent;
    CellAngle = StretchMode;
    CellIndex = padding;
}

void TCellGraphic::SetFilePicture(TObject* APicture, bool Transparent, TStretchMode StretchMode,
                                  int padding, TCellHAlign hal, TCellVAlign val) {
    SetPicture(APicture, Transparent, StretchMode, padding, hal, val);
    CellType = ctFilePicture;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val) {
    SetKind(Data ? ctDataCheckBox : ctCheckBox, hal, val);
    CellAngle = 0;
    CellBoolean = Value;
    CellTransparent = Flat;
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
    SetKind(ctTriStateCheckBox, hal, val);
    CellCheckBoxState = Value;
    CellBoolean = false;
    CellTransparent = Flat;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val) {
    SetKind(ctRadioButton, hal, val);
    CellAngle = 0;
    CellBoolean = Value;
    CellTransparent = Flat;
}

void TCellGraphic::SetButton(int bw, int bh, const std::string& caption, TCellHAlign hal,
                             TCellVAlign val) {
    SetKind(ctButton, hal, val);
    CellIndex = static_cast<int32_t>((static_cast<uint32_t>(bh & 0xFFFF) << 16) |
                                     static_cast<uint32_t>(bw & 0xFFFF));
    CellBoolean = false;
    CellText = caption;
}

void TCellGraphic::SetBitButton(int bw, int bh, const std::string& caption, TObject* Glyph,
                                TCellHAlign hal, TCellVAlign val) {
    SetButton(bw, bh, caption, hal, val);
    CellType = ctBitButton;
    CellBitmap = Glyph;
}

void TCellGraphic::SetAngle(int16_t AAngle) {
    int angle = AAngle;
    while (angle < 0)
        angle += 360;
    while (angle > 360)
        angle -= 360;
    SetKind(ctRotated, CellHAlign, CellVAlign);
    CellAngle = angle;
}

void TCellGraphic::SetInterfacedCell(TObject* AObject) {
    SetKind(ctInterface, CellHAlign, CellVAlign);
    CellBitmap = AObject;
}

namespace {

int RoundToEven(double value) {
    return static_cast<int>(std::nearbyint(value)); // the default rounding mode: halves to even
}

TPoint PictureExtent(const TObject* picture) {
    if (const auto* file = dynamic_cast<const TFilePicture*>(picture))
        return TPoint{file->Width(), file->Height()};
    if (const auto* plain = dynamic_cast<const TPicture*>(picture))
        return TPoint{plain->Width(), plain->Height()};
    return TPoint{0, 0};
}

} // namespace

TPoint TCellGraphic::GetPictureSize(int cw, int rh, bool /*hastext*/, TPoint Current) const {
    if (CellType != ctPicture && CellType != ctFilePicture)
        return Current;
    const TPoint picture = PictureExtent(CellBitmap);
    const int pw = picture.X;
    const int ph = picture.Y;
    const int a = cw - CellIndex;
    const int b = rh - CellIndex;
    const bool fits = pw <= a && ph <= b;
    const auto keepAspect = [&](bool limitToOne) {
        double rx = pw <= 0 ? 1.0 : static_cast<double>(a) / pw;
        double ry = ph <= 0 ? 1.0 : static_cast<double>(b) / ph;
        if (limitToOne) {
            rx = std::min(rx, 1.0);
            ry = std::min(ry, 1.0);
        }
        if (rx >= ry)
            return TPoint{RoundToEven(pw * ry), b};
        return TPoint{a, RoundToEven(ph * rx)};
    };
    switch (static_cast<TStretchMode>(CellAngle)) {
    case Stretch:
        return TPoint{a, b};
    case StretchWithAspectRatio:
        return keepAspect(false);
    case Shrink:
        return fits ? TPoint{pw, ph} : TPoint{a, b};
    case ShrinkWithAspectRatio:
        return fits ? TPoint{pw, ph} : keepAspect(true);
    case noStretch:
    default:
        return TPoint{pw, ph};
    }
}
