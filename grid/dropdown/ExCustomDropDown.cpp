#include "grid/dropdown/ExCustomDropDown.h"

#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExDropDownSpeedButton.h"
#include "grid/stringgrid/ExButtonAppearance.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Label.h"
#include "platform/ui/OwnedPopup.h"

#include <algorithm>

TExCustomDropDown::TExCustomDropDown(TComponent* AOwner)
    : TCustomMaskEdit(AOwner), FDropDownHeader(std::make_unique<THeaderAppearance>(this)),
      FButtonAppearance(std::make_unique<TExButtonAppearance>()),
      FDropDownFooter(std::make_unique<TFooterAppearance>(this)),
      FLabelFont(std::make_unique<TFont>()) {
    FLabelFont->OnChange = [this](TObject*) { UpdateLabelPosition(); };
    SetBounds(Left(), Top(), 200, 21);
    SetControlStyle(ControlStyle() >> csSetCaption);
    SetReadOnly(false);
    // A change of a bar's look shows at once in an open popup; otherwise at the next opening.
    auto barChanged = [this](TObject*) {
        if (FDropDownForm && FDroppedDown)
            FDropDownForm->InitializeAndUpdate();
    };
    FDropDownHeader->OnChange = barChanged;
    FDropDownHeader->OnButtonsChanged = barChanged;
    FDropDownFooter->OnChange = barChanged;
    FDropDownFooter->OnButtonsChanged = barChanged;
    CreateControls();
    SetSelectionColorStyle(scOffice2007);
    SetComponentStyle(tsOffice2007Luna);
    SetText("");
    FOldText.clear();
}

TExCustomDropDown::~TExCustomDropDown() {
    FDestroying = true;
    // Freed here, while their handlers may still reach this edit.
    if (FDropDownForm) {
        WatchOwnedPopup(FDropDownForm, nullptr);
        FDropDownForm->SetExDropDown(nullptr);
        delete FDropDownForm;
    }
    delete FButton;
}

void TExCustomDropDown::CreateControls() {
    CreateDropDownForm();
    CreateDropDownButton();
}

void TExCustomDropDown::CreateDropDownButton() {
    if (FButton)
        return;
    FButton = new TDropDownEditButton(this);
    FButton->SetParent(this);
    FButton->OnClick = [this](TObject*) { DropDownButtonClick(); };
    SizeDropDownButton();
}

void TExCustomDropDown::SizeDropDownButton() {
    FButton->SetButtonWidth(FButtonWidth);
    FButton->SetHeight(17);
    FButton->SetVisible(true);
    FButton->SetFocusControl(this);
    PlaceDropDownButton();
}

int TExCustomDropDown::GetMinHeight() const {
    TCanvas canvas;
    canvas.Font()->Assign(*Font());
    const int fontHeight = canvas.TextHeight("0");
    canvas.Font()->Assign(TFont());
    const int systemHeight = canvas.TextHeight("0");
    return fontHeight + std::min(fontHeight, systemHeight) / 4;
}

void TExCustomDropDown::PlaceDropDownButton() {
    if (Height() < GetMinHeight()) {
        // The resize places the button again.
        SetHeight(GetMinHeight());
        Invalidate();
        return;
    }
    if (FButton) {
        if (BorderStyle() == bsSingle) {
            const int inset = FFlat ? 3 : 4;
            FButton->SetBounds(Width() - FButtonWidth - inset, FFlat ? 2 : 0, FButtonWidth,
                               Height() - inset);
        } else {
            FButton->SetBounds(Width() - FButtonWidth - 2, 1, FButtonWidth, Height() - 2);
        }
    }
    SetEditRect();
    Invalidate();
}

void TExCustomDropDown::SetEditRect() {
    // The text keeps clear of the button.
    const TRect r = BorderStyle() == bsSingle
                        ? Rect(1, 1, ClientWidth() - FButtonWidth - 3, ClientHeight() + 1)
                        : Rect(2, 3, ClientWidth() - FButtonWidth - 3, ClientHeight() + 1);
    FEditRect = r;
    TEdit::SetEditRect(Rect(0, 0, r.Right, ClientHeight()));
}

void TExCustomDropDown::Resize() {
    TCustomMaskEdit::Resize();
    PlaceDropDownButton();
}

void TExCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FLabel && FLabel->Parent())
        UpdateLabelPosition();
}

void TExCustomDropDown::SetEnabled(bool Value) {
    TCustomMaskEdit::SetEnabled(Value);
    if (FButton)
        FButton->SetEnabled(Value);
}

void TExCustomDropDown::Notification(TComponent* component, bool removing) {
    TCustomMaskEdit::Notification(component, removing);
    if (!removing || FDestroying)
        return;
    if (component == FImages) {
        FImages = nullptr;
        Invalidate();
    }
    if (component == FControl)
        SetControl(nullptr);
    if (component == FFocusControl)
        FFocusControl = nullptr;
    if (component == FButton)
        FButton = nullptr;
    if (component == FDropDownForm)
        FDropDownForm = nullptr;
    if (component == FLabel)
        FLabel = nullptr;
}

void TExCustomDropDown::SetBorderColor(TColor Value) {
    if (Value == FBorderColor)
        return;
    FBorderColor = Value;
    Invalidate();
    if (FButton)
        FButton->Invalidate();
}

void TExCustomDropDown::SetDisabledBorder(bool Value) {
    if (Value == FDisabledBorder)
        return;
    FDisabledBorder = Value;
    Invalidate();
}

void TExCustomDropDown::SetButtonAppearance(const TExButtonAppearance* Value) {
    FButtonAppearance->Assign(Value);
}

void TExCustomDropDown::SetDropDownHeader(const THeaderAppearance* Value) {
    FDropDownHeader->Assign(Value);
}

void TExCustomDropDown::SetDropDownFooter(const TFooterAppearance* Value) {
    FDropDownFooter->Assign(Value);
}

TBitmap* TExCustomDropDown::DropDownButtonGlyph() const {
    return FButton ? FButton->Glyph() : nullptr;
}

void TExCustomDropDown::SetDropDownButtonGlyph(const TBitmap* Value) {
    if (FButton)
        FButton->SetGlyph(Value);
}

void TExCustomDropDown::SetDropDownButtonHint(const std::string& Value) {
    if (Value == FButtonHint)
        return;
    FButtonHint = Value;
    if (FButton) {
        FButton->SetHint(Value);
        FButton->SetShowHint(!Value.empty());
    }
}

void TExCustomDropDown::SetDropDownButtonWidth(int Value) {
    if (!FButton || Value == FButtonWidth)
        return;
    FButtonWidth = Value;
    FButton->SetButtonWidth(Value);
    PlaceDropDownButton();
}

void TExCustomDropDown::SetDropDownHeight(int Value) {
    if (Value == FDropDownHeight)
        return;
    FDropDownHeight = Value;
    FUserDropDownHeight = -1;
}

void TExCustomDropDown::SetDropDownWidth(int Value) {
    if (Value == FDropDownWidth)
        return;
    FDropDownWidth = Value;
    FUserDropDownWidth = -1;
}

void TExCustomDropDown::SetEditorEnabled(bool Value) {
    FEditorEnabled = Value;
    SetControlStyle(Value ? ControlStyle() << csDoubleClicks : ControlStyle() >> csDoubleClicks);
}

void TExCustomDropDown::SetControl(TControl* Value) {
    if (Value == FControl)
        return;
    FControl = Value;
    // A closed popup keeps the control's own size: the next opening is sized after it.
    if (FDroppedDown)
        PlaceDropDownControl();
    else if (FControl && FDropDownForm)
        FControl->SetParent(FDropDownForm->ClientArea());
}

void TExCustomDropDown::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TExCustomDropDown*>(Source);
    if (!source || source == this)
        return;
    FFocusDraw = source->FFocusDraw;
    FForceShadow = source->FForceShadow;
    FDropDownEnabled = source->FDropDownEnabled;
    FDropDownColor = source->FDropDownColor;
    FDropDownColorTo = source->FDropDownColorTo;
    FDropDownGradient = source->FDropDownGradient;
    FDropDownBorderColor = source->FDropDownBorderColor;
    FDropDownBorderWidth = source->FDropDownBorderWidth;
    FDropDownShadow = source->FDropDownShadow;
    FDropDownWidth = source->FDropDownWidth;
    FDropDownHeight = source->FDropDownHeight;
    FDropDownSizeable = source->FDropDownSizeable;
    FEditType = source->FEditType;
    FReturnIsTab = source->FReturnIsTab;
    FLengthLimit = source->FLengthLimit;
    FPrecision = source->FPrecision;
    FPrefix = source->FPrefix;
    FSuffix = source->FSuffix;
    FDefaultHandling = source->FDefaultHandling;
    FCanUndo = source->FCanUndo;
    FExcelStyleDecimalSeparator = source->FExcelStyleDecimalSeparator;
    FValidChars = source->FValidChars;
    FSigned = source->FSigned;
    FAutoThousandSeparator = source->FAutoThousandSeparator;
    FButtonAppearance->Assign(source->FButtonAppearance.get());
    FDropDownHeader->Assign(source->FDropDownHeader.get());
    FDropDownFooter->Assign(source->FDropDownFooter.get());
    FDropPosition = source->FDropPosition;
    FFlat = source->FFlat;
    SetDropDownButtonWidth(source->FButtonWidth);
    SetDropDownButtonHint(source->FButtonHint);
    FEditorEnabled = source->FEditorEnabled;
    if (FButton && source->FButton) {
        FButton->SetGlyph(source->FButton->Glyph());
        FButton->SetButtonCaption(source->FButton->ButtonCaption());
    }
    FImages = source->FImages;
    FSelectionColorStyle = source->FSelectionColorStyle;
    FSelectionColor = source->FSelectionColor;
    FSelectionColorTo = source->FSelectionColorTo;
}
