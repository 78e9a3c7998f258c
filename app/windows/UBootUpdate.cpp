// The update button of the device update window and what it tells the user.
#include "app/windows/UBoot.h"

#include "app/core/AppState.h"
#include "app/core/UComon.h"
#include "app/core/ULanguage.h"
#include "platform/core/IntegerConversion.h"
#include "platform/net/Ipv4Address.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Screen.h"

#include <chrono>

namespace {

constexpr int Text_Device_Not_Found = 1536;
constexpr int Text_Check_Ip_Address = 1537;

const char* const Ping_Not_Permitted_Text =
    "Cannot send the ping: this user may not open ICMP sockets. Allow it with: sysctl -w "
    "net.ipv4.ping_group_range=\"0 2147483647\" (or run as root).";

// Split_IP's verdict, and the address as dotted decimal: the parts may be typed with blanks or
// in hex, which neither the echo nor the updater would take as they stand. Empty when refused.
std::string Checked_Address(const std::array<std::string, 4>& octets) {
    const std::string typed = octets[0] + "." + octets[1] + "." + octets[2] + "." + octets[3];
    std::string p1, p2, p3, p4;
    if (!Split_IP(typed, p1, p2, p3, p4))
        return {};
    TIpv4Octets address{};
    const std::string* parts[] = {&p1, &p2, &p3, &p4};
    for (size_t i = 0; i < address.size(); ++i)
        address[i] = static_cast<uint8_t>(StrToInt(*parts[i]));
    return FormatIPv4(address);
}

} // namespace

// While the ping or the updater runs the window keeps painting but takes no input and shows the
// busy cursor; a close asked for meanwhile is dropped rather than acted on once the update has
// ended.
class TFBoot::TBusy {
public:
    explicit TBusy(TFBoot& window)
        : FWindow(window), FModalResult(window.ModalResult()), FWasEnabled(window.Enabled()),
          FCursor(Screen->Cursor()) {
        FWindow.FBusy = true;
        FWindow.SetEnabled(false);
        Screen->SetCursor(crHourGlass);
    }
    ~TBusy() {
        Screen->SetCursor(FCursor);
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
    TCursor FCursor;
};

void TFBoot::Btn_UpdateClick(TObject*) {
    if (FBusy)
        return;
    // The serial layout keeps the choices for the next showing; it has no updater of its own.
    if (Form_Type == Form_Type_Serial) {
        AppState().Update_Option_Index = CB_Update_Options->ItemIndex();
        AppState().Update_Read_Back = CB_Update_Option_Read_Back->Checked();
        return;
    }
    if (Form_Type != Form_Type_Ethernet)
        return;
    // A job file that cannot be written goes to the error report; the updater is not started.
    RunGuarded(this, [this] { Update_Ethernet(); });
}

void TFBoot::Update_Ethernet() {
    const std::string address =
        Checked_Address({E_IP1->Text(), E_IP2->Text(), E_IP3->Text(), E_IP4->Text()});
    if (address.empty()) {
        Last_Update = {TDevice_Update_Outcome::Check_Ip_Address, {}, 0};
    } else {
        TBusy busy(*this);
        const TAppState& state = AppState();
        Last_Update = Device_Update.Update_Device({address, CB_Update_Options->ItemIndex(),
                                                   CB_Update_Option_Read_Back->Checked(),
                                                   state.Master_Dir, state.Project_Path},
                                                  state.Exe_Dir);
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
        MessageDlg(Lang_Str(Text_Device_Not_Found), mtWarning, {mbOK});
        break;
    case TDevice_Update_Outcome::Check_Ip_Address:
        MessageDlg(Lang_Str(Text_Check_Ip_Address), mtError, {mbOK});
        break;
    case TDevice_Update_Outcome::Ping_Not_Permitted:
        MessageDlg(Ping_Not_Permitted_Text, mtError, {mbOK});
        break;
    }
}
