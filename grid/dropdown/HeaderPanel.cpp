#include "grid/dropdown/HeaderPanel.h"

#include "grid/dropdown/DropDownBarHost.h"
#include "grid/stringgrid/HeaderAppearance.h"

TExHeader::TExHeader(TComponent* AOwner)
    : TDropDownBar(AOwner), FAppearance(std::make_unique<THeaderAppearance>(AOwner)) {
    SetControlStyle(TControlStyle{csAcceptsControls, csClickEvents, csDoubleClicks});
    FAppearance->OnChange = [this](TObject*) { AppearanceChanged(); };
    FAppearance->OnButtonsChanged = [](TObject*) {};
}

TExHeader::~TExHeader() {
    FAppearance->OnChange = nullptr;
}

void TExHeader::SetAppearance(const THeaderAppearance& Value) {
    FAppearance->Assign(&Value);
    AppearanceChanged();
}

TButtonCollectionBase* TExHeader::Buttons() const {
    if (!ExDropDown() || !ExDropDown()->DropDownHeader())
        return nullptr;
    return ExDropDown()->DropDownHeader()->Buttons();
}

TRect TExHeader::GetButtonArea() const {
    TRect r = ClientRect();
    r.Left += 2;
    r.Top += 2;
    r.Right -= 2;
    r.Bottom -= 3;
    return r;
}

TDropDownStripAppearance& TExHeader::StripAppearance() const {
    return *FAppearance;
}

void TExHeader::CopyAppearanceFrom(TDropDownBarHost& DropDown) {
    FAppearance->Assign(DropDown.DropDownHeader());
}

const THeaderButton* TExHeader::ButtonItem(int Index) const {
    return ExDropDown()->DropDownHeader()->Buttons()->GetItem(Index);
}

void TExHeader::FireButtonClick(int ButtonIndex) {
    ExDropDown()->DropDownHeaderButtonClick(ButtonIndex);
}

void TExHeader::DrawBorderLines(const TRect& R, bool WholeFrame) {
    Line(R.Left, R.Bottom - 1, R.Right, R.Bottom - 1);
    if (!WholeFrame)
        return;
    Line(R.Left, R.Bottom - 1, R.Left, R.Top);
    Line(R.Left, R.Top, R.Right, R.Top);
    Line(R.Right, R.Top, R.Right, R.Bottom - 1);
}

TRect TExHeader::InnerEdgeRect(const TRect& R) const {
    return Rect(R.Left, R.Top, R.Right, R.Bottom - FAppearance->BorderWidth());
}
