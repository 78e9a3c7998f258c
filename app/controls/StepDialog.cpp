#include "app/controls/StepDialog.h"

#include "app/controls/GlyphButton.h"
#include "app/controls/WindowLook.h"
#include "app/core/AppState.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

namespace {

constexpr int Button_Width = 110;
constexpr int Button_Gap = 8;

} // namespace

TStepDialog::TStepDialog(TComponent* AOwner, int clientWidth, int clientHeight, int okLeft)
    : TForm(AOwner) {
    Apply_Window_Look(this, clientWidth, clientHeight);
    P_Title = Make_Window_Panel(this, alTop, 69);
    L_SW_Code = Make_Label(this, P_Title, 16, 8, AppState().SW_Code);
    L_SW_Desc = Make_Label(this, P_Title, 16, 42);
    Style_Title_Labels(L_SW_Code, L_SW_Desc);
    P_Button = Make_Window_Panel(this, alBottom, 40);
    Btn_OK = Make_Glyph_Button(this, P_Button, okLeft, 6, Button_Width, 28, "OK");
    Btn_Cancel = Make_Glyph_Button(this, P_Button, okLeft + Button_Width + Button_Gap, 6,
                                   Button_Width, 28, "CANCEL");
    Btn_OK->SetShowHint(true);
    Btn_Cancel->SetShowHint(true);
}
