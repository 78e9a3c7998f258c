#include "app/windows/UParGenPanelBuilder.h"

#include "app/controls/WindowLook.h"
#include "app/core/ULanguage.h"
#include "app/windows/UParGen.h"
#include "platform/ui/CategoryPanelGroup.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/RichEdit.h"

#include <cassert>

using namespace ParGen_Geometry;

namespace {

constexpr int Check_Beside_Input_Width = 170;
constexpr int Full_Row_Width = Input_Left + Input_Width - Label_Left;

} // namespace

TParGenPanelBuilder::TParGenPanelBuilder(TFParGen& form, TCategoryPanel*& panel, int firstText)
    : FForm(form) {
    panel = form.Make_Panel();
    FSurface = panel->Surface();
    FTexts = form.Variant_Panel_Texts.size();
    form.Variant_Panel_Texts.push_back({firstText, {}});
}

void TParGenPanelBuilder::Start_Row(TControl* head) {
    FHead = head;
    FForm.Rows[head].push_back(head);
}

void TParGenPanelBuilder::Add_To_Row(TControl* control) {
    assert(FHead && "an input needs a row");
    FForm.Rows[FHead].push_back(control);
}

void TParGenPanelBuilder::Hint_Of(TControl* control) {
    FForm.Variant_Panel_Texts[FTexts].Targets.push_back({TFParGen::TText_Target::Hint, control});
}

void TParGenPanelBuilder::Make_Room_Beside_Head() {
    if (FHeadIsCheck)
        FHead->SetWidth(Check_Beside_Input_Width);
}

TLabel* TParGenPanelBuilder::Label(const std::string& caption) {
    ++FRow;
    TLabel* label = Make_Label(&FForm, FSurface, Label_Left, Label_Top(FRow), caption);
    FHeadIsCheck = false;
    Start_Row(label);
    FForm.Variant_Panel_Texts[FTexts].Targets.push_back({TFParGen::TText_Target::Caption, label});
    return label;
}

TCheckBox* TParGenPanelBuilder::Check(const std::string& caption) {
    ++FRow;
    TCheckBox* box = FForm.Make_Row_Check(FSurface, FRow);
    box->SetWidth(Full_Row_Width);
    box->SetCaption(caption);
    FHeadIsCheck = true;
    Start_Row(box);
    FForm.Variant_Panel_Texts[FTexts].Targets.push_back({TFParGen::TText_Target::Caption, box});
    Hint_Of(box);
    return box;
}

TEdit* TParGenPanelBuilder::Edit(int maxLength, const std::string& text) {
    Make_Room_Beside_Head();
    TEdit* edit = FForm.Make_Edit(FSurface, Input_Top(FRow), Input_Left, Input_Width);
    if (maxLength > 0)
        edit->SetMaxLength(maxLength);
    edit->SetText(text);
    Add_To_Row(edit);
    Hint_Of(edit);
    return edit;
}

TRichEdit* TParGenPanelBuilder::Rich_Edit() {
    auto* edit = new TRichEdit(&FForm);
    edit->SetParent(FSurface);
    edit->SetBounds(Input_Left, Input_Top(FRow), Input_Width, 21);
    edit->SetShowHint(true);
    edit->OnChange = [form = &FForm](TObject* sender) { form->On_Change(sender); };
    Add_To_Row(edit);
    Hint_Of(edit);
    return edit;
}

TComboBox* TParGenPanelBuilder::Combo(std::span<const std::string_view> items, int selected) {
    Make_Room_Beside_Head();
    TComboBox* combo = FForm.Make_Combo(FSurface, FRow);
    for (std::string_view item : items)
        combo->Items()->Add(item);
    combo->SetItemIndex(selected);
    Add_To_Row(combo);
    Hint_Of(combo);
    return combo;
}

TComboBox* TParGenPanelBuilder::Translated_Combo(std::initializer_list<std::string_view> items) {
    TComboBox* combo = Combo(items);
    FForm.Variant_Panel_Texts[FTexts].Targets.push_back(
        {TFParGen::TText_Target::Items, combo, static_cast<int>(items.size())});
    return combo;
}

void TParGenPanelBuilder::Octets(TEdit*& first, TEdit*& second, TEdit*& third, TEdit*& fourth) {
    Make_Room_Beside_Head();
    const int top = FHeadIsCheck ? Checked_Row_Input_Top(FRow) : Input_Top(FRow);
    TLabel* dots[3] = {};
    FForm.Make_Octet_Row(FSurface, top, &first, &second, &third, &fourth, dots);
    for (TControl* control : {static_cast<TControl*>(first), static_cast<TControl*>(second),
                              static_cast<TControl*>(third), static_cast<TControl*>(fourth)}) {
        Add_To_Row(control);
        Hint_Of(control);
    }
    for (TLabel* dot : dots)
        Add_To_Row(dot);
}

TCheckBox* TParGenPanelBuilder::Side_Check(const std::string& caption, int left) {
    TCheckBox* box = FForm.Make_Row_Check(FSurface, FRow);
    box->SetBounds(left, Label_Top(FRow), 45, 17);
    box->SetCaption(caption);
    Add_To_Row(box);
    Hint_Of(box);
    return box;
}

// --- the window's side: rows and texts -------------------------------------------------------

void TFParGen::Show_Row(TControl* head, bool visible) {
    for (TControl* control : Rows.at(head))
        control->SetVisible(visible);
}

void TFParGen::Move_Row(TControl* head, int top) {
    const int shift = top - head->Top();
    for (TControl* control : Rows.at(head))
        control->SetTop(control->Top() + shift);
}

void TFParGen::Set_Lang_Variant_Panels() {
    for (const TPanel_Texts& panel : Variant_Panel_Texts) {
        int text = panel.First_Text;
        for (const TText_Target& target : panel.Targets) {
            switch (target.Kind) {
            case TText_Target::Caption:
                target.Control->SetCaption(Lang_Str(text++));
                break;
            case TText_Target::Hint:
                target.Control->SetHint(Lang_Str(text++));
                break;
            case TText_Target::Items: {
                auto* combo = static_cast<TComboBox*>(target.Control);
                combo->Items()->Clear();
                for (int i = 0; i < target.Count; ++i)
                    combo->Items()->Add(Lang_Str(text++));
                combo->SetItemIndex(0);
                break;
            }
            }
        }
    }
}
