#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

#include <memory>

class TBitmap;
class TExStringGrid;

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

// The look of tree nodes: glyph style and colours, tree lines and the indent per level, and
// whether expanding one node contracts the others.
class TCellNode : public TObject {
public:
    explicit TCellNode(TExStringGrid* AOwner = nullptr);
    ~TCellNode() override;

    // Copies every setting; the owner stays.
    void Assign(const TObject* Source);

    TNodeType NodeType() const { return FNodeType; }
    void SetNodeType(TNodeType Value) { SetAndRepaint(FNodeType, Value); }
    bool ShowTree() const { return FShowTree; }
    void SetShowTree(bool Value) { SetAndRepaint(FShowTree, Value); }
    bool ShowTreeFull() const { return FShowTreeFull; }
    void SetShowTreeFull(bool Value) { SetAndRepaint(FShowTreeFull, Value); }
    int NodeIndent() const { return FNodeIndent; }
    void SetNodeIndent(int Value) { SetAndRepaint(FNodeIndent, Value); }
    TColor TreeColor() const { return FTreeColor; }
    void SetTreeColor(TColor Value) { SetAndRepaint(FTreeColor, Value); }
    TBitmap* ExpandGlyph() const { return FExpandGlyph.get(); }
    void SetExpandGlyph(const TBitmap* Value);
    TBitmap* ContractGlyph() const { return FContractGlyph.get(); }
    void SetContractGlyph(const TBitmap* Value);

    TColor Color = clSilver;
    TColor NodeColor = clBlack;
    bool ExpandOne = false;

private:
    template <typename T> void SetAndRepaint(T& Field, T Value) {
        if (Field == Value)
            return;
        Field = Value;
        Repaint();
    }
    void Repaint();

    TExStringGrid* FOwner;
    TNodeType FNodeType = cnXP;
    std::unique_ptr<TBitmap> FExpandGlyph;
    std::unique_ptr<TBitmap> FContractGlyph;
    bool FShowTree = true;
    bool FShowTreeFull = true;
    int FNodeIndent = 12;
    TColor FTreeColor = clGray;
};
