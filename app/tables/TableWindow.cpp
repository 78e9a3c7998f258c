#include "app/tables/TableWindow.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/WindowLook.h"
#include "app/core/TableFile.h"
#include "app/core/ULanguage.h"
#include "app/tables/TableRowOperations.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
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

    if (FDescription.Tables.empty())
        throw Exception("A table window needs a table: " + FDescription.Form_Name);
    if (FDescription.Tables.size() == 1) {
        FGrids.push_back(Make_Grid(this, FDescription.Tables.front()));
    } else {
        PageControl1 = new TPageControl(this);
        PageControl1->SetName("PageControl1");
        PageControl1->SetParent(this);
        PageControl1->SetAlign(alClient);
        for (const TTableGridDescription& table : FDescription.Tables) {
            auto* page = new TTabSheet(this);
            page->SetName(table.Page_Name);
            page->SetPageControl(PageControl1);
            FPages.push_back(page);
            FGrids.push_back(Make_Grid(page, table));
        }
        PageControl1->SetActivePageIndex(0);
    }
    Hint.resize(FGrids.size());
    Copied.assign(FGrids.size(), false);

    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
}

TTableWindow::~TTableWindow() = default;

TExStringGrid* TTableWindow::Make_Grid(TWinControl* Parent, const TTableGridDescription& Table) {
    TExStringGrid* grid =
        FDescription.Check_Box_Grid ? new TExStringGrid(this) : new TExColumnGrid(this);
    if (!Table.Grid_Name.empty())
        grid->SetName(Table.Grid_Name);
    grid->SetParent(Parent);
    grid->SetAlign(alClient);
    grid->SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine,
                                  goRangeSelect, goColSizing, goEditing});
    grid->SetScrollBars(ssBoth);
    // Rows keep their designed height: a caption or text that wrapped would show half a line.
    grid->SetWordWrap(false);
    grid->SetShowHint(true);
    grid->SetActiveCellShow(true);
    grid->SetActiveCellColor(Active_Cell_Color);
    grid->ActiveCellFont()->SetStyle(TFontStyles{fsBold});
    grid->FixedFont()->SetStyle(TFontStyles{fsBold});
    grid->OnGridHint = [this](TObject* sender, int row, int col, std::string& hint) {
        GridHint(sender, row, col, hint);
    };
    grid->OnKeyPress = [this](TObject* sender, TChar& key) { KeyPress(sender, key); };
    grid->OnDblClickCell = [this](TObject* sender, int row, int col) {
        DblClickCell(sender, row, col);
    };
    grid->OnClickCell = [this](TObject* sender, int row, int col) { ClickCell(sender, row, col); };
    grid->OnGetEditorType = [this](TObject* sender, int col, int row, TEditorType& editor) {
        const int table = Table_Of(sender);
        if (table >= 0)
            Get_Editor_Type(table, col, row, editor);
    };
    return grid;
}

int TTableWindow::Active_Table() const {
    if (!PageControl1)
        return 0;
    const int page = PageControl1->ActivePageIndex();
    return page < 0 ? 0 : page;
}

void TTableWindow::Show_Table(int Table) {
    if (PageControl1)
        PageControl1->SetActivePage(Table_Page(Table));
}

TTabSheet* TTableWindow::Table_Page(int Table) const {
    return PageControl1 ? FPages.at(static_cast<size_t>(Table)) : nullptr;
}

TExStringGrid* TTableWindow::Table_Grid(int Table) const {
    return FGrids.at(static_cast<size_t>(Table));
}

TExColumnGrid* TTableWindow::Column_Grid(int Table) const {
    return dynamic_cast<TExColumnGrid*>(Table_Grid(Table));
}

int TTableWindow::Table_Of(const TObject* Grid) const {
    const auto found = std::find(FGrids.begin(), FGrids.end(), Grid);
    return found == FGrids.end() ? -1 : static_cast<int>(found - FGrids.begin());
}

bool TTableWindow::Is_Check_Column(int Table, int ACol) const {
    const auto& columns = Table_Description(Table).Columns;
    return ACol > 0 && ACol < static_cast<int>(columns.size()) &&
           columns[static_cast<size_t>(ACol)].Kind == tcCheckBox;
}

void TTableWindow::FormCreate(TObject*) {
    for (int t = 0; t < Table_Count(); ++t)
        Init_Table(t);
    SetClientWidth(FDescription.Client_Width);
    SetClientHeight(FDescription.Client_Height);
    Set_Lang();
}

void TTableWindow::Init_Table(int Table) {
    const TTableGridDescription& table = Table_Description(Table);
    const auto& columns = table.Columns;
    TExStringGrid* grid = Table_Grid(Table);
    grid->SetColCount(static_cast<int>(columns.size()));
    grid->SetRowCount(table.Data_Rows + 1);
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->SetDefaultRowHeight(Row_Height);
    TExColumnGrid* columnGrid = Column_Grid(Table);
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const TTableColumn& column = columns[static_cast<size_t>(c)];
        grid->SetColWidths(c, column.Width);
        if (columnGrid) {
            TGridColumnItem* item = columnGrid->Columns()->Items(c);
            item->SetWidth(column.Width);
            if (c == 0)
                continue;
            item->SetColor(column.Color);
            item->SetAlignment(column.Alignment);
            if (column.Kind == tcCheckBox)
                item->SetEditor(edDataCheckBox);
            item->EditLength = column.Edit_Length;
            if (column.Kind == tcComboList || column.Kind == tcComboEdit) {
                item->SetEditor(column.Kind == tcComboList ? edComboList : edComboEdit);
                item->ComboItems()->Clear();
                for (const std::string& choice : column.Items)
                    item->ComboItems()->Add(choice);
            }
            continue;
        }
        if (c == 0)
            continue;
        for (int r = 1; r < grid->RowCount(); ++r) {
            grid->SetColors(c, r, column.Color);
            grid->SetAlignments(c, r, column.Alignment);
            if (column.Kind == tcCheckBox)
                grid->AddCheckBox(c, r, false, false);
        }
    }
    for (int r = 1; r < grid->RowCount(); ++r)
        grid->SetCells(0, r, IntToStr(r));
    for (int c = 1; c < static_cast<int>(columns.size()); ++c)
        if (columns[static_cast<size_t>(c)].Hidden)
            grid->HideColumn(c);
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
    for (int t = 0; t < Table_Count(); ++t) {
        const TTableGridDescription& table = Table_Description(t);
        if (TTabSheet* page = Table_Page(t))
            page->SetText(Lang_Str(table.Page_Caption_Slot));
        TExColumnGrid* columnGrid = Column_Grid(t);
        TStringList& hints = Hint[static_cast<size_t>(t)];
        hints.Clear();
        for (int c = 0; c < static_cast<int>(table.Columns.size()); ++c) {
            const TTableColumn& column = table.Columns[static_cast<size_t>(c)];
            const std::string header = Lang_Str(column.Header_Slot);
            if (columnGrid)
                columnGrid->Columns()->Items(c)->SetHeader(header);
            else
                Table_Grid(t)->SetCells(c, 0, header);
            if (c > 0)
                hints.Add(column.Hint_Slot ? Lang_Str(column.Hint_Slot) : std::string());
        }
    }
}

void TTableWindow::Reset_Rows(int Table) {
    TExStringGrid* grid = Table_Grid(Table);
    for (int r = 1; r < grid->RowCount(); ++r) {
        grid->SetCells(0, r, IntToStr(r));
        for (int c = 1; c < grid->AllColCount(); ++c)
            Write_Cell(Table, c, r,
                       c == 1 && Is_Check_Column(Table, 1) ? "Y"
                       : Is_Check_Column(Table, c)         ? "N"
                                                           : "");
    }
}

void TTableWindow::Write_Cell(int Table, int ACol, int ARow, const std::string& text) {
    TExStringGrid* grid = Table_Grid(Table);
    if (FDescription.Check_Box_Grid && Is_Check_Column(Table, ACol))
        grid->SetCheckBoxState(ACol, ARow, text != "N");
    else
        grid->SetCells(ACol, ARow, text);
}

std::string TTableWindow::Read_Cell(int Table, int ACol, int ARow) const {
    TExStringGrid* grid = Table_Grid(Table);
    bool ticked = false;
    if (FDescription.Check_Box_Grid && Is_Check_Column(Table, ACol))
        return grid->GetCheckBoxState(ACol, ARow, ticked) && ticked ? "Y" : "N";
    return grid->Cells(ACol, ARow);
}

void TTableWindow::FormShow(TObject*) {
    for (int t = 0; t < Table_Count(); ++t)
        Reset_Rows(t);
    Show_Table(0);
    Load_Incomplete = false;
    const std::string path = Table_File();
    if (FileExists(path)) {
        try {
            Load_Table_File(path);
        } catch (const std::exception& error) {
            // A file that cannot be read leaves the tables as new ones; the file itself is kept
            // until the user agrees to save over it.
            for (int t = 0; t < Table_Count(); ++t)
                Reset_Rows(t);
            Load_Incomplete = true;
            Report(error);
        }
    }
    for (TExStringGrid* grid : FGrids)
        grid->Invalidate();
    Copied.assign(FGrids.size(), false);
    if (FDescription.Focus_Grid_On_Show && Table_Grid()->CanFocus())
        Table_Grid()->SetFocus();
}

void TTableWindow::Load_Table_File(const std::string& path) {
    TXMLDocument xml;
    xml.LoadFromFile(path);
    for (const TTableGridDescription& table : FDescription.Tables)
        if (table.Section_Required && Table_File_Rows(xml, table.Section).IsNull())
            throw Exception(path + ": the section \"" + table.Section + "\" is missing");
    for (int t = 0; t < Table_Count(); ++t) {
        const TTableGridDescription& table = Table_Description(t);
        std::vector<std::string> attributes;
        std::vector<bool> multiLine;
        for (size_t c = 1; c < table.Columns.size(); ++c) {
            attributes.push_back(table.Columns[c].Attribute);
            multiLine.push_back(table.Columns[c].Multi_Line);
        }
        const size_t columnAttributes = attributes.size();
        attributes.insert(attributes.end(), table.Legacy_Attributes.begin(),
                          table.Legacy_Attributes.end());
        // One row more than the table holds tells that the file has rows the table cannot show.
        const auto dataRows = static_cast<size_t>(Table_Grid(t)->RowCount() - 1);
        std::vector<TTableFileRow> rows =
            Read_Table_File_Rows(xml, table.Section, attributes, dataRows + 1, multiLine);
        const bool beyondTable = rows.size() > dataRows;
        rows.resize(std::min(rows.size(), dataRows));
        for (size_t i = 0; i < rows.size(); ++i) {
            const int row = static_cast<int>(i) + 1;
            for (size_t k = 0; k < columnAttributes; ++k) {
                const int c = static_cast<int>(k) + 1;
                const TTableColumn& column = table.Columns[k + 1];
                if (rows[i][k])
                    Write_Cell(t, c, row, *rows[i][k]);
                else if (column.Has_Missing)
                    Write_Cell(t, c, row, column.Missing);
            }
            Row_Loaded(t, row, rows[i]);
        }
        if (beyondTable)
            Rows_Beyond_Table_Read(static_cast<int>(dataRows));
    }
}

void TTableWindow::Rows_Beyond_Table_Read(int Data_Rows) {
    Load_Incomplete = true;
    MessageDlg(Lang_Str(Rows_Beyond_Table) + IntToStr(Data_Rows) + Lang_Str(Rows_Beyond_Table_End),
               mtWarning, {mbOK});
}

void TTableWindow::Save_Table_File(const std::string& path) {
    TXMLDocument xml;
    for (int t = 0; t < Table_Count(); ++t) {
        const TTableGridDescription& table = Table_Description(t);
        TXmlNode rows = t == 0 ? Begin_Table_File(xml, FDescription.Root, table.Section)
                        : table.Section.empty() ? xml.DocumentElement()
                                                : xml.DocumentElement().AddChild(table.Section);
        const int last = Key_Rows(t);
        for (int r = 1; r <= last; ++r) {
            TXmlNode element = rows.AddChild("row");
            for (int c = 1; c < static_cast<int>(table.Columns.size()); ++c) {
                const TTableColumn& column = table.Columns[static_cast<size_t>(c)];
                if (!column.Attribute.empty())
                    element.SetAttribute(column.Attribute,
                                         Table_File_Text(Read_Cell(t, c, r), column.Multi_Line));
            }
        }
    }
    xml.SaveToFile(path);
}

int TTableWindow::Key_Rows(int Table) const {
    const TTableGridDescription& table = Table_Description(Table);
    const TExStringGrid* grid = Table_Grid(Table);
    int last = 0;
    auto blank = [&table](const std::string& key) {
        return table.Trim_Key ? Trim(key).empty() : key.empty();
    };
    while (last + 1 < grid->RowCount() && !blank(grid->Cells(table.Key_Col, last + 1)))
        ++last;
    return last;
}

void TTableWindow::Report(const std::exception& error) {
    Application->ShowException(error);
}

int TTableWindow::Cell_Value(int Table, int ACol, int ARow) const {
    return StrToIntDef(Table_Grid(Table)->Cells(ACol, ARow), -1);
}

bool TTableWindow::Is_Enabled(int Table, int ARow) const {
    return Is_Ticked_Text(Read_Cell(Table, 1, ARow));
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
    const int table = Active_Table();
    TExStringGrid* grid = Table_Grid(table);
    const int row = grid->Row();
    if (row < 1 || row >= grid->RowCount())
        return;
    if (MessageDlg(Lang_Str(FDescription.Delete_Question_Slot) + IntToStr(row), mtConfirmation,
                   mbYesNo) != mrYes)
        return;
    Delete_Row(table, row);
    Rows_Moved(table, row, grid->RowCount() - 1);
    grid->Invalidate();
}

void TTableWindow::Delete_Row(int Table, int ARow) {
    if (FDescription.Check_Box_Grid)
        Grid_Delete_Row_Check(ARow, Table_Grid(Table), true);
    else
        Grid_Delete_Row(ARow, Column_Grid(Table));
}

void TTableWindow::Btn_InsRowClick(TObject*) {
    const int table = Active_Table();
    TExStringGrid* grid = Table_Grid(table);
    const int row = grid->Row();
    const bool enableFirst = Is_Check_Column(table, 1);
    const bool inserted = FDescription.Check_Box_Grid
                              ? Grid_Insert_Row_Check(row, grid, enableFirst)
                              : Grid_Insert_Row(row, Column_Grid(table), enableFirst);
    if (inserted) {
        Rows_Moved(table, row, grid->RowCount() - 1);
        grid->Invalidate();
    }
}

void TTableWindow::Btn_CopyRowClick(TObject*) {
    const int table = Active_Table();
    TExStringGrid* grid = Table_Grid(table);
    if (FDescription.Check_Box_Grid)
        Grid_Copy_Row_Check(grid, grid->Row());
    else
        Grid_Copy_Row(Column_Grid(table), grid->Row());
    Copied.assign(FGrids.size(), false);
    Copied[static_cast<size_t>(table)] = true;
}

void TTableWindow::Btn_PasteRowClick(TObject*) {
    const int table = Active_Table();
    TExStringGrid* grid = Table_Grid(table);
    const int row = grid->Row();
    if (FDescription.Check_Box_Grid)
        Grid_Paste_Row_Check(grid, row, Do_Copy());
    else
        Grid_Paste_Row(Column_Grid(table), row, Do_Copy());
    Rows_Moved(table, row, row);
    grid->Invalidate();
}

void TTableWindow::GridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr) {
    HintStr.clear();
    const int table = Table_Of(Sender);
    if (table < 0)
        return;
    const TStringList& hints = Hint[static_cast<size_t>(table)];
    const int real = Table_Grid(table)->RealColIndex(ACol);
    if (ARow == 0 && ACol > 0 && real >= 1 && real <= hints.Count())
        HintStr = hints[real - 1];
}

void TTableWindow::ClickCell(TObject* Sender, int ARow, int ACol) {
    const int table = Table_Of(Sender);
    if (FDescription.Select_Row_On_Click && table >= 0 && ACol == 0 && ARow > 0)
        Table_Grid(table)->SelectRows(ARow, 1);
}

void TTableWindow::DblClickCell(TObject* Sender, int ARow, int ACol) {
    const int table = Table_Of(Sender);
    if (table >= 0)
        Grid_DblClick_AutoSize(Table_Grid(table), ARow, ACol);
}

void TTableWindow::KeyPress(TObject* Sender, TChar& Key) {
    const int table = Table_Of(Sender);
    if (table >= 0)
        Grid_Enter_Next(Table_Grid(table), Key);
}

void TTableWindow::Get_Editor_Type(int Table, int ACol, int ARow, TEditorType& AEditor) {
    if (Column_Grid(Table))
        return;
    TExStringGrid* grid = Table_Grid(Table);
    const auto& columns = Table_Description(Table).Columns;
    const int real = grid->RealColIndex(ACol);
    if (real <= 0 || real >= static_cast<int>(columns.size()))
        return;
    const TTableColumn& column = columns[static_cast<size_t>(real)];
    if (column.Kind != tcComboList && column.Kind != tcComboEdit)
        return;
    AEditor = column.Kind == tcComboList ? edComboList : edComboEdit;
    grid->ClearComboString();
    for (const std::string& choice : column.Items)
        grid->AddComboString(choice);
}
