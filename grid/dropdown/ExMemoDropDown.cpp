#include "grid/dropdown/ExMemoDropDown.h"

#include "grid/dropdown/DropDownForm.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Memo.h"

namespace {
constexpr int MemoHeight = 100;
const std::string MoreLines = "...";

bool ReachesEdit(WORD Key, TShiftState Shift) {
    return Shift.Contains(ssAlt) || Key == VK_ESCAPE || Key == VK_F4;
}
} // namespace

TExMemoDropDown::TExMemoDropDown(TComponent* AOwner) : TExCustomDropDown(AOwner) {
    CreateControls();
}

TExMemoDropDown::~TExMemoDropDown() = default;

void TExMemoDropDown::SetMemoText(const TStringList& Value) {
    FMemoText = Value;
    UpdateEditText();
    if (FMemo)
        WriteMemoLines();
}

void TExMemoDropDown::SetMemoLines(const std::string& Text) {
    TStringList lines;
    lines.SetText(Text);
    SetMemoText(lines);
}

void TExMemoDropDown::SetMemoReadOnly(bool Value) {
    FMemoReadOnly = Value;
    if (DroppedDown() && FMemo)
        FMemo->SetReadOnly(Value);
}

void TExMemoDropDown::UpdateEditText() {
    std::string shown;
    if (FMemoText.Count() == 0 || EditorEnabled()) {
        shown = FMemoText.Text();
    } else {
        shown = FMemoText[0];
        TCanvas canvas;
        canvas.Font()->Assign(*Font());
        const int available = GetEditRect().Width();
        if (MeasureTextExtent(&canvas, shown).X < available) {
            if (FMemoText.Count() > 1)
                shown += MoreLines;
        } else {
            shown = ShortenText(&canvas, shown, available, true);
        }
    }
    // Also called while a caller holds the flag up: leave it as it was.
    const bool internal = FInternalUpdate;
    FInternalUpdate = true;
    SetTextDirect(shown);
    FInternalUpdate = internal;
}

void TExMemoDropDown::Change() {
    if (!FInternalUpdate)
        FMemoText.SetText(Text());
    TExCustomDropDown::Change();
}

// --- the popup -----------------------------------------------------------------------------------

void TExMemoDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!DropDownForm())
        return;
    if (!FMemo) {
        FMemo = new TMemo(this);
        FMemo->SetParent(DropDownForm()->ClientArea());
        FMemo->SetHeight(MemoHeight);
        FMemo->SetBorderStyle(bsNone);
        FMemo->OnChange = [this](TObject*) { MemoChanged(); };
    }
    SetControl(FMemo);
}

void TExMemoDropDown::WriteMemoLines() {
    const bool writing = FWritingMemo;
    FWritingMemo = true;
    FMemo->Lines()->Assign(FMemoText);
    FWritingMemo = writing;
}

void TExMemoDropDown::MemoChanged() {
    FireEvent(OnMemoChange, static_cast<TObject*>(this));
}

void TExMemoDropDown::TakeMemoText() {
    if (!FMemo)
        return;
    FMemoText.SetText(FMemo->Text());
    UpdateEditText();
}

void TExMemoDropDown::DoBeforeDropDown() {
    TExCustomDropDown::DoBeforeDropDown();
    if (DropDownForm())
        DropDownForm()->SetCancelOnDeActivate(false);
    if (!FMemo)
        return;
    WriteMemoLines();
    FMemo->SetPopupMenu(FMemoPopup);
    FMemo->SetMaxLength(MaxLength());
    FMemo->SetScrollBars(FMemoScrollBars);
    FMemo->SetReadOnly(FMemoReadOnly);
}

void TExMemoDropDown::DoHideDropDown(bool Cancelled) {
    const bool open = DropDownForm() && DropDownForm()->Visible();
    // The edit takes the focus back on closing; that must not open the popup again.
    const bool autoDrop = FAutoDrop;
    FAutoDrop = false;
    if (Cancelled && FMemo)
        WriteMemoLines();
    // A cancel writes back the edit's text of the opening; that text is a shortened view of the
    // lines (first line, "..."), so it must not become the value.
    const bool internal = FInternalUpdate;
    FInternalUpdate = FInternalUpdate || Cancelled;
    TExCustomDropDown::DoHideDropDown(Cancelled);
    FInternalUpdate = internal;
    if (open && Cancelled)
        UpdateEditText();
    FAutoDrop = autoDrop;
}

void TExMemoDropDown::DropDownFormHide() {
    TExCustomDropDown::DropDownFormHide();
    if (!FMemo)
        return;
    TakeMemoText();
    SetSelStart(0);
    SetSelLength(0);
}

void TExMemoDropDown::ControlKeyDown(WORD& Key, TShiftState Shift) {
    if (ReachesEdit(Key, Shift))
        TExCustomDropDown::ControlKeyDown(Key, Shift);
    if (Key == 'A' && Shift.Contains(ssCtrl) && FMemo)
        FMemo->SelectAll();
}

void TExMemoDropDown::ControlKeyUp(WORD& Key, TShiftState Shift) {
    if (ReachesEdit(Key, Shift))
        TExCustomDropDown::ControlKeyUp(Key, Shift);
}

void TExMemoDropDown::ControlKeyPress(TChar& Key) {
    if (CurrentShiftState().Contains(ssAlt) || Key == VK_ESCAPE)
        TExCustomDropDown::ControlKeyPress(Key);
}

void TExMemoDropDown::DoEnter() {
    TExCustomDropDown::DoEnter();
    if (FAutoDrop)
        DoDropDown();
}
