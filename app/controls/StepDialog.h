#pragma once

#include "platform/ui/Form.h"

class TLabel;
class TPanel;
class TGlyphButton;

// A window of the configurator's steps: the title panel along the top with the software code
// and the window's description, and the button panel along the bottom with OK and Cancel. What
// the buttons do is the window's own business.
class TStepDialog : public TForm {
public:
    TStepDialog(TComponent* AOwner, int clientWidth, int clientHeight, int okLeft);

    TPanel* P_Title = nullptr;
    TLabel* L_SW_Code = nullptr;
    TLabel* L_SW_Desc = nullptr;
    TPanel* P_Button = nullptr;
    TGlyphButton* Btn_OK = nullptr;
    TGlyphButton* Btn_Cancel = nullptr;
};
