#pragma once

#include "app/controls/GlyphButton.h"
#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "app/tables/TableWindow.h"
#include "grid/stringgrid/ExCGrid.h"
#include "platform/core/Text.h"
#include "platform/ui/Application.h"
#include "platform/ui/PageControl.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// One protocol table window created as the program creates it, its table file (the path
// `File_Path` of the configuration, named `File_Name`) in a temporary folder, the user played
// through the test seam.
template <class TWindow, std::string TAppState::*File_Path>
class ProtocolWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Seam().Reset();
        AppState() = TAppState();
        AppState().*File_Path = File();
        Window = std::make_unique<TWindow>(nullptr);
        Window->DoCreate();
    }
    void TearDown() override {
        Window.reset();
        Seam().Reset();
        AppState() = TAppState();
    }

    static TTestSeam& Seam() { return Application->TestSeam(); }
    TExStringGrid* Grid() const { return Window->Table_Grid(); }

    std::string File() const { return Temp.Path() + "/" + File_Name(); }
    virtual std::string File_Name() const = 0;

    void Write(const std::string& text) { std::ofstream(File(), std::ios::binary) << text; }
    static std::string Read_Path(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string Read() const { return Read_Path(File()); }
    static std::string Golden(const std::string& name) {
        return Read_Path(std::string(VELMARO_FIXTURES) + "/protocols/" + name);
    }

    // Shows the window; `while_shown` plays the user.
    TModalResult Show(const std::function<void()>& while_shown) {
        Seam().OnModalShow = [&](TForm*) { while_shown(); };
        const TModalResult result = Window->ShowModal();
        Seam().OnModalShow = nullptr;
        return result;
    }

    // Row r's cells from column 1, joined with "|".
    std::string Row(int r) const {
        std::string text;
        for (int c = 1; c < Grid()->AllColCount(); ++c)
            text += (c > 1 ? "|" : "") + Grid()->Cells(c, r);
        return text;
    }
    // Fills row r from column 1 with the "|"-separated texts (missing ones empty).
    void Set_Row(int r, const std::string& cells) {
        std::vector<std::string> parts{""};
        for (char ch : cells) {
            if (ch == '|')
                parts.emplace_back();
            else
                parts.back().push_back(ch);
        }
        for (int c = 1; c < Grid()->AllColCount(); ++c)
            Grid()->SetCells(c, r, c - 1 < static_cast<int>(parts.size()) ? parts[c - 1] : "");
    }
    // The same on table `table` of a window that shows one of several tables at a time.
    void Set_Table_Row(int table, int r, const std::string& cells) {
        Window->Show_Table(table);
        Set_Row(r, cells);
    }
    std::string Table_Row(int table, int r) {
        Window->Show_Table(table);
        return Row(r);
    }

    std::vector<std::string> Shown_Messages() const {
        std::vector<std::string> texts;
        for (const auto& message : Seam().Messages())
            texts.push_back(message.Text);
        return texts;
    }

    // After the validation: the one error it showed, or "" when it passed without a word.
    std::string Validation_Error() {
        const size_t before = Seam().Messages().size();
        const bool passed = Window->Controllo_dati();
        const auto& messages = Seam().Messages();
        if (passed)
            return messages.size() == before ? "" : "passed after a message";
        return messages.size() == before + 1 ? messages.back().Text : "failed without one message";
    }

    // Every caption, header and hint after Set_Lang holds a visible text, in every table; a
    // window without column hints has an empty one for each data column.
    void Expect_All_Texts_Set(bool With_Column_Hints = true) {
        EXPECT_FALSE(Trim(Window->Caption()).empty());
        for (int t = 0; t < Window->Table_Count(); ++t) {
            TExStringGrid* grid = Window->Table_Grid(t);
            for (int c = 0; c < grid->AllColCount(); ++c)
                EXPECT_FALSE(Trim(grid->Cells(c, 0)).empty())
                    << "header of table " << t << " column " << c;
            const TStringList& hints = Window->Hint[static_cast<size_t>(t)];
            ASSERT_EQ(hints.Count(), grid->AllColCount() - 1);
            for (int i = 0; i < hints.Count(); ++i)
                EXPECT_EQ(Trim(hints[i]).empty(), !With_Column_Hints)
                    << "hint of table " << t << " column " << i + 1;
            if (TTabSheet* page = Window->Table_Page(t)) {
                EXPECT_FALSE(Trim(page->Text()).empty()) << "page of table " << t;
            }
        }
        for (TGlyphButton* button :
             {Window->Btn_OK, Window->Btn_Cancel, Window->Btn_DelRow, Window->Btn_InsRow,
              Window->Btn_CopyRow, Window->Btn_PasteRow}) {
            EXPECT_FALSE(Trim(button->Caption()).empty());
            EXPECT_FALSE(Trim(button->Hint()).empty());
        }
    }

    // The tables are there to be edited: every data column through the editor of its kind.
    void Expect_Editable_Through_Column_Editors() {
        for (int t = 0; t < Window->Table_Count(); ++t) {
            EXPECT_TRUE(Window->Table_Grid(t)->Options().Contains(goEditing)) << "table " << t;
            const auto& columns = Window->Description().Tables[static_cast<size_t>(t)].Columns;
            for (size_t c = 1; c < columns.size(); ++c) {
                const TEditorType expected = columns[c].Kind == tcCheckBox    ? edDataCheckBox
                                             : columns[c].Kind == tcComboList ? edComboList
                                             : columns[c].Kind == tcComboEdit ? edComboEdit
                                                                              : edNormal;
                TGridColumnItem* item =
                    Window->Column_Grid(t)->Columns()->Items(static_cast<int>(c));
                EXPECT_EQ(item->Editor(), expected) << "table " << t << " column " << c;
                EXPECT_EQ(item->ComboItems()->Count(), static_cast<int>(columns[c].Items.size()));
            }
        }
    }

    TTempFolder Temp;
    std::unique_ptr<TWindow> Window;
};
