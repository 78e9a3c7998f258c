#include "grid/stringgrid/CellNode.h"

#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Bitmap.h"

TCellNode::TCellNode(TExStringGrid* AOwner)
    : FOwner(AOwner), FExpandGlyph(std::make_unique<TBitmap>()),
      FContractGlyph(std::make_unique<TBitmap>()) {}

TCellNode::~TCellNode() = default;

void TCellNode::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TCellNode*>(Source);
    if (!source || source == this)
        return;
    Color = source->Color;
    FNodeType = source->FNodeType;
    NodeColor = source->NodeColor;
    FExpandGlyph->Assign(source->FExpandGlyph.get());
    ExpandOne = source->ExpandOne;
    FContractGlyph->Assign(source->FContractGlyph.get());
    FShowTree = source->FShowTree;
    FShowTreeFull = source->FShowTreeFull;
    FNodeIndent = source->FNodeIndent;
    FTreeColor = source->FTreeColor;
    Repaint();
}

void TCellNode::SetExpandGlyph(const TBitmap* Value) {
    FExpandGlyph->Assign(Value);
}

void TCellNode::SetContractGlyph(const TBitmap* Value) {
    FContractGlyph->Assign(Value);
}

void TCellNode::Repaint() {
    if (FOwner)
        FOwner->Invalidate();
}
