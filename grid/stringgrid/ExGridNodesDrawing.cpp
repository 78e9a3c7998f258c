// Tree rows: the node glyphs and the tree lines of column 0.
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/CellNode.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <algorithm>

namespace {

// A dotted line in the brush colour, one pixel on, one off, as tree lines are drawn.
void DottedLine(TCanvas* Canvas, int X1, int Y1, int X2, int Y2) {
    if (X1 == X2)
        for (int y = std::min(Y1, Y2); y <= std::max(Y1, Y2); y += 2)
            Canvas->FillRect(TRect{X1, y, X1 + 1, y + 1});
    else
        for (int x = std::min(X1, X2); x <= std::max(X1, X2); x += 2)
            Canvas->FillRect(TRect{x, Y1, x + 1, Y1 + 1});
}

} // namespace

// The glyph sits in the last indent step of the node's level, centred vertically: a box with a
// minus while expanded, a plus while contracted (or the node's own glyph pictures).
void TExStringGrid::DrawNodeGlyph(TCanvas* ACanvas, int ARow, const TRect& ARect) {
    if (!ACanvas || !IsNode(ARow))
        return;
    const bool contracted = GetNodeState(ARow);
    const int level = std::max(GetNodeLevel(ARow), 1);
    const int indent = FCellNode->NodeIndent();
    const int cx = ARect.Left + (level - 1) * indent + indent / 2 + 2;
    const int cy = (ARect.Top + ARect.Bottom) / 2;
    if (FCellNode->NodeType() == cnGlyph) {
        const TBitmap* glyph = contracted ? FCellNode->ExpandGlyph() : FCellNode->ContractGlyph();
        if (!glyph->Empty())
            ACanvas->Draw(cx - glyph->Width() / 2, cy - glyph->Height() / 2, glyph);
        return;
    }
    const int half = FCellNode->NodeType() == cn3D ? 5 : 4;
    const TRect box{cx - half, cy - half, cx + half + 1, cy + half + 1};
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(FCellNode->NodeType() == cnFlat ? clWhite : FCellNode->Color);
    ACanvas->Pen()->SetColor(FCellNode->NodeType() == cnXP ? clGray : clBlack);
    ACanvas->Pen()->SetWidth(1);
    ACanvas->Rectangle(box);
    ACanvas->Pen()->SetColor(FCellNode->NodeColor);
    ACanvas->MoveTo(cx - half + 2, cy);
    ACanvas->LineTo(cx + half - 1, cy);
    if (contracted) {
        ACanvas->MoveTo(cx, cy - half + 2);
        ACanvas->LineTo(cx, cy + half - 1);
    }
}

// Each level the row lies in gets a vertical line; the row's own level ends in a branch to the
// text, and the last row of a span ends its line at the middle of the row.
void TExStringGrid::DrawTreeLines(TCanvas* ACanvas, int ARow, const TRect& ARect) {
    if (!ACanvas || !FCellNode->ShowTree() || !HasNodes() || IsNode(ARow))
        return;
    const TCellProperties* props = ExistingProperties(0, ARow);
    const int level = props ? props->NodeLevel() : 0;
    if (level <= 0)
        return;
    const int indent = FCellNode->NodeIndent();
    const int cy = (ARect.Top + ARect.Bottom) / 2;
    const int top = FCellNode->ShowTreeFull() ? ARect.Top : ARect.Top + 2;
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(FCellNode->TreeColor());
    const bool last = GetNodeSpanType(ARow) == 1;
    const int x = ARect.Left + (level - 1) * indent + indent / 2 + 2;
    DottedLine(ACanvas, x, top, x, last ? cy : ARect.Bottom - 1);
    DottedLine(ACanvas, x, cy, x + indent / 2, cy);
}
