#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

class TFParGen;
class TCategoryPanel;
class TControl;
class TWinControl;
class TLabel;
class TEdit;
class TRichEdit;
class TComboBox;
class TCheckBox;

// The row rule of the general parameters window's panels: row n's label at 12 + 28 (n - 1), its
// input 3 pixels higher; the octets of a row headed by a check box 2 pixels higher.
namespace ParGen_Geometry {
inline constexpr int Label_Left = 14;
inline constexpr int Input_Left = 191;
inline constexpr int Input_Width = 238;
inline constexpr int Octet_Width = 55;
inline constexpr int Octet_Lefts[] = {191, 252, 313, 374};
inline constexpr int Dot_Lefts[] = {247, 308, 369};
inline constexpr int Row_Pitch = 28;
inline constexpr int Label_Top(int row) {
    return 12 + Row_Pitch * (row - 1);
}
inline constexpr int Input_Top(int row) {
    return Label_Top(row) - 3;
}
inline constexpr int Checked_Row_Input_Top(int row) {
    return Label_Top(row) - 2;
}
} // namespace ParGen_Geometry

// Builds one category panel of the general parameters window row by row. Each row is headed by
// a label or a check box; the row's inputs stand beside it and move and hide with it. The
// builder also notes, in row order, which caption, hint or list takes the next language text of
// the panel's block, so that Set_Lang follows the layout without a table of its own.
class TParGenPanelBuilder {
public:
    TParGenPanelBuilder(TFParGen& form, TCategoryPanel*& panel, int firstText);

    // A new row headed by a label (its caption from the language) ...
    TLabel* Label(const std::string& caption);
    // ... or by a check box (caption and hint from the language).
    TCheckBox* Check(const std::string& caption);

    // Inputs beside the current row's head; each takes its hint from the language.
    TEdit* Edit(int maxLength = 0, const std::string& text = "");
    TRichEdit* Rich_Edit();
    TComboBox* Combo(std::span<const std::string_view> items, int selected = 0);
    TComboBox* Combo(std::initializer_list<std::string_view> items, int selected = 0) {
        return Combo(std::span(items.begin(), items.size()), selected);
    }
    // A list that Set_Lang refills from the texts after its hint, then selects the first item.
    TComboBox* Translated_Combo(std::initializer_list<std::string_view> items);
    void Octets(TEdit*& first, TEdit*& second, TEdit*& third, TEdit*& fourth);
    // A check box beside the head that keeps its designed caption and takes only a hint.
    TCheckBox* Side_Check(const std::string& caption, int left);

private:
    void Start_Row(TControl* head);
    void Add_To_Row(TControl* control);
    void Hint_Of(TControl* control);
    // A check box that heads a row spans the panel until an input comes beside it.
    void Make_Room_Beside_Head();

    TFParGen& FForm;
    TWinControl* FSurface;
    size_t FTexts;
    int FRow = 0;
    TControl* FHead = nullptr;
    bool FHeadIsCheck = false;
};
