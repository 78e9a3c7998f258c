// The update button of the device update window and what it tells the user.
#include "devicelink/UBoot.h"

#include "platform/core/IntegerConversion.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"

#include <chrono>

// While the ping or the updater runs the window keeps painting but takes no input; a close asked
// for meanwhile is dropped rather than acted on once the update has ended.
class TFBoot::TBusy {
public:
    explicit TBusy(TFBoot& window)
        : FWindow(window), FModalResult(window.ModalResult()), FWasEnabled(window.Enabled()) {
        FWindow.FBusy = true;
        FWindow.SetEnabled(false);
    }
    ~TBusy() {
        FWindow.FBusy = false;
        FWindow.SetEnabled(FWasEnabled);
        FWindow.SetModalResult(FModalResult);
    }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

private:
    TFBoot& FWindow;
    TModalResult FModalResult;
    bool FWasEnabled;
};

void TFBoot::Btn_UpdateClick(TObject*) {
    // Only the Ethernet layout is ever opened, so only it updates.
    if (FBusy || Form_Type != Form_Type_Ethernet)
        return;
    // A job file that cannot be written goes to the error report; the updater is not started.
    RunGuarded(this, [this] { Update_Ethernet(); });
}

void TFBoot::Update_Ethernet() {
    {
        TBusy busy(*this);
        Last_Update = Device_Update.Btn_UpdateClick(
            {E_IP1->Text(), E_IP2->Text(), E_IP3->Text(), E_IP4->Text()},
            CB_Update_Options->ItemIndex(), CB_Update_Option_Read_Back->Checked());
    }
    Report();
}

void TFBoot::Btn_CancelClick(TObject*) {
    if (!FBusy)
        SetModalResult(mrCancel);
}

void TFBoot::Report() {
    const TDevice_Update_Result& result = Last_Update;
    switch (result.Outcome) {
    case TDevice_Update_Outcome::Updater_Ended:
        // The updater showed its own verdict in its window.
        break;
    case TDevice_Update_Outcome::Updater_Timed_Out: {
        const auto seconds =
            std::chrono::duration_cast<std::chrono::seconds>(Device_Update.Updater_Time_Limit);
        MessageDlg("The updater has not ended within " + IntToStr(seconds.count()) +
                       " s and was left running.",
                   mtWarning, {mbOK});
        break;
    }
    case TDevice_Update_Outcome::Updater_Not_Started:
        MessageDlg(result.Message, mtError, {mbOK});
        break;
    case TDevice_Update_Outcome::Device_Not_Found:
        MessageDlg(result.Message, mtWarning, {mbOK});
        break;
    case TDevice_Update_Outcome::Check_Ip_Address:
        MessageDlg(result.Message, mtError, {mbOK});
        break;
    }
}
