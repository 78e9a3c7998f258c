// The general parameters window's panels of the MQTT variant: MQTT, TLS and NTP.
#include "app/windows/UParGen.h"
#include "app/windows/UParGenPanelBuilder.h"

#include "platform/ui/CategoryPanelGroup.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/RichEdit.h"

using namespace ParGen_Geometry;

void TFParGen::Build_MQTT_Panel() {
    TParGenPanelBuilder b(*this, CP_MQTT, 412);
    L_MQTT_Server = b.Label("Server URL");
    E_MQTT_Server = b.Edit();
    L_MQTT_Server_Port = b.Label("Server Port");
    E_MQTT_Server_Port = b.Edit(0, "1883");
    L_MQTT_Client_ID = b.Label("Client ID");
    E_MQTT_Client_ID = b.Edit();
    L_MQTT_Keep_Alive = b.Label("Keep Alive (seconds)");
    E_MQTT_Keep_Alive = b.Edit();
    CB_MQTT_Clean_Session = b.Check("Clean Session");
    CB_MQTT_WillFlag = b.Check("Will Flag");
    L_MQTT_Will_TopicName = b.Label("Topic Name Will");
    E_MQTT_Will_TopicName = b.Edit();
    L_MQTT_Will_Message = b.Label("Message Will");
    E_MQTT_Will_Message = b.Edit();
    CB_MQTT_Will_Retained = b.Check("Retained Will");
    L_MQTT_Will_QoS = b.Label("QoS Will");
    CB_MQTT_Will_QoS = b.Combo({"0", "1", "2"});
    L_MQTT_Username = b.Label("Username");
    E_MQTT_Username = b.Edit();
    L_MQTT_Password = b.Label("Password");
    E_MQTT_Password = b.Edit();
    L_MQTT_ASync_Send_Time = b.Label("Send Time (seconds)");
    E_MQTT_ASync_Send_Time = b.Edit();
}

void TFParGen::Build_TLS_Panel() {
    TParGenPanelBuilder b(*this, CP_TLS, 542);
    CB_TLS_Enable = b.Check("Enable TLS");
    CB_TLS_En_Server_Auth = b.Check("Server Authentication");
    L_TLS_Server_Cert = b.Label("Server Certificate");
    E_TLS_Server_Cert = b.Rich_Edit();
    CB_TLS_En_Client_Auth = b.Check("Client Authentication");
    L_TLS_Client_Cert = b.Label("Client Certificate");
    E_TLS_Client_Cert = b.Rich_Edit();
    L_TLS_Client_Cert_Key = b.Label("Client Key");
    E_TLS_Client_Cert_Key = b.Rich_Edit();
    L_TLS_Client_Cert_Key_Pass = b.Label("Client Key Password");
    E_TLS_Client_Cert_Key_Pass = b.Edit();
}

void TFParGen::Build_NTP_Panel() {
    TParGenPanelBuilder b(*this, CP_NTP, 557);
    L_NTP_Server_URL = b.Label("Server URL");
    E_NTP_Server_URL = b.Edit();
    L_NTP_Poll_Time = b.Label("Poll Time (seconds)");
    E_NTP_Poll_Time = b.Edit();
}

void TFParGen::RePosition_Object_MQTT() {
    TControl* const willRows[] = {L_MQTT_Will_TopicName, L_MQTT_Will_Message, CB_MQTT_Will_Retained,
                                  L_MQTT_Will_QoS};
    const bool will = CB_MQTT_WillFlag->Checked();
    for (TControl* row : willRows)
        Show_Row(row, will);
    const int next = will ? L_MQTT_Will_QoS->Top() + Row_Pitch : L_MQTT_Will_TopicName->Top();
    Move_Row(L_MQTT_Username, next);
    Move_Row(L_MQTT_Password, next + Row_Pitch);
    Show_Row(L_MQTT_ASync_Send_Time, false);
    Fit_Panel(CP_MQTT, E_MQTT_Password);
}

void TFParGen::RePosition_Object_TLS() {
    TControl* const clientRows[] = {L_TLS_Client_Cert, L_TLS_Client_Cert_Key,
                                    L_TLS_Client_Cert_Key_Pass};
    if (!CB_TLS_Enable->Checked()) {
        TControl* const rows[] = {CB_TLS_En_Server_Auth, L_TLS_Server_Cert, CB_TLS_En_Client_Auth};
        for (TControl* row : rows)
            Show_Row(row, false);
        for (TControl* row : clientRows)
            Show_Row(row, false);
        Fit_Panel(CP_TLS, CB_TLS_Enable);
        return;
    }
    Show_Row(CB_TLS_En_Server_Auth, true);
    const bool server = CB_TLS_En_Server_Auth->Checked();
    Show_Row(L_TLS_Server_Cert, server);
    const int clientTop =
        (server ? E_TLS_Server_Cert->Top() : CB_TLS_En_Server_Auth->Top()) + Row_Pitch;
    Show_Row(CB_TLS_En_Client_Auth, true);
    Move_Row(CB_TLS_En_Client_Auth, clientTop);
    const bool client = CB_TLS_En_Client_Auth->Checked();
    int top = clientTop;
    for (TControl* row : clientRows) {
        top += Row_Pitch;
        Show_Row(row, client);
        if (client)
            Move_Row(row, top);
    }
    Fit_Panel(CP_TLS, client ? static_cast<const TWinControl*>(E_TLS_Client_Cert_Key_Pass)
                             : CB_TLS_En_Client_Auth);
}

void TFParGen::RePosition_Object_NTP() {
    Fit_Panel(CP_NTP, E_NTP_Poll_Time);
}
