#include "grid/dropdown/ExDetailDropDown.h"

#include "grid/dropdown/DropDownForm.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Screen.h"

namespace {
constexpr int DetailSelectorHeight = 150;
constexpr int DetailPopupHeight = 100;
} // namespace

void TDetailItem::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TDetailItem*>(Source);
    if (!source)
        return;
    TSelectorItem::Assign(source);
    FNotes = source->FNotes;
    FTag = source->FTag;
    FItemObject = source->FItemObject;
}

int TDetailItems::IndexOf(const std::string& Value) const {
    for (int i = 0; i < Count(); ++i)
        if (GetItem(i)->Caption() == Value)
            return i;
    return -1;
}

// --- construction --------------------------------------------------------------------------------

TExDetailDropDown::TExDetailDropDown(TComponent* AOwner)
    : TExItemPickerDropDown(AOwner), FItems(std::make_unique<TDetailItems>(this)), FCaptionFont(std::make_unique<TFont>()),
      FNotesFont(std::make_unique<TFont>()) {
    FCaptionFont->Assign(*Font());
    FNotesFont->Assign(*Font());
    SetEditorEnabled(true);
    SetDropDownEnabled(true);
    CreateControls();
}

TExDetailDropDown::~TExDetailDropDown() = default;

void TExDetailDropDown::SetCaptionFont(const TFont& Value) {
    FCaptionFont->Assign(Value);
}

void TExDetailDropDown::SetNotesFont(const TFont& Value) {
    FNotesFont->Assign(Value);
}

void TExDetailDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    TExCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector)
        FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

// --- selection -----------------------------------------------------------------------------------

void TExDetailDropDown::ShowCaption(int Index) {
    SetText(FItems->GetItem(Index)->Caption());
    SelectAll();
}

void TExDetailDropDown::SetItemIndex(int Value) {
    if (Value == FItemIndex || Value < -1 || Value >= FItems->Count())
        return;
    if (Value == -1) {
        SetText("");
        FItemIndex = -1;
        return;
    }
    FItemIndex = Value;
    ShowCaption(Value);
    Invalidate();
    if (FItemSelector)
        FItemSelector->Invalidate();
    FireEvent(OnSelect, static_cast<TObject*>(this));
}

// --- the popup -----------------------------------------------------------------------------------

void TExDetailDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!DropDownForm())
        return;
    if (!FItemSelector) {
        FItemSelector = new TExCustomItemSelector(this);
        FItemSelector->SetParent(DropDownForm()->ClientArea());
        FItemSelector->SetSelectorType(stImage);
        FItemSelector->SetBounds(0, 0, FItemSelector->Width(), DetailSelectorHeight);
        FItemSelector->SetDoubleBuffered(true);
        FItemSelector->OnDrawItem = [this](TObject*, TCanvas* Canvas, const TRect& R, int Index) {
            DrawDetailItem(Canvas, R, Index);
        };
        FItemSelector->OnItemSize = [this](TObject*, TSize& Size) { DetailItemSize(Size); };
        FItemSelector->UpdateSelectorPanel();
        FItemSelector->OnResize = [this](TObject*) { FItemSelector->UpdateSelectorPanel(); };
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

void TExDetailDropDown::SyncSelector() {
    if (!FItemSelector)
        return;
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(1);
    FItemSelector->SetImages(Images());
    FItemSelector->SetItemLayout(FLayout);
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->SetItemAppearance(*FItemAppearance);
    FillSelectorItems();
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->SetItemIndex(FItemIndex);
    FItemSelector->OnItemSelect = [this](TObject*) { SelectorItemSelect(); };
}

void TExDetailDropDown::FillSelectorItems() {
    TSelectorItems& items = *FItemSelector->Items();
    items.Clear();
    for (int i = 0; i < FItems->Count(); ++i) {
        const TDetailItem& detail = *FItems->GetItem(i);
        TSelectorItem* item = items.Add();
        item->SetCaption(detail.Caption());
        item->SetImage(detail.Image());
        item->SetImageIndex(detail.ImageIndex());
    }
}

void TExDetailDropDown::SelectorItemSelect() {
    const int index = FItemSelector->ItemIndex();
    if (index < 0 || index >= FItems->Count())
        return;
    SetItemIndex(index);
    ShowCaption(index);
    if (!FInternalCall)
        DoHideDropDown(false);
}

void TExDetailDropDown::DoBeforeDropDown() {
    TExCustomDropDown::DoBeforeDropDown();
    SyncSelector();
    FOldItemIndex = FItemIndex;
}

void TExDetailDropDown::DoDropDown() {
    TExCustomDropDown::DoDropDown();
    if (FItemSelector && DroppedDown() && FItemSelector->CanFocus())
        FItemSelector->SetFocus();
}

void TExDetailDropDown::SizeDropDownForm() {
    if (FItemSelector) {
        FItemSelector->SetAlign(alNone);
        if (DropDownWidth() <= 0)
            FItemSelector->SetWidth(Width());
        if (DropDownHeight() <= 0)
            FItemSelector->SetHeight(DetailPopupHeight);
    }
    TExCustomDropDown::SizeDropDownForm();
    // The cells take the width of the popup, which is known only now.
    if (FItemSelector)
        FItemSelector->UpdateSelectorPanel();
}

void TExDetailDropDown::DoHideDropDown(bool Cancelled) {
    const bool open = DropDownForm() && DropDownForm()->Visible();
    TExCustomDropDown::DoHideDropDown(Cancelled);
    if (!open || !Cancelled || !FItemSelector)
        return;
    // The base brought the edit's text of the opening back; the index follows it, also to none.
    if (FOldItemIndex >= 0 && FOldItemIndex < FItems->Count())
        SetItemIndex(FOldItemIndex);
    else
        FItemIndex = -1;
}

void TExDetailDropDown::DropDownFormSizing() {
    TExCustomDropDown::DropDownFormSizing();
    if (FItemSelector)
        FItemSelector->UpdateSelectorPanel();
}

void TExDetailDropDown::DetailItemSize(TSize& Size) const {
    int width = DropDownWidth() > 0 ? DropDownWidth()
                                    : (DropDownForm() ? DropDownForm()->Width() : Width());
    if (FItemSelector && FItemSelector->VertScrollBar()->IsScrollBarVisible())
        width -= GetSystemMetrics(SM_CXVSCROLL);
    width -= 2 * GetSystemMetrics(SM_CXBORDER) + 4;
    Size = {std::max(width, 0), std::max(FItemHeight, 0)};
}

void TExDetailDropDown::DrawDetailItem(TCanvas* Canvas, TRect R, int Index) {
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, R);
        return;
    }
    if (Index < 0 || Index >= FItems->Count() || !Canvas)
        return;
    const TDetailItem& item = *FItems->GetItem(Index);
    const auto graphicLeft = [&](int GraphicWidth) {
        return item.Caption().empty() ? R.Left + (R.Width() - GraphicWidth) / 2 : R.Left + 2;
    };
    if (!item.Image()->Empty()) {
        const int w = item.Image()->Width();
        Canvas->Draw(graphicLeft(w), R.Top + (R.Height() - item.Image()->Height()) / 2,
                     item.Image()->Bitmap());
        R.Left += w + 4;
    } else if (Images() && item.ImageIndex() >= 0) {
        const int w = Images()->Width();
        Images()->Draw(Canvas, graphicLeft(w), R.Top + (R.Height() - Images()->Height()) / 2,
                       item.ImageIndex());
        R.Left += w + 4;
    }
    const auto textColour = [&](TFont* Font) {
        if (FItemSelector && Index == FItemSelector->ItemHot())
            Font->SetColor(FItemAppearance->ColorHotText);
        if (Index == FItemIndex)
            Font->SetColor(FItemAppearance->ColorSelectedText);
    };
    Canvas->Font()->Assign(*FCaptionFont);
    textColour(Canvas->Font());
    Canvas->Brush()->SetStyle(bsClear);
    R.Left += 4;
    R.Top += 2;
    R.Right -= 4;
    TRect caption = R;
    Canvas->DrawText(item.Caption(), caption, DT_LEFT | DT_TOP | DT_END_ELLIPSIS | DT_NOPREFIX);
    if (item.Notes().empty())
        return;
    R.Top += Canvas->TextHeight("gh");
    Canvas->Font()->Assign(*FNotesFont);
    textColour(Canvas->Font());
    RenderHTMLText(Canvas, item.Notes(), R, Images(), nullptr, true, this);
}
