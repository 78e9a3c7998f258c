#pragma once

#include "grid/stringgrid/ExGrid.h"
#include "platform/ui/Application.h"
#include "platform/ui/CellEditor.h"
#include "platform/ui/Form.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// A grid whose validation and ellipsis handler tests script, and whose edit-road state they
// read; the editor controls are driven as the editing core drives them.
class TEditorControlTestGrid : public TExStringGrid {
public:
    using TExStringGrid::FCellCache;
    using TExStringGrid::FComboIdx;
    using TExStringGrid::FNewCellText;
    using TExStringGrid::FNoAutoAdvance;
    using TExStringGrid::FOriginalDateTime;
    using TExStringGrid::TExStringGrid;

    // Set: validation refuses and leaves this text as the new value.
    std::optional<std::string> RefuseWith;
    std::vector<std::string> Validated;
    std::string EllipsisAnswer;

    bool ValidateCell(const std::string& NewValue) override {
        Validated.push_back(NewValue);
        if (!RefuseWith)
            return true;
        FNewCellText = *RefuseWith;
        return false;
    }
    void EllipsClick(std::string& Value) override { Value = EllipsisAnswer + Value; }
};

// A shown form holding a 5 x 6 grid, and the road of one edit of a cell with an editor kind.
class EditorControlFixture {
protected:
    EditorControlFixture()
        : Form(std::make_unique<TForm>(nullptr)), Grid(new TEditorControlTestGrid(Form.get())) {
        Form->SetClientWidth(500);
        Form->SetClientHeight(300);
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 480, 280);
        Grid->SetColCount(5);
        Grid->SetRowCount(6);
        Form->Show();
        Application->ProcessMessages();
    }

    // Opens the editor of Kind over the current cell (Col, Row) holding Text, as the editing
    // core does.
    TCellEditor* Open(TEditorType Kind, int Col, int Row, const std::string& Text) {
        Grid->SetCol(Col);
        Grid->SetRow(Row);
        Grid->SetCells(Col, Row, Text);
        Grid->EditControl = Kind;
        Grid->EditMode = true;
        Grid->FCellCache = Text;
        TCellEditor* editor = Grid->CellEditorOfKind(Kind);
        editor->BeginCellEdit(Col, Row);
        editor->PlaceCellEditor(Grid->CellRect(Col, Row), clWindow);
        editor->LoadCellText(Text);
        return editor;
    }

    std::unique_ptr<TForm> Form;
    TEditorControlTestGrid* Grid;
};
