#include "app/tables/TableWindow.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/WindowLook.h"
#include "app/core/TableFile.h"
#include "app/core/ULanguage.h"
#include "app/tables/TableRowOperations.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

#include <algorithm>

namespace {

constexpr int Button_Width = 110;
constexpr int Button_Step = 118;
constexpr int First_Button_Left = 16;
constexpr int Row_Height = 22;
constexpr TColor Active_Cell_Color = 0x00EACAB6;
constexpr int Rows_Beyond_Table = 1108;
constexpr int Rows_Beyond_Table_End = 1109;
constexpr int Question_Overwrite_Incomplete = 1110;

} // namespace

TTableWindow::TTableWindow(TComponent* AOwner, TTableDescription Description)
    : TStepDialog(AOwner, Description.Client_Width, Description.Client_Height, First_Button_Left),
      FDescription(std::move(Description)) {
    SetName(FDescription.Form_Name);
    Btn_OK->OnClick = [this](TObject* sender) { Btn_OKClick(sender); };
    Btn_Cancel->SetModalResult(mrCancel);

    TGlyphButton** rowButtons[] = {&Btn_DelRow, &Btn_InsRow, &Btn_CopyRow, &Btn_PasteRow};
    // The row buttons carry no glyph: the set has no pictures for them.
    for (int i = 0; i < 4; ++i) {
        *rowButtons[i] = Make_Glyph_Button(
            this, P_Button, First_Button_Left + Button_Step * (2 + i), 6, Button_Width, 28, "");
        (*rowButtons[i])->SetShowHint(true);
    }
    Btn_DelRow->OnClick = [this](TObject* sender) { Btn_DelRowClick(sender); };
    Btn_InsRow->OnClick = [this](TObject* sender) { Btn_InsRowClick(sender); };
    Btn_CopyRow->OnClick = [this](TObject* sender) { Btn_CopyRowClick(sender); };
    Btn_PasteRow->OnClick = [this](TObject* sender) { Btn_PasteRowClick(sender); };

    FGrid = FDescription.Check_Box_Grid ? new TExStringGrid(this) : new TExColumnGrid(this);
    FGrid->SetParent(this);
    FGrid->SetAlign(alClient);
    FGrid->SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                                   goRangeSelect, goColSizing, goEditing});
    FGrid->SetScrollBars(ssBoth);
    FGrid->SetShowHint(true);
    FGrid->SetActiveCellShow(true);
    FGrid->SetActiveCellColor(Active_Cell_Color);
    FGrid->ActiveCellFont()->SetStyle(TFontStyles{fsBold});
    FGrid->FixedFont()->SetStyle(TFontStyles{fsBold});
    FGrid->OnGridHint = [this](TObject* sender, int row, int col, std::string& hint) {
        GridHint(sender, row, col, hint);
    };
    FGrid->OnKeyPress = [this](TObject* sender, TChar& key) { KeyPress(sender, key); };
    FGrid->OnDblClickCell = [this](TObject* sender, int row, int col) {
        DblClickCell(sender, row, col);
    };
    FGrid->OnClickCell = [this](TObject* sender, int row, int col) { ClickCell(sender, row, col); };
    FGrid->OnGetEditorType = [this](TObject*, int col, int row, TEditorType& editor) {
        Get_Editor_Type(col, row, editor);
    };

    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
}

TTableWindow::~TTableWindow() = default;

TExColumnGrid* TTableWindow::Column_Grid() const {
    return dynamic_cast<TExColumnGrid*>(FGrid);
}

bool TTableWindow::Is_Check_Column(int ACol) const {
    return ACol > 0 && ACol < static_cast<int>(FDescription.Columns.size()) &&
           FDescription.Columns[static_cast<size_t>(ACol)].Kind == tcCheckBox;
}

void TTableWindow::FormCreate(TObject*) {
    Init_Table();
    SetClientWidth(FDescription.Client_Width);
    SetClientHeight(FDescription.Client_Height);
    Set_Lang();
}

void TTableWindow::Init_Table() {
    const auto& columns = FDescription.Columns;
    FGrid->SetColCount(static_cast<int>(columns.size()));
    FGrid->SetRowCount(FDescription.Data_Rows + 1);
    FGrid->SetFixedCols(1);
    FGrid->SetFixedRows(1);
    FGrid->SetDefaultRowHeight(Row_Height);
    TExColumnGrid* columnGrid = Column_Grid();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const TTableColumn& column = columns[static_cast<size_t>(c)];
        FGrid->SetColWidths(c, column.Width);
        if (columnGrid) {
            TGridColumnItem* item = columnGrid->Columns()->Items(c);
            item->SetWidth(column.Width);
            if (c == 0)
                continue;
            item->SetColor(column.Color);
            item->SetAlignment(column.Alignment);
            if (column.Kind == tcCheckBox)
                item->SetEditor(edDataCheckBox);
            if (column.Kind == tcComboList) {
                item->SetEditor(edComboList);
                item->ComboItems()->Clear();
                for (const std::string& choice : column.Items)
                    item->ComboItems()->Add(choice);
            }
            continue;
        }
        if (c == 0)
            continue;
        for (int r = 1; r < FGrid->RowCount(); ++r) {
            FGrid->SetColors(c, r, column.Color);
            FGrid->SetAlignments(c, r, column.Alignment);
            if (column.Kind == tcCheckBox)
                FGrid->AddCheckBox(c, r, false, false);
        }
    }
    for (int r = 1; r < FGrid->RowCount(); ++r)
        FGrid->SetCells(0, r, IntToStr(r));
}

void TTableWindow::Set_Lang() {
    const int first = FDescription.Caption_Slot;
    SetCaption(Lang_Str(first));
    L_SW_Desc->SetCaption(Lang_Str(first + 1));
    TGlyphButton* buttons[] = {Btn_OK,     Btn_Cancel,  Btn_DelRow,
                               Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int i = 0; i < 6; ++i) {
        buttons[i]->SetCaption(Lang_Str(first + 2 + i));
        buttons[i]->SetHint(Lang_Str(FDescription.Button_Hint_Slot + i));
    }
    TExColumnGrid* columnGrid = Column_Grid();
    Hint.Clear();
    for (int c = 0; c < static_cast<int>(FDescription.Columns.size()); ++c) {
        const TTableColumn& column = FDescription.Columns[static_cast<size_t>(c)];
        const std::string header = Lang_Str(column.Header_Slot);
        if (columnGrid)
            columnGrid->Columns()->Items(c)->SetHeader(header);
        else
            FGrid->SetCells(c, 0, header);
        if (c > 0)
            Hint.Add(column.Hint_Slot ? Lang_Str(column.Hint_Slot) : std::string());
    }
}

void TTableWindow::Reset_Rows() {
    for (int r = 1; r < FGrid->RowCount(); ++r) {
        FGrid->SetCells(0, r, IntToStr(r));
        for (int c = 1; c < FGrid->AllColCount(); ++c)
            Write_Cell(c, r, c == 1 && Is_Check_Column(1) ? "Y" : Is_Check_Column(c) ? "N" : "");
    }
}

void TTableWindow::Write_Cell(int ACol, int ARow, const std::string& text) {
    if (FDescription.Check_Box_Grid && Is_Check_Column(ACol))
        FGrid->SetCheckBoxState(ACol, ARow, text != "N");
    else
        FGrid->SetCells(ACol, ARow, text);
}

std::string TTableWindow::Read_Cell(int ACol, int ARow) const {
    bool ticked = false;
    if (FDescription.Check_Box_Grid && Is_Check_Column(ACol))
        return FGrid->GetCheckBoxState(ACol, ARow, ticked) && ticked ? "Y" : "N";
    return FGrid->Cells(ACol, ARow);
}

void TTableWindow::FormShow(TObject*) {
    Reset_Rows();
    Load_Incomplete = false;
    const std::string path = Table_File();
    if (FileExists(path)) {
        try {
            Load_Table_File(path);
        } catch (const std::exception& error) {
            // A file that cannot be read leaves the table as a new one; the file itself is kept
            // until the user agrees to save over it.
            Reset_Rows();
            Load_Incomplete = true;
            Report(error);
        }
    }
    FGrid->Invalidate();
    Do_Copy = false;
    if (FGrid->CanFocus())
        FGrid->SetFocus();
}

void TTableWindow::Load_Table_File(const std::string& path) {
    TXMLDocument xml;
    xml.LoadFromFile(path);
    std::vector<std::string> attributes;
    for (size_t c = 1; c < FDescription.Columns.size(); ++c)
        attributes.push_back(FDescription.Columns[c].Attribute);
    const size_t columnAttributes = attributes.size();
    attributes.insert(attributes.end(), FDescription.Legacy_Attributes.begin(),
                      FDescription.Legacy_Attributes.end());
    // One row more than the table holds tells that the file has rows the table cannot show.
    const auto dataRows = static_cast<size_t>(FGrid->RowCount() - 1);
    std::vector<TTableFileRow> rows =
        Read_Table_File_Rows(xml, FDescription.Section, attributes, dataRows + 1);
    const bool beyondTable = rows.size() > dataRows;
    rows.resize(std::min(rows.size(), dataRows));
    for (size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        for (size_t k = 0; k < columnAttributes; ++k) {
            const int c = static_cast<int>(k) + 1;
            const TTableColumn& column = FDescription.Columns[k + 1];
            if (rows[i][k])
                Write_Cell(c, row, *rows[i][k]);
            else if (column.Has_Missing)
                Write_Cell(c, row, column.Missing);
        }
        Row_Loaded(row, rows[i]);
    }
    if (beyondTable) {
        Load_Incomplete = true;
        MessageDlg(Lang_Str(Rows_Beyond_Table) + IntToStr(static_cast<int64_t>(dataRows)) +
                       Lang_Str(Rows_Beyond_Table_End),
                   mtWarning, {mbOK});
    }
}

void TTableWindow::Save_Table_File(const std::string& path) {
    TXMLDocument xml;
    TXmlNode rows = Begin_Table_File(xml, FDescription.Root, FDescription.Section);
    const int last = Key_Rows();
    for (int r = 1; r <= last; ++r) {
        TXmlNode element = rows.AddChild("row");
        for (int c = 1; c < static_cast<int>(FDescription.Columns.size()); ++c)
            element.SetAttribute(FDescription.Columns[static_cast<size_t>(c)].Attribute,
                                 Table_File_Text(Read_Cell(c, r)));
    }
    xml.SaveToFile(path);
}

int TTableWindow::Key_Rows() const {
    int last = 0;
    auto blank = [this](const std::string& key) {
        return FDescription.Trim_Key ? Trim(key).empty() : key.empty();
    };
    while (last + 1 < FGrid->RowCount() && !blank(FGrid->Cells(FDescription.Key_Col, last + 1)))
        ++last;
    return last;
}

void TTableWindow::Report(const std::exception& error) {
    Application->ShowException(error);
}

int TTableWindow::Cell_Value(int ACol, int ARow) const {
    return StrToIntDef(FGrid->Cells(ACol, ARow), -1);
}

bool TTableWindow::Is_Enabled(int ARow) const {
    return UpperCase(Trim(Read_Cell(1, ARow))) == "Y";
}

bool TTableWindow::Row_Error(int ARow, int Text_Slot, const std::string& Suffix) const {
    MessageDlg(Lang_Str(FDescription.Error_Prefix_Slot) + IntToStr(ARow) + Lang_Str(Text_Slot) +
                   Suffix,
               mtError, {mbOK});
    return false;
}

bool TTableWindow::Table_Error(int Text_Slot, const std::string& Suffix) const {
    MessageDlg(Lang_Str(Text_Slot) + Suffix, mtError, {mbOK});
    return false;
}

void TTableWindow::Btn_OKClick(TObject*) {
    if (!Controllo_dati())
        return;
    if (Load_Incomplete &&
        MessageDlg(Lang_Str(Question_Overwrite_Incomplete), mtConfirmation, mbYesNo) != mrYes)
        return;
    try {
        Save_Table_File(Table_File());
    } catch (const std::exception& error) {
        // The previous file stays whole (files are replaced atomically) and so do the edits.
        Report(error);
        return;
    }
    SetModalResult(mrOk);
}

void TTableWindow::Btn_DelRowClick(TObject*) {
    const int row = FGrid->Row();
    if (row < 1 || row >= FGrid->RowCount())
        return;
    if (MessageDlg(Lang_Str(FDescription.Delete_Question_Slot) + IntToStr(row), mtConfirmation,
                   mbYesNo) != mrYes)
        return;
    if (FDescription.Check_Box_Grid)
        Grid_Delete_Row_Check(row, FGrid, true);
    else
        Grid_Delete_Row(row, Column_Grid());
    Rows_Moved(row, FGrid->RowCount() - 1);
    FGrid->Invalidate();
}

void TTableWindow::Btn_InsRowClick(TObject*) {
    const int row = FGrid->Row();
    const bool enableFirst = Is_Check_Column(1);
    const bool inserted = FDescription.Check_Box_Grid
                              ? Grid_Insert_Row_Check(row, FGrid, enableFirst)
                              : Grid_Insert_Row(row, Column_Grid(), enableFirst);
    if (inserted) {
        Rows_Moved(row, FGrid->RowCount() - 1);
        FGrid->Invalidate();
    }
}

void TTableWindow::Btn_CopyRowClick(TObject*) {
    if (FDescription.Check_Box_Grid)
        Grid_Copy_Row_Check(FGrid, FGrid->Row());
    else
        Grid_Copy_Row(Column_Grid(), FGrid->Row());
    Do_Copy = true;
}

void TTableWindow::Btn_PasteRowClick(TObject*) {
    const int row = FGrid->Row();
    if (FDescription.Check_Box_Grid)
        Grid_Paste_Row_Check(FGrid, row, Do_Copy);
    else
        Grid_Paste_Row(Column_Grid(), row, Do_Copy);
    Rows_Moved(row, row);
    FGrid->Invalidate();
}

void TTableWindow::GridHint(TObject*, int ARow, int ACol, std::string& HintStr) {
    const int real = FGrid->RealColIndex(ACol);
    if (ARow == 0 && ACol > 0 && real >= 1 && real <= Hint.Count())
        HintStr = Hint[real - 1];
    else
        HintStr.clear();
}

void TTableWindow::ClickCell(TObject*, int ARow, int ACol) {
    if (FDescription.Select_Row_On_Click && ACol == 0 && ARow > 0)
        FGrid->SelectRows(ARow, 1);
}

void TTableWindow::DblClickCell(TObject*, int ARow, int ACol) {
    Grid_DblClick_AutoSize(FGrid, ARow, ACol);
}

void TTableWindow::KeyPress(TObject*, TChar& Key) {
    Grid_Enter_Next(FGrid, Key);
}

void TTableWindow::Get_Editor_Type(int ACol, int ARow, TEditorType& AEditor) {
    if (Column_Grid())
        return;
    const int real = FGrid->RealColIndex(ACol);
    if (real <= 0 || real >= static_cast<int>(FDescription.Columns.size()))
        return;
    const TTableColumn& column = FDescription.Columns[static_cast<size_t>(real)];
    if (column.Kind != tcComboList)
        return;
    AEditor = edComboList;
    FGrid->ClearComboString();
    for (const std::string& choice : column.Items)
        FGrid->AddComboString(choice);
}
