#include "grid/stringgrid/FloatingFooter.h"

#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/FooterPanel.h"

void TFloatingFooter::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TFloatingFooter*>(Source);
    if (!source || source == this)
        return;
    CalculateHiddenRows = source->CalculateHiddenRows;
    FColor = source->FColor;
    FColumn = source->FColumn;
    FCustomTemplate = source->FCustomTemplate;
    FFooterStyle = source->FFooterStyle;
    SetVisible(source->Visible);
    FShowHint = source->FShowHint;
}

void TFloatingFooter::Invalidate() {
    if (FGrid && FGrid->FooterPanel())
        FGrid->FooterPanel()->Invalidate();
}

void TFloatingFooter::SetVisible(bool Value) {
    Visible = Value;
    if (!FGrid)
        return;
    if (TFooterPanel* panel = FGrid->FooterPanel()) {
        panel->SetHeight(Value ? Height - 1 : 0);
        panel->SetVisible(Value);
    }
    const bool lastRowIsFooter = Value && FFooterStyle == fsFixedLastRow;
    FGrid->SetFixedFooters(lastRowIsFooter ? 1 : 0);
    FGrid->FHideLastRow = lastRowIsFooter;
    FGrid->Invalidate();
}

void TFloatingFooter::SetHeight(int Value) {
    Height = Value;
    if (FGrid && FGrid->FooterPanel() && Value > 0)
        FGrid->FooterPanel()->SetHeight(Value - 1);
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value) {
    FFooterStyle = Value;
    if (!FGrid)
        return;
    FGrid->FHideLastRow = Value == fsFixedLastRow && Visible;
    FGrid->Invalidate();
    Invalidate();
}

void TFloatingFooter::SetColor(TColor Value) {
    FColor = Value;
    Invalidate();
}

void TFloatingFooter::SetBorderColor(TColor Value) {
    if (FBorderColor == Value)
        return;
    FBorderColor = Value;
    Invalidate();
}

void TFloatingFooter::SetColumn(int Value) {
    FColumn = Value;
    Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const std::string& Value) {
    FCustomTemplate = Value;
    Invalidate();
}

void TFloatingFooter::SetShowHint(bool Value) {
    FShowHint = Value;
    if (FGrid && FGrid->FooterPanel())
        FGrid->FooterPanel()->SetShowHint(Value);
}

TColumnCalcType TFloatingFooter::GetColumnCalc(int Col) const {
    if (!FGrid)
        return acNONE;
    const int last = FGrid->RowCount() - 1;
    return FGrid->HasCellProperties(Col, last) ? FGrid->GetCellProperties(Col, last)->CalcType()
                                               : acNONE;
}

void TFloatingFooter::SetColumnCalc(int Col, TColumnCalcType Value) {
    if (!FGrid || Col < 0 || Col >= FGrid->AllColCount())
        return;
    const int last = FGrid->RowCount() - 1;
    FGrid->GetCellProperties(Col, last)->SetCalcType(Value);
    FGrid->ColumnValueChanged(Col, last);
}
