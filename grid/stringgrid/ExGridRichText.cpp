// Rich-text cells: their RTF loaded into and taken from a rich editor, and the grid's two rich
// editors.
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/ExRichEdit.h"
#include "grid/stringgrid/RtfCellText.h"

TExRichEdit* TExStringGrid::InplaceRichEdit() {
    if (FInplaceRichEdit == nullptr) {
        FInplaceRichEdit = new TExRichEdit(this);
        FInplaceRichEdit->SetVisible(false);
        FInplaceRichEdit->SetParent(this);
        FInplaceRichEdit->OnSelectionChange = [this](TObject* Sender) {
            if (OnRichEditSelectionChange)
                OnRichEditSelectionChange(Sender);
        };
    }
    return FInplaceRichEdit;
}

TExRichEdit* TExStringGrid::RichEdit() {
    if (FRichEdit == nullptr) {
        FRichEdit = new TExRichEdit(this);
        FRichEdit->SetVisible(false);
        FRichEdit->SetParent(this);
        FRichEdit->SetBounds(0, 0, 0, 0);
    }
    return FRichEdit;
}

void TExStringGrid::CellToRich(int Col, int Row, TRichEdit* Richeditor) {
    const std::string text = Cells(Col, Row);
    if (text.empty()) {
        Richeditor->Clear();
        return;
    }
    // Text that is no RTF is shown as it is, every character kept.
    if (!IsRtf(text)) {
        Richeditor->SetText(text);
        return;
    }
    Richeditor->LoadFromRtf(RtfCellToAscii(text));
}

std::string TExStringGrid::RichToString(TRichEdit* Richeditor) {
    if (Destroying())
        return "";
    // The editor writes 7-bit RTF, every character beyond ASCII escaped: the cell holds it as
    // it is.
    return Richeditor->SaveToRtf();
}

void TExStringGrid::RichToCell(int Col, int Row, TRichEdit* Richeditor) {
    SetCells(Col, Row, RichToString(Richeditor));
}
