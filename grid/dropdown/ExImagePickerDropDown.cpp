#include "grid/dropdown/ExImagePickerDropDown.h"

#include "grid/dropdown/DropDownForm.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/PictureImage.h"
#include "platform/ui/Screen.h"

#include <algorithm>
#include <cctype>

namespace {
constexpr int ImageSelectorHeight = 150;

// '*' any run, '?' any one character; letters match either case, as file patterns do.
bool MatchesPattern(std::string_view Name, std::string_view Pattern) {
    if (Pattern.empty())
        return Name.empty();
    if (Pattern[0] == '*')
        return MatchesPattern(Name, Pattern.substr(1)) ||
               (!Name.empty() && MatchesPattern(Name.substr(1), Pattern));
    if (Name.empty())
        return false;
    const bool same = Pattern[0] == '?' || std::tolower(static_cast<unsigned char>(Pattern[0])) ==
                                               std::tolower(static_cast<unsigned char>(Name[0]));
    return same && MatchesPattern(Name.substr(1), Pattern.substr(1));
}

} // namespace

TExImagePickerDropDown::TExImagePickerDropDown(TComponent* AOwner)
    : TExItemPickerDropDown(AOwner), FItems(std::make_unique<TImageItems>(this)) {
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetCursor(crArrow);
    CreateControls();
}

TExImagePickerDropDown::~TExImagePickerDropDown() = default;

void TExImagePickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    TExCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector)
        FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

// --- selection -----------------------------------------------------------------------------------

void TExImagePickerDropDown::SetItemIndex(int Value) {
    // Any negative index is no selection, kept as -1 so that stepping from it starts at the
    // first item; an index past the items is refused.
    Value = std::max(Value, -1);
    if (Value == FItemIndex || Value >= FItems->Count())
        return;
    FItemIndex = Value;
    Invalidate();
    FireEvent(OnChange, static_cast<TObject*>(this));
    FireEvent(OnSelect, static_cast<TObject*>(this));
}

int TExImagePickerDropDown::ImageIndex() const {
    if (FItemIndex < 0 || FItemIndex >= FItems->Count())
        return -1;
    return FItems->GetItem(FItemIndex)->ImageIndex();
}

void TExImagePickerDropDown::SetImageIndex(int Value) {
    int found = -1;
    for (int i = 0; i < FItems->Count() && found < 0; ++i)
        if (FItems->GetItem(i)->ImageIndex() == Value)
            found = i;
    SetItemIndex(found);
}

// --- filling -------------------------------------------------------------------------------------

std::vector<std::string> TExImagePickerDropDown::AddImagesFromFolder(const std::string& Pattern,
                                                                     bool SetImageCaption) {
    const std::string folder = ExtractFilePath(Pattern);
    const std::string mask = ExtractFileName(Pattern);
    std::vector<std::string> skipped;
    // Regular files only: no sub-folders and no entries for the folder or its parent.
    for (const std::string& name : ListFiles(folder.empty() ? "." : folder, "")) {
        if (!MatchesPattern(name, mask))
            continue;
        // Every picture format the program reads elsewhere: BMP, PNG, JPEG, GIF, ICO.
        TPictureImage decoded;
        try {
            decoded.Load(ReadFileBytes(JoinPath(folder, name)));
        } catch (const Exception&) {
        }
        TPicture picture;
        decoded.ToBitmap(picture.Bitmap());
        if (picture.Empty()) {
            skipped.push_back(name);
            continue;
        }
        TImageItem* item = FItems->Add();
        item->SetImage(&picture);
        if (SetImageCaption)
            item->SetCaption(name);
    }
    return skipped;
}

void TExImagePickerDropDown::AddImagesFromImageList() {
    if (!Images())
        return;
    for (int i = 0; i < Images()->Count(); ++i)
        FItems->Add()->SetImageIndex(i);
}

// --- the popup -----------------------------------------------------------------------------------

void TExImagePickerDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!DropDownForm())
        return;
    if (!FItemSelector) {
        FItemSelector = new TExCustomItemSelector(this);
        FItemSelector->SetParent(DropDownForm()->ClientArea());
        FItemSelector->SetSelectorType(stImage);
        FItemSelector->SetBounds(0, 0, FItemSelector->Width(), ImageSelectorHeight);
        // The open list has the keys, Tab among them, which leaves the picker from there.
        FItemSelector->SetTabStop(true);
        SetFocusControl(FItemSelector);
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

void TExImagePickerDropDown::SyncSelector() {
    if (!FItemSelector)
        return;
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(FColumns);
    FItemSelector->SetImages(Images());
    FItemSelector->SetItemLayout(FLayout);
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->SetItemAppearance(*FItemAppearance);
    FItemSelector->SetItems(*FItems);
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->SetItemIndex(FItemIndex);
    FItemSelector->OnItemSelect = [this](TObject*) {
        SetItemIndex(FItemSelector->ItemIndex());
        if (!FInternalCall)
            DoHideDropDown(false);
        else
            HighlightSelectedItem();
    };
    FItemSelector->SetShowHint(ShowHint());
}

void TExImagePickerDropDown::DoBeforeDropDown() {
    TExCustomDropDown::DoBeforeDropDown();
    SyncSelector();
    if (FItemSelector) {
        if (OnDrawItem)
            FItemSelector->OnDrawItem = [this](TObject*, TCanvas* Canvas, const TRect& R,
                                               int Index) { OnDrawItem(this, Canvas, R, Index); };
        else
            FItemSelector->OnDrawItem = nullptr;
    }
    FOldItemIndex = FItemIndex;
    HighlightSelectedItem();
}

// Enter takes the highlighted (hot) cell: it starts on the chosen image and moves with every
// step the picker makes, so that Enter takes the image the popup shows. Only the wheel and the
// mouse move it alone.
void TExImagePickerDropDown::HighlightSelectedItem() {
    if (FItemSelector && FItemSelector->SelectorPanel())
        FItemSelector->SelectorPanel()->SetItemHot(FItemSelector->ItemIndex());
}

void TExImagePickerDropDown::SizeDropDownForm() {
    if (!FItemSelector) {
        TExCustomDropDown::SizeDropDownForm();
        return;
    }
    FItemSelector->SetAlign(alNone);
    const TSize panel = FItemSelector->GetPanelSize();
    if (DropDownWidth() < 1)
        FItemSelector->SetWidth(panel.cx);
    if (DropDownHeight() < 1)
        FItemSelector->SetHeight(panel.cy);
    TExCustomDropDown::SizeDropDownForm();
    if (FItemSelector->VertScrollBar()->IsScrollBarVisible() && DropDownForm())
        DropDownForm()->SetWidth(DropDownForm()->Width() + GetSystemMetrics(SM_CXVSCROLL));
}

void TExImagePickerDropDown::DoHideDropDown(bool Cancelled) {
    const bool open = DropDownForm() && DropDownForm()->Visible();
    TExCustomDropDown::DoHideDropDown(Cancelled);
    if (open && Cancelled && FItemSelector)
        SetItemIndex(FOldItemIndex < FItems->Count() ? FOldItemIndex : -1);
}

// --- painting ------------------------------------------------------------------------------------

void TExImagePickerDropDown::PaintEditContent() {
    TExCustomDropDown::PaintEditContent();
    DrawSelectedImage(Canvas());
}

void TExImagePickerDropDown::DrawSelectedImage(TCanvas* Canvas) {
    if (!Canvas)
        return;
    const TRect r = GetEditRect();
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, r);
        return;
    }
    if (FItemIndex < 0 || FItemIndex >= FItems->Count())
        return;
    const TImageItem& item = *FItems->GetItem(FItemIndex);
    if (!item.Image()->Empty()) {
        Canvas->Draw(r.Left + (r.Width() - item.Image()->Width()) / 2,
                     r.Top + (r.Height() - item.Image()->Height()) / 2, item.Image()->Bitmap());
    } else if (Images() && item.ImageIndex() >= 0) {
        Images()->Draw(Canvas, r.Left + (r.Width() - Images()->Width()) / 2,
                       r.Top + (r.Height() - Images()->Height()) / 2, item.ImageIndex());
    }
}
