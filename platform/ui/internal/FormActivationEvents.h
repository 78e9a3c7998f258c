#pragma once

class TForm;

// A form's OnActivate when its window takes the activation, and OnDeactivate when another window
// of the program takes it from the shown form. Activation that goes to no window at all (the form
// hid, or a hide and a show are still on their way) is no leave: the form may be shown and active
// again by the time the news arrives.
namespace FormActivationEvents {
void Watch(TForm* form);
} // namespace FormActivationEvents
