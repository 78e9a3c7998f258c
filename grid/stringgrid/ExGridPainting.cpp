// Cell drawing: the window's paint, and what a cell looks like (colours, fonts, alignment,
// display text). The drawing of one cell is in ExGridPaintCell.cpp, its text in
// ExGridPaintText.cpp. A grid under the update lock does not paint: EndUpdate repaints it once.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/Bands.h"
#include "grid/foundation/ExDrawing.h"
#include "grid/foundation/ExUtil.h"
#include "grid/foundation/MouseActions.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/GridFormat.h"
#include "grid/stringgrid/PrintSettings.h"
#include "platform/core/Text.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <algorithm>
#include <cmath>

void TExStringGrid::Paint() {
    // Deferred, not re-queued: asking for another paint from here would loop while locked.
    if (FUpdateCount > 0)
        return;
    Canvas()->Pen()->SetStyle(psSolid);
    Canvas()->Brush()->SetStyle(bsSolid);
    TBaseGrid::Paint();
    PaintAreaBeyondCells();
    PaintOuterBorder();
    DrawFixedSizingLine();
    DrawIntelliPanGlyph();
    FireEvent(OnPainted, this);
}

void TExStringGrid::DrawGridCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    const TRect copy = ARect;
    TBaseGrid::DrawGridCell(ACol, ARow, copy, AState);
}

void TExStringGrid::ApplySelectionColorSet(TColor& AColorTo, TColor& AMirrorColor,
                                           TColor& AMirrorColorTo, TFont* AFont) const {
    AColorTo = FSelectionColorTo;
    AMirrorColor = FSelectionMirrorColor;
    AMirrorColorTo = FSelectionMirrorColorTo;
    if (FSelectionTextColor != clNone)
        AFont->SetColor(FSelectionTextColor);
}

void TExStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print,
                                        bool Select, bool Remap, TBrush* ABrush, TColor& AColorTo,
                                        TColor& AMirrorColor, TColor& AMirrorColorTo, TFont* AFont,
                                        TAlignment& HA, TVAlignment& VA, bool& WW,
                                        TCellGradientDirection& GD) {
    const bool normalCell = ACol >= FixedCols() && ARow >= FixedRows();
    if (Print && !FPrintSettings->UseDisplayFont)
        AFont->Assign(normalCell ? *FPrintSettings->Font() : *FPrintSettings->FixedFont());
    else
        AFont->Assign(normalCell ? *Font() : *FFixedFont);
    const int rcol = Remap ? DisplToRealCol(ACol) : ACol;

    // Hooks and events run inside the paint: what they raise leaves the cell in the grid's
    // colours instead of breaking off the paint.
    try {
        ABrush->SetColor(clNone);
        AColorTo = AMirrorColor = AMirrorColorTo = clNone;
        if (const TCellProperties* props = ExistingProperties(rcol, ARow)) {
            ABrush->SetColor(props->BrushColor());
            if (props->FontColor() != clNone)
                AFont->SetColor(props->FontColor());
            if (!props->FontStyle().Empty())
                AFont->SetStyle(props->FontStyle());
            if (props->FontSize() != 0)
                AFont->SetSize(props->FontSize());
            if (!props->FontName().empty())
                AFont->SetName(props->FontName());
            WW = props->WordWrap();
            AColorTo = props->BrushColorTo();
            GD = props->GradientDirection();
        }
        const bool ownColor = ABrush->Color() != clNone;
        if (AState.Contains(gdSelected))
            GD = GradientVertical;

        if (!ownColor) {
            ABrush->SetColor(Color());
            const bool bandRow = ARow >= FixedRows() && ARow < RowCount() - FFixedFooters;
            const bool bandCol =
                ACol >= FixedCols() && ACol < ColCount() + NumHiddenColumns() - FFixedRightCols;
            if (FBands->Active() && (!Print || FBands->Print) && bandRow && bandCol &&
                FBands->TotalLength() > 0) {
                const bool primary =
                    (ARow - FixedRows()) % FBands->TotalLength() < FBands->PrimaryLength();
                ABrush->SetColor(primary ? FBands->PrimaryColor() : FBands->SecondaryColor());
            }
            if (ACol < FixedCols() || ARow < FixedRows() || ACol >= ColCount() - FFixedRightCols ||
                ARow >= RowCount() - FFixedFooters)
                ABrush->SetColor(FixedColor());
        }

        const bool fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
        if (fixed && !Print && !ownColor) {
            ABrush->SetColor(FixedColor());
            AFont->Assign(*FFixedFont);
            AState << gdFixed;
        }
        if (fixed && !ownColor && FLook > glClassic) {
            ABrush->SetColor(FULKGradientFrom);
            AColorTo = FULKGradientTo;
            AMirrorColor = FULKGradientMirrorFrom;
            AMirrorColorTo = FULKGradientMirrorTo;
        }

        if (Print)
            GetCellPrintColor(rcol, ARow, AState, ABrush, AFont);
        else
            GetCellColor(rcol, ARow, AState, ABrush, AFont);
        if (OnGetCellGradient) {
            TColor color = ABrush->Color();
            OnGetCellGradient(this, ARow, rcol, color, AColorTo, AMirrorColor, AMirrorColorTo, GD);
            ABrush->SetColor(color);
        }
        const TColor unselectedBrush = ABrush->Color();
        const TColor unselectedFont = AFont->Color();
        const TColor unselectedColorTo = AColorTo;
        const TColor unselectedMirror = AMirrorColor;
        const TColor unselectedMirrorTo = AMirrorColorTo;

        // The selection of a cell range mixes with a cell's own colour; the disjunct selections
        // paint their flagged rows, columns or cells in the plain selection colour, and the
        // range the framework marks is theirs only while the mouse still drags it.
        const bool disjunct = FMouseActions->DisjunctRowSelect() ||
                              FMouseActions->DisjunctColSelect() ||
                              FMouseActions->DisjunctCellSelect();
        if (Select && !Print && FShowSelection && !fixed && disjunct) {
            if (IsSelected(ACol, ARow) || (FMouseDownMove && AState.Contains(gdSelected))) {
                ABrush->SetColor(FSelectionColor);
                ApplySelectionColorSet(AColorTo, AMirrorColor, AMirrorColorTo, AFont);
                AState << gdSelected;
            } else {
                AState >> gdSelected;
            }
        } else if (Select && !Print && FShowSelection && !fixed && IsSelected(ACol, ARow)) {
            ABrush->SetColor(ABrush->Color() == Color() ? FSelectionColor
                                                        : MixedSelectionColor(ABrush->Color()));
            ApplySelectionColorSet(AColorTo, AMirrorColor, AMirrorColorTo, AFont);
            AState << gdSelected;
        }
        // Listed cells are the selection; the current cell shows selected only when listed.
        if (FMouseActions->DisjunctCellSelect() && FShowSelection) {
            if (GetSelectedCells(ACol, ARow)) {
                ABrush->SetColor(FSelectionColor);
                ApplySelectionColorSet(AColorTo, AMirrorColor, AMirrorColorTo, AFont);
                AState << gdSelected;
            } else if (ACol == Col() && ARow == Row()) {
                AState >> gdSelected;
                ABrush->SetColor(unselectedBrush);
                AFont->SetColor(unselectedFont);
                AColorTo = unselectedColorTo;
                AMirrorColor = unselectedMirror;
                AMirrorColorTo = unselectedMirrorTo;
            }
        }
        const bool persistentRows =
            FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent;
        const int selectionRow = persistentRows || FUseEnabledRows ? RealRowIndex(ARow) : ARow;
        if (UseDisabledFont &&
            ((FUseEnabledRows && !GetRowEnabled(selectionRow)) || !Enabled()))
            AFont->SetColor(DisabledFontColor);
        // Selected rows other than the current one stand a little lighter than it.
        if (FMouseActions->DisjunctRowSelect() && ARow != Row() && FSelectionColorTo == clNone &&
            IsSelected(ACol, ARow))
            ABrush->SetColor(ShadeColor(ABrush->Color(), 7));

        GetWordWrap(rcol, ARow, WW);
        GetCellAlignment(rcol, ARow, HA, VA);
    } catch (const std::exception&) {
        ABrush->SetColor(normalCell ? Color() : FixedColor());
        AColorTo = AMirrorColor = AMirrorColorTo = clNone;
    }
}

void TExStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA) {
    HA = FDefaultAlignment;
    VA = FVAlignment;
    bool formula = false;
    if (AutoNumAlign) {
        std::string text = GetCellEx(ACol, ARow);
        formula = text.starts_with('=');
        if (formula || (text.size() > 3 && text.starts_with("|\\") && text[3] == '='))
            GetCalculatedCell(ACol, ARow, text);
        const int kind = GetNumberKind(Trim(text));
        if (kind == nkInteger || kind == nkFloat || kind == nkExponent)
            HA = taRightJustify;
    }
    if (const TCellProperties* props = ExistingProperties(ACol, ARow); props && !formula)
        HA = props->Alignment();
    GetAlignment(ACol, ARow, HA, VA);
}

std::string TExStringGrid::GetFormattedCell(int ACol, int ARow) {
    std::string text = Cells(ACol, ARow);
    if (!OnGetFloatFormat)
        return text;
    const int kind = GetNumberKind(text);
    bool isFloat = kind == nkInteger || kind == nkFloat || kind == nkExponent;
    std::string format = FloatFormat;
    OnGetFloatFormat(this, ACol, ARow, isFloat, format);
    if (!isFloat || format.empty())
        return text;
    return FormatCellValue(ACol, ARow, format, text);
}

// A format that does not fit the cell's value shows the value as it is stored.
std::string TExStringGrid::FormatCellValue(int ACol, int ARow, const std::string& Format,
                                           const std::string& Text) {
    try {
        if (Format.find('d') != std::string::npos)
            return FormatValues(Format, {Ints(ACol, ARow)}, LocaleDecimalSeparator(),
                                LocaleThousandSeparator());
        return FormatValues(Format, {Floats(ACol, ARow)}, LocaleDecimalSeparator(),
                            LocaleThousandSeparator());
    } catch (const std::exception&) {
        return Text;
    }
}

TColor TExStringGrid::BlendColorPercent(TColor Color1, TColor Color2, int Percent) {
    if (Percent >= 100)
        return Color1;
    if (Percent < 1 || Color1 == clNone)
        return Color2;
    if (Color2 == clNone)
        return Color1;
    const TColor c1 = ColorToRGB(Color1);
    const TColor c2 = ColorToRGB(Color2);
    const double p = Percent / 100.0;
    auto mix = [p](int a, int b) {
        return std::min(255, static_cast<int>(std::nearbyint(p * a + (1 - p) * b)));
    };
    return RGB(mix(GetRValue(c1), GetRValue(c2)), mix(GetGValue(c1), GetGValue(c2)),
               mix(GetBValue(c1), GetBValue(c2)));
}

TColor TExStringGrid::MixedSelectionColor(TColor CellColor) const {
    if (!FSelectionColorMixer)
        return FSelectionColor;
    return BlendColorPercent(FSelectionColor, CellColor, FSelectionColorMixerFactor);
}

TCellGraphic* TExStringGrid::GetCellGraphicInfo(int ACol, int ARow, int& Width, int& Height,
                                                bool& DrawText, TCellHAlign& HAlign,
                                                TCellVAlign& VAlign) {
    Width = Height = 0;
    DrawText = true;
    HAlign = haLeft;
    VAlign = vaTop;
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic)
        return nullptr;
    const TPoint size = GetCellGraphicSize(ACol, ARow);
    Width = size.X;
    Height = size.Y;
    HAlign = static_cast<TCellHAlign>(graphic->CellHAlign);
    VAlign = static_cast<TCellVAlign>(graphic->CellVAlign);
    // A graphic that fills the cell leaves no room for text; rotated text is the graphic.
    DrawText = HAlign != haFull && VAlign != vaFull && graphic->CellType != ctRotated;
    return graphic;
}

// The one-pixel frame of the looks that have one; the grid has no border of the platform's, so
// it is drawn at the edge of the client area.
void TExStringGrid::PaintOuterBorder() {
    const bool framedLook = FLook == glSoft || (FLook >= glULK && FLook <= glOffice2007);
    if (!framedLook || FBorderStyle == bsNone || FBorderColor == clNone || FFlat || !Canvas())
        return;
    TCanvas* canvas = Canvas();
    const int w = ClientWidth();
    const int h = ClientHeight();
    canvas->Pen()->SetColor(FBorderColor);
    canvas->Pen()->SetWidth(1);
    canvas->Polyline(
        {TPoint{0, h - 1}, TPoint{0, 0}, TPoint{w - 1, 0}, TPoint{w - 1, h - 1}, TPoint{0, h - 1}});
}
