#pragma once

#include "grid/foundation/BaseGridTypes.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"
#include "platform/ui/Types.h"

#include <functional>
#include <string>

class TCanvas;
class TExStringGrid;

// What the floating footer panel shows.
enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

using TCalcFooterEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;
using TGroupCalcEvent =
    std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)>;
using TCellsChangedEvent = std::function<void(TObject* Sender, const TRect& R)>;
using TFooterPaintEvent =
    std::function<void(TObject* Sender, int AColumn, TCanvas* Canvas, const TRect& ARect)>;

// Settings of the footer row that stays under the cells while they scroll. In the fixed-last-
// row style the grid's last row is the footer: its cells hold the column summaries, computed by
// the calculation kind kept in each cell's properties. Visible and Height are read as fields;
// they are written through their setters, which move the grid along.
class TFloatingFooter : public TObject {
public:
    explicit TFloatingFooter(TExStringGrid* AGrid = nullptr) : FGrid(AGrid) {}

    // Copies style, colour, column, template and hidden-row counting, then shows or hides the
    // footer as the source does; other sources are ignored.
    void Assign(const TObject* Source);
    void Invalidate();

    TExStringGrid* Grid() const { return FGrid; }
    void SetGrid(TExStringGrid* AGrid) { FGrid = AGrid; }

    void SetVisible(bool Value);
    // The panel is one pixel lower than Height; Height follows the grid's default row height.
    void SetHeight(int Value);
    TFooterStyle FooterStyle() const { return FFooterStyle; }
    void SetFooterStyle(TFooterStyle Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    int Column() const { return FColumn; }
    void SetColumn(int Value);
    const std::string& CustomTemplate() const { return FCustomTemplate; }
    void SetCustomTemplate(const std::string& Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);

    // The calculation kind of a column: kept in the properties of its last-row cell.
    TColumnCalcType GetColumnCalc(int Col) const;
    // Creates the cell's properties when needed and computes the column's footer at once.
    void SetColumnCalc(int Col, TColumnCalcType Value);

    bool Visible = false;
    int Height = 22;
    // Read by the calculation only; changing them recalculates nothing until the next change.
    bool CalculateHiddenRows = true;
    bool EnableCalculation = true;
    TCalcFooterEvent OnCalcFooter;

private:
    TExStringGrid* FGrid;
    TColor FColor = clBtnFace;
    TFooterStyle FFooterStyle = fsFixedLastRow;
    int FColumn = 0;
    std::string FCustomTemplate;
    bool FShowHint = false;
    TColor FBorderColor = clNone;
};
