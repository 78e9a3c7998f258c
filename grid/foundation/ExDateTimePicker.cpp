#include "grid/foundation/ExDateTimePicker.h"

#include "grid/foundation/ComponentVersion.h"
#include "grid/foundation/ExStyleIF.h"
#include "grid/foundation/GridDate.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"
#include "platform/ui/ThemeServices.h"

namespace {

TDateTime WholeSeconds(TDateTime value) {
    const TDateTimeParts parts = SplitDateTime(value);
    return ComposeDateTime(parts.Day, parts.MSecOfDay / 1000 * 1000);
}

} // namespace

int TExDateTimePicker::TextWidthIn(const TFont& font, const std::string& text) {
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->Assign(font);
    return measure.Canvas()->TextWidth(text);
}

TExDateTimePicker::TExDateTimePicker(TComponent* AOwner)
    : TCustomDateTimePicker(AOwner), FLabelFont(std::make_unique<TFont>()) {
    SetBorderStyle(bsSingle);
    SetCtl3D(true);
    FLabelFont->OnChange = [this](TObject*) { PlaceLabel(); };
    SetMetroStyle(false);
    SetKind(dkDateTime);
}

TExDateTimePicker::~TExDateTimePicker() {
    FLabelFont->OnChange = nullptr;
    delete FLabel;
    delete FTimePicker;
}

void TExDateTimePicker::Notification(TComponent* component, bool removing) {
    TCustomDateTimePicker::Notification(component, removing);
    // The label lives on the picker's parent, which may free it first.
    if (removing && component == FLabel)
        FLabel = nullptr;
    if (removing && component == FTimePicker)
        FTimePicker = nullptr;
}

void TExDateTimePicker::SetKind(TExDateTimeKind value) {
    if (value == FKind)
        return;
    FKind = value;
    TCustomDateTimePicker::SetKind(value == dkTime ? dtkTime : dtkDate);
    if (value == dkDateTime && FTimePicker == nullptr)
        CreateTimePicker();
    UpdateTimePicker();
}

TDateTime TExDateTimePicker::DateTime() const {
    const TDateTime own = TCustomDateTimePicker::DateTime();
    if (FTimePicker == nullptr)
        return own;
    return ComposeDateTime(SplitDateTime(own).Day,
                           SplitDateTime(FTimePicker->DateTime()).MSecOfDay);
}

void TExDateTimePicker::SetDateTime(TDateTime value) {
    const TDateTime kept = WholeSeconds(CheckDateTime(value));
    TCustomDateTimePicker::SetDateTime(kept);
    if (FKind == dkDateTime && FTimePicker == nullptr)
        CreateTimePicker();
    if (FTimePicker != nullptr)
        FTimePicker->SetDateTime(kept);
}

TDateTime TExDateTimePicker::Date() const {
    return static_cast<TDateTime>(SplitDateTime(DateTime()).Day);
}

void TExDateTimePicker::SetDate(TDateTime value) {
    SetDateTime(ComposeDateTime(SplitDateTime(CheckDateTime(value)).Day,
                                SplitDateTime(DateTime()).MSecOfDay));
}

TDateTime TExDateTimePicker::Time() const {
    if (FKind == dkDateTime && FTimePicker != nullptr)
        return FTimePicker->Time();
    return TCustomDateTimePicker::Time();
}

void TExDateTimePicker::SetTime(TDateTime value) {
    TCustomDateTimePicker::SetTime(value);
    if (FKind == dkDateTime && FTimePicker != nullptr)
        FTimePicker->SetTime(value);
    UpdateTimePicker();
}

void TExDateTimePicker::SetTimeFormat(const std::string& value) {
    if (FTimePicker != nullptr)
        FTimePicker->SetFormat(value);
    if (FKind == dkTime)
        SetFormat(value);
    FTimeFormat = value;
    UpdateTimePicker();
}

std::string TExDateTimePicker::Version() const {
    return ComponentVersionText(0x01020000);
}

void TExDateTimePicker::CreateTimePicker() {
    FTimePicker = new TCustomDateTimePicker(this);
    FTimePicker->SetParent(this);
    FTimePicker->SetBounds(0, 0, 90, 17);
    FTimePicker->SetVisible(false);
    FTimePicker->SetEnabled(Enabled());
    FTimePicker->SetKind(dtkTime);
    FTimePicker->SetAutoTab(AutoTab());
    FTimePicker->OnChange = [this](TObject*) {
        DoChange();
        if (OnTimeChange)
            OnTimeChange(this);
    };
    FTimePicker->OnClick = [this](TObject*) { DoClick(); };
    FTimePicker->OnKeyPress = [this](TObject* sender, TChar& key) {
        TimePickerKeyPress(sender, key);
    };
    FTimePicker->OnKeyDown = [this](TObject*, WORD& key, TShiftState shift) {
        KeyDown(key, shift);
    };
}

void TExDateTimePicker::UpdateTimePicker() {
    if (FTimePicker == nullptr)
        return;
    if (FTimePicker->Parent() != this)
        FTimePicker->SetParent(this);
    FTimePicker->SetColor(Color());
    FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
    FTimePicker->SetVisible(FKind == dkDateTime);
    FTimePicker->SetDateTime(DateTime());
    FTimePicker->SetFormat(FTimeFormat);
    FTimePicker->SetFont(Font());
    if (!FTimePicker->Visible()) {
        delete FTimePicker;
        FTimePicker = nullptr;
        return;
    }
    const int a = TextWidthIn(*Font(), FTimePicker->Text().substr(0, 255)) + 31;
    const int w = Width();
    const int h = Height();
    if (IsVistaOrLater() && IsComCtl6()) {
        if (!ThemeServicesActive())
            FTimePicker->SetBounds(w - a - 21, 2, a, h - 4);
        else if (MetroStyle() && !SkipCustomPaint())
            FTimePicker->SetBounds(w - a - 21, 1, a, h - 2);
        else
            FTimePicker->SetBounds(w - a - 34, 1, a, h - 2);
    } else if (IsVistaOrLater()) {
        FTimePicker->SetBounds(w - a - 23, -2, a, h);
    } else {
        FTimePicker->SetBounds(w - a - 21, -2, a, h);
    }
}

void TExDateTimePicker::CoupleTimePickerToCheckBox() {
    if (FTimePicker != nullptr && ShowCheckbox())
        FTimePicker->SetEnabled(Enabled() && Checked());
}

void TExDateTimePicker::SetChecked(bool value) {
    TCustomDateTimePicker::SetChecked(value);
    CoupleTimePickerToCheckBox();
}

void TExDateTimePicker::Change() {
    TCustomDateTimePicker::Change();
    CoupleTimePickerToCheckBox();
}

void TExDateTimePicker::SetEnabled(bool value) {
    TCustomDateTimePicker::SetEnabled(value);
    if (FTimePicker != nullptr)
        FTimePicker->SetEnabled(value && (Checked() || !ShowCheckbox()));
    if (FLabel != nullptr && !FLabelAlwaysEnabled)
        FLabel->SetEnabled(value);
}

void TExDateTimePicker::SetVisible(bool value) {
    TCustomDateTimePicker::SetVisible(value);
    if (FLabel != nullptr)
        FLabel->SetVisible(value);
}

void TExDateTimePicker::SetParent(TWinControl* AParent) {
    TCustomDateTimePicker::SetParent(AParent);
    if (FLabel != nullptr) {
        FLabel->SetParent(AParent);
        PlaceLabel();
    }
}

void TExDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FLabel != nullptr && FLabel->Parent() != nullptr)
        PlaceLabel();
}

void TExDateTimePicker::Resize() {
    TCustomDateTimePicker::Resize();
    UpdateTimePicker();
}

void TExDateTimePicker::WndProc(TMessage& Message) {
    TCustomDateTimePicker::WndProc(Message);
    if (Message.Msg == CM_COLORCHANGED || Message.Msg == CM_FONTCHANGED)
        UpdateTimePicker();
}

void TExDateTimePicker::SetAutoTab(bool value) {
    TCustomDateTimePicker::SetAutoTab(value);
    if (FTimePicker != nullptr)
        FTimePicker->SetAutoTab(value);
}

void TExDateTimePicker::SetBorderStyle(TBorderStyle value) {
    TCustomDateTimePicker::SetBorderStyle(value);
    UpdateTimePicker();
}

void TExDateTimePicker::DoChange() {
    if (OnChange)
        OnChange(this);
}

void TExDateTimePicker::DoClick() {
    if (OnClick)
        OnClick(this);
}

void TExDateTimePicker::TimePickerKeyPress(TObject*, TChar&) {}

void TExDateTimePicker::KeyPress(TChar& Key) {
    if (Key >= '0' && Key <= '9' && AutoTab())
        TGridDate::DecodeDate(DateTime(), Fy, Fm, Fd);
    TCustomDateTimePicker::KeyPress(Key);
}

void TExDateTimePicker::AutoAdvanceField() {
    if (FKind == dkTime) {
        TCustomDateTimePicker::AutoAdvanceField();
        return;
    }
    int y = 0, m = 0, d = 0;
    TGridDate::DecodeDate(DateTime(), y, m, d);
    const bool dayChanged = d != Fd;
    const bool monthChanged = m != Fm;
    const bool yearChanged = y != Fy;
    const std::string& format = Format();
    if (!format.empty()) {
        const char last = format.back();
        const bool lastPartChanged = (dayChanged && (last == 'd' || last == 'D')) ||
                                     (monthChanged && (last == 'M' || last == 'm')) ||
                                     (yearChanged && (last == 'Y' || last == 'y'));
        if (lastPartChanged)
            FocusTimePicker();
        else if (dayChanged || monthChanged || yearChanged)
            PostNextField();
    } else if (dayChanged || monthChanged) {
        PostNextField();
    } else if (yearChanged) {
        FocusTimePicker();
    }
}

void TExDateTimePicker::FocusTimePicker() {
    if (FTimePicker != nullptr && FTimePicker->CanFocus())
        FTimePicker->SetFocus();
}
