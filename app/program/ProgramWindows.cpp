#include "app/program/ProgramWindows.h"

#include "app/windows/UAbout.h"
#include "app/windows/UBoot.h"
#include "app/windows/UHARTVariables.h"
#include "app/windows/UHART_Scan.h"
#include "app/windows/UNew_Project.h"
#include "app/windows/UOpenConf.h"
#include "app/windows/UParGen.h"
#include "app/windows/UProfinetFileName.h"
#include "app/windows/USoftOptions.h"
#include "app/windows/UVelmaroFirmWare.h"
#include "platform/ui/Application.h"
#include "protocols/bacnet/UBACnetSlaveSetAccess.h"
#include "protocols/bacnet/UBACnet_Eng_Unit.h"
#include "protocols/can/UReceiveCAN.h"
#include "protocols/can/UTransmitCAN.h"
#include "protocols/canopen/USet_PDO_Access.h"
#include "protocols/canopen/USet_SDO_Client_Access.h"
#include "protocols/canopen/USet_SDO_Server_Access.h"
#include "protocols/hart_gateway/UHART_Gateway.h"
#include "protocols/j1939/UReceiveJ1939.h"
#include "protocols/j1939/UTransmitJ1939.h"
#include "protocols/mqtt/UMQTT_Set_Topic.h"
#include "protocols/mqtt/UTopicTemplate.h"
#include "protocols/snmp/USNMP_Trap_Access.h"

namespace {

// The table windows of the other gateway variants, with the steps that open them.
template <class TWindow> void Create_Protocol_Window(TWindow*& window, TGlyphButton* step) {
    Application->CreateForm(window);
    TWindow* created = window;
    FVelmaroFirmWare->Protocol_Windows.push_back(
        {step, {[created] { created->ShowModal(); }, [created] { created->Set_Lang(); }}});
}

void Create_Protocol_Windows() {
    Create_Protocol_Window(FHART_Gateway, FVelmaroFirmWare->Btn_HART_Gateway);
    Create_Protocol_Window(FBACnet_Eng_Unit, nullptr);
    Create_Protocol_Window(FBACnetSlaveSetAccess, FVelmaroFirmWare->Btn_BACnet_SetAccess);
    Create_Protocol_Window(FReceiveCAN, FVelmaroFirmWare->Btn_CAN_Rec_Frame);
    Create_Protocol_Window(FTransmitCAN, FVelmaroFirmWare->Btn_CAN_Send_Frame);
    Create_Protocol_Window(FSet_PDO_Access, FVelmaroFirmWare->Btn_PDO_CANopen);
    Create_Protocol_Window(FSet_SDO_Client_Access, FVelmaroFirmWare->Btn_SDO_Client_CANopen);
    Create_Protocol_Window(FSet_SDO_Server_Access, FVelmaroFirmWare->Btn_SDO_Server_CANopen);
    Create_Protocol_Window(FReceiveJ1939, nullptr);
    Create_Protocol_Window(FTransmitJ1939, nullptr);
    Create_Protocol_Window(FMQTT_Set_Topic, FVelmaroFirmWare->Btn_MQTT_Set_Topic);
    Create_Protocol_Window(FTopicTemplate, nullptr);
    Create_Protocol_Window(FSNMP_Trap_Access, FVelmaroFirmWare->Btn_SNMP_Trap);
}

} // namespace

void Create_Other_Windows() {
    Application->CreateForm(FHART_Scan);
    Application->CreateForm(FNew_Project);
    Application->CreateForm(FOpenConf);
    Application->CreateForm(FAbout);
    Application->CreateForm(FSoftOptions);
    Application->CreateForm(FParGen);
    Application->CreateForm(FHARTVariables);
    Application->CreateForm(FBoot);
    Application->CreateForm(FProfinetFileName);
    FVelmaroFirmWare->HART_Scan_Window = {nullptr, [] { FHART_Scan->Set_Lang(); }};
    FVelmaroFirmWare->HART_Variables_Window = {[] { FHARTVariables->ShowModal(); },
                                               [] { FHARTVariables->Set_Lang(); }};
    FVelmaroFirmWare->Boot_Window = {[] { FBoot->Show_Ethernet_Update(); },
                                     [] { FBoot->Set_Lang(); }};
    Create_Protocol_Windows();
}
