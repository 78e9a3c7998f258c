#pragma once

#include "grid/stringgrid/ExGridTypes.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

#include <memory>

class TBitmap;
class TExStringGrid;
class TFooterAppearance;
class THeaderAppearance;

// Appearance of the controls the grid draws in cells, of its fixed-cell gradients and of the
// header and footer of its drop-down editors.
class TControlLook : public TObject {
public:
    // AGrid receives the gradient colours and is repainted by the writes that change a look;
    // nullptr for a look that stands alone.
    explicit TControlLook(TExStringGrid* AGrid = nullptr);
    ~TControlLook() override;

    // From another control look only: sizes, style, glyphs, colours, gradients, drop-down
    // settings; the switches that depend on the system (FlatButton, ProgressXP, the two
    // NoDisabled looks, FixedDropDownButton) stay as they are.
    void Assign(const TObject* Source);
    // The colours and gradients as constructed. Only the hover and down mirror colours go
    // through their setters, so the grid's mirror colours follow and its others stay.
    void Init();

    // Stored only; read where they are used.
    int HintMaxWidth = 0;
    // Check boxes and radio buttons toggle without asking whether the cell may be edited.
    bool CheckAlwaysActive = false;
    bool RadioAlwaysActive = false;
    bool FixedDropDownButton = false;
    TColor ProgressBorderColor = clGray;
    int DropDownCount = 8;

    // Each write repaints the grid.
    TGridControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TGridControlStyle Value);
    int CheckSize() const { return FCheckSize; } // edge of a check box in pixels
    void SetCheckSize(int Value);
    int RadioSize() const { return FRadioSize; }
    void SetRadioSize(int Value);
    // Drop-down and spin buttons show in their cells without the editor open.
    bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
    void SetDropDownAlwaysVisible(bool Value);
    bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
    void SetSpinButtonsAlwaysVisible(bool Value);
    TColor Color() const { return FColor; } // mark colour of the drawn glyphs
    void SetColor(TColor Value);
    TColor CommentColor() const { return FCommentColor; }
    void SetCommentColor(TColor Value);
    bool FlatButton() const { return FFlatButton; }
    void SetFlatButton(bool Value);
    bool ProgressXP() const { return FProgressXP; }
    void SetProgressXP(bool Value);
    int ProgressMarginX() const { return FProgressMarginX; }
    void SetProgressMarginX(int Value);
    int ProgressMarginY() const { return FProgressMarginY; }
    void SetProgressMarginY(int Value);
    bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
    void SetNoDisabledCheckRadioLook(bool Value);
    bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
    void SetNoDisabledButtonLook(bool Value);

    // Glyphs of the glyph control style; writing copies the image.
    TBitmap* CheckedGlyph() const { return FCheckedGlyph.get(); }
    void SetCheckedGlyph(const TBitmap* Value);
    TBitmap* UnCheckedGlyph() const { return FUnCheckedGlyph.get(); }
    void SetUnCheckedGlyph(const TBitmap* Value);
    TBitmap* RadioOnGlyph() const { return FRadioOnGlyph.get(); }
    void SetRadioOnGlyph(const TBitmap* Value);
    TBitmap* RadioOffGlyph() const { return FRadioOffGlyph.get(); }
    void SetRadioOffGlyph(const TBitmap* Value);

    // Header and footer of the drop-down editors; writing copies, without a repaint.
    THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
    void SetDropDownHeader(const THeaderAppearance* Value);
    TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
    void SetDropDownFooter(const TFooterAppearance* Value);

    // Fixed-cell gradients. Each reads back what was written; none repaints. A colour other
    // than clNone is passed on to the grid's gradient of the same role; the mirror colours are
    // passed on whatever they are.
    TColor FixedGradientFrom() const { return FFixedGradientFrom; }
    void SetFixedGradientFrom(TColor Value);
    TColor FixedGradientTo() const { return FFixedGradientTo; }
    void SetFixedGradientTo(TColor Value);
    TColor FixedGradientMirrorFrom() const { return FFixedGradientMirrorFrom; }
    void SetFixedGradientMirrorFrom(TColor Value);
    TColor FixedGradientMirrorTo() const { return FFixedGradientMirrorTo; }
    void SetFixedGradientMirrorTo(TColor Value);
    TColor FixedGradientHoverFrom() const { return FFixedGradientHoverFrom; }
    void SetFixedGradientHoverFrom(TColor Value);
    TColor FixedGradientHoverTo() const { return FFixedGradientHoverTo; }
    void SetFixedGradientHoverTo(TColor Value);
    TColor FixedGradientHoverMirrorFrom() const { return FFixedGradientHoverMirrorFrom; }
    void SetFixedGradientHoverMirrorFrom(TColor Value);
    TColor FixedGradientHoverMirrorTo() const { return FFixedGradientHoverMirrorTo; }
    void SetFixedGradientHoverMirrorTo(TColor Value);
    TColor FixedGradientHoverBorder() const { return FFixedGradientHoverBorder; }
    void SetFixedGradientHoverBorder(TColor Value);
    TColor FixedGradientDownFrom() const { return FFixedGradientDownFrom; }
    void SetFixedGradientDownFrom(TColor Value);
    TColor FixedGradientDownTo() const { return FFixedGradientDownTo; }
    void SetFixedGradientDownTo(TColor Value);
    TColor FixedGradientDownMirrorFrom() const { return FFixedGradientDownMirrorFrom; }
    void SetFixedGradientDownMirrorFrom(TColor Value);
    TColor FixedGradientDownMirrorTo() const { return FFixedGradientDownMirrorTo; }
    void SetFixedGradientDownMirrorTo(TColor Value);
    TColor FixedGradientDownBorder() const { return FFixedGradientDownBorder; }
    void SetFixedGradientDownBorder(TColor Value);

private:
    template <typename T> void SetAndRepaint(T& Field, T Value);
    void SetGlyph(std::unique_ptr<TBitmap>& Glyph, const TBitmap* Value);
    // Stores a gradient colour and passes it to the grid through GridSetter.
    void SetGradient(TColor& Field, TColor Value, void (TExStringGrid::*GridSetter)(TColor),
                     bool PassNone);

    TExStringGrid* FGrid;
    TGridControlStyle FControlStyle = csTheme;
    int FCheckSize = 15;
    int FRadioSize = 10;
    bool FDropDownAlwaysVisible = false;
    bool FSpinButtonsAlwaysVisible = false;
    TColor FColor = clBlack;
    TColor FCommentColor = clRed;
    bool FFlatButton = false;
    bool FProgressXP = false;
    int FProgressMarginX = 2;
    int FProgressMarginY = 2;
    bool FNoDisabledCheckRadioLook = false;
    bool FNoDisabledButtonLook = false;
    std::unique_ptr<TBitmap> FCheckedGlyph;
    std::unique_ptr<TBitmap> FUnCheckedGlyph;
    std::unique_ptr<TBitmap> FRadioOnGlyph;
    std::unique_ptr<TBitmap> FRadioOffGlyph;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
    TColor FFixedGradientFrom = clNone;
    TColor FFixedGradientTo = clNone;
    TColor FFixedGradientMirrorFrom = clNone;
    TColor FFixedGradientMirrorTo = clNone;
    TColor FFixedGradientHoverFrom = clGray;
    TColor FFixedGradientHoverTo = clWhite;
    TColor FFixedGradientHoverMirrorFrom = clNone;
    TColor FFixedGradientHoverMirrorTo = clNone;
    TColor FFixedGradientHoverBorder = clSilver;
    TColor FFixedGradientDownFrom = clGray;
    TColor FFixedGradientDownTo = clSilver;
    TColor FFixedGradientDownMirrorFrom = clNone;
    TColor FFixedGradientDownMirrorTo = clNone;
    TColor FFixedGradientDownBorder = clGray;
};
