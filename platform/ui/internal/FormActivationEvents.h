#pragma once

class TForm;

// A form's OnActivate when its window takes the activation, and OnDeactivate when the shown form
// loses it, to another window of the program or to another program. A hidden form is past
// leaving, and a form shown again before the window system told it of its earlier hide waits for
// its own activation first.
namespace FormActivationEvents {
void Watch(TForm* form);
} // namespace FormActivationEvents
