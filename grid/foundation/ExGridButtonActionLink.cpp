// The grid button's link to an action: linking takes the action's caption, checked state and
// group; later changes of the action reach only what still shows the action's value.
#include "grid/foundation/ExGridButton.h"

#include "platform/ui/ActnList.h"

void TExGridButton::ActionChange(TObject* Sender, bool CheckDefaults) {
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action) {
        TGraphicControl::ActionChange(Sender, CheckDefaults);
        return;
    }
    const bool linking = FActionLink.Action != action;
    const bool captionLinked = linking || Caption() == FActionLink.Caption;
    const bool checkedLinked =
        linking || (FGroupIndex != 0 && FAllowAllUp && FActionLink.Checked == FDown);
    const bool groupLinked = linking || FActionLink.GroupIndex == FGroupIndex;
    const std::string caption = Caption();
    TGraphicControl::ActionChange(Sender, CheckDefaults);
    if (!captionLinked)
        SetCaption(caption);
    if (groupLinked && (!linking || !CheckDefaults || FGroupIndex == 0))
        SetGroupIndex(action->GroupIndex());
    if (checkedLinked && (!linking || !CheckDefaults || !FDown))
        SetDown(action->Checked());
    FActionLink =
        TActionLinkState{action, action->Caption(), action->Checked(), action->GroupIndex()};
}
