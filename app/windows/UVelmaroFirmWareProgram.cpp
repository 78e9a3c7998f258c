// The main window's dealings with the world outside: started programs, the update check and
// the links.
#include "app/windows/UVelmaroFirmWare.h"

#include "app/core/AppState.h"
#include "app/core/ULanguage.h"
#include "app/windows/OpenLinkOrTell.h"
#include "app/windows/VersionCheck.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Timer.h"

#include <vector>

namespace {

constexpr unsigned Update_Check_Interval_Ms = 7200000;

// Disables the shown forms for the lifetime of the guard, so they keep painting while a started
// program runs but take no input.
class TInputBlock {
public:
    explicit TInputBlock(TForm* mainWindow) {
        Block(mainWindow);
        // A modal window (the update window) that asked for the program.
        Block(Screen->ActiveForm());
        for (int i = 0; i < Application->ComponentCount(); ++i)
            Block(dynamic_cast<TForm*>(Application->Components(i)));
    }
    ~TInputBlock() {
        for (TForm* form : FBlocked)
            form->SetEnabled(true);
    }
    TInputBlock(const TInputBlock&) = delete;
    TInputBlock& operator=(const TInputBlock&) = delete;

private:
    void Block(TForm* form) {
        if (form && form->Visible() && form->Enabled()) {
            form->SetEnabled(false);
            FBlocked.push_back(form);
        }
    }

    std::vector<TForm*> FBlocked;
};

} // namespace

TProgramRunResult TFVelmaroFirmWare::Start_Program(const std::string& NomeSW,
                                                   const std::string& Parameter, uint8_t tipo) {
    (void)Parameter;
    (void)tipo;
    // The update check must not start a request of its own in the middle of the wait.
    const bool timerWasOn = Timer_Update->Enabled();
    Timer_Update->SetEnabled(false);
    TProgramRunResult result;
    {
        TInputBlock block(this);
        result = RunProgramAndWait(NomeSW, "", Start_Program_Limit,
                                   [] { Application->ProcessMessages(); });
    }
    Timer_Update->SetEnabled(timerWasOn);
    return result;
}

void TFVelmaroFirmWare::Timer_UpdateTimer(TObject*) {
    Timer_Update->SetEnabled(false);
    if (Check_Version(HTTP1)) {
        LL_Update->SetCaption(Download_Link_Markup(Lang_Str(19)));
        LL_Update->SetVisible(true);
    } else {
        LL_Update->SetVisible(false);
    }
    Timer_Update->SetInterval(Update_Check_Interval_Ms);
    Timer_Update->SetEnabled(true);
}

void TFVelmaroFirmWare::LL_UpdateLinkClick(TObject*, const std::string& Link, TSysLinkType) {
    Open_Link_Or_Tell(Link);
}

void TFVelmaroFirmWare::L_QuorvelClick(TObject*) {
    Open_Link_Or_Tell(Version_Host() + "/HOME/default.asp?frompg=" + AppState().SW_Code);
}
