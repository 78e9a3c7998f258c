// The general parameters window's panels of the serial and fieldbus variants: Serial, Modbus
// Slave, CAN, CANopen, J1939 and DeviceNet Slave.
#include "app/windows/UParGen.h"
#include "app/windows/UParGenPanelBuilder.h"

#include "platform/ui/CategoryPanelGroup.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"

using namespace ParGen_Geometry;

namespace {

constexpr std::string_view Serial_Baudrates[] = {"1200",  "2400",  "4800",  "9600",
                                                 "19200", "38400", "57600", "115200"};
constexpr int Serial_Baudrate_115200 = 7;
constexpr std::string_view CAN_Baudrates[] = {"10K",  "20K",  "50K",  "62.5K", "100K",
                                              "125K", "250K", "500K", "800K",  "1000K"};
constexpr int CAN_Baudrate_1000K = 9;

} // namespace

void TFParGen::Build_Serial_Panel() {
    TParGenPanelBuilder b(*this, CP_Serial, 769);
    L_Serial_Serial = b.Label("Serial");
    CB_Serial_Serial = b.Combo({"RS232", "RS485"});
    L_Serial_Baudrate = b.Label("Baudrate");
    CB_Serial_Baudrate = b.Combo(Serial_Baudrates, Serial_Baudrate_115200);
    L_Serial_Parity = b.Label("Parity");
    Cb_Serial_Parity = b.Combo({"NONE", "ODD", "EVEN"});
    L_Serial_StopBits = b.Label("Stop Bits");
    CB_Serial_StopBits = b.Combo({"1 Stop Bits", "2 Stop Bits"});
}

void TFParGen::Build_Modbus_Slave_Panel() {
    TParGenPanelBuilder b(*this, CP_Modbus_Slave, 562);
    L_ModbusSlave_Serial = b.Label("Serial");
    CB_ModbusSlave_Serial = b.Combo({"RS232", "RS485"});
    L_ModbusSlave_Baudrate = b.Label("Baudrate");
    CB_ModbusSlave_Baudrate = b.Combo(Serial_Baudrates, Serial_Baudrate_115200);
    L_ModbusSlave_Parity = b.Label("Parity");
    CB_ModbusSlave_Parity = b.Combo({"NONE", "ODD", "EVEN"});
    L_ModbusSlave_StopBits = b.Label("Stop Bits");
    CB_ModbusSlave_StopBits = b.Combo({"1 Stop Bits", "2 Stop Bits"});
    L_ModbusSlave_IDDevice = b.Label("ID Device");
    E_ModbusSlave_IDDevice = b.Edit();
    CB_ModbusSlave_ReadInput = b.Check("Read with Input Register / Status Function");
}

void TFParGen::Build_CAN_Panel() {
    TParGenPanelBuilder b(*this, CP_CAN, 594);
    L_CAN_Baudrate = b.Label("Baudrate");
    CB_CAN_Baudrate = b.Combo(CAN_Baudrates, CAN_Baudrate_1000K);
}

void TFParGen::Build_CANopen_Panel() {
    TParGenPanelBuilder b(*this, CP_CANopen, 597);
    L_CANopen_IDDevice = b.Label("ID Device");
    E_CANopen_IDDevice = b.Edit();
    L_CANopen_Baudrate = b.Label("Baudrate");
    CB_CANopen_Baudrate =
        b.Combo({"10K", "20K", "50K", "100K", "125K", "250K", "500K", "800K", "1000K"}, 5);
    CB_CANopen_SetOpe = b.Check("Set Operational State at Start-Up");
    CB_CANopen_NetOpe = b.Check("Network Start at Start-up. Delay (seconds)");
    E_CANopen_NetOpe_Delay = b.Edit();
    L_CANopen_SDO_Timeout = b.Label("SDO Client TimeOut (1/10 millisecons)");
    E_CANopen_SDO_Timeout = b.Edit();
}

void TFParGen::Build_J1939_Panel() {
    TParGenPanelBuilder b(*this, CP_J1939, 609);
    L_J1939_Baudrate = b.Label("Baudrate");
    CB_J1939_Baudrate = b.Combo(CAN_Baudrates, CAN_Baudrate_1000K);
    L_J1939_TimeOut = b.Label("TimeOut Data (s)");
    E_J1939_TimeOut = b.Edit();
    CB_J1939_Enable_Peer_To_Peer = b.Check("Enable Peer to Peer");
    L_J1939_ID_Device = b.Label("ID Device J1939");
    E_J1939_ID_Device = b.Edit();
}

void TFParGen::Build_DeviceNet_Slave_Panel() {
    TParGenPanelBuilder b(*this, CP_DeviceNet_Slave, 618);
    L_DeviceNet_Slave_IDDevice = b.Label("ID Device");
    E_DeviceNet_Slave_IDDevice = b.Edit();
    L_DeviceNet_Slave_Baudrate = b.Label("Baudrate");
    CB_DeviceNet_Slave_Baudrate = b.Combo({"125K", "250K", "500K"}, 2);
    L_DeviceNet_Slave_NumByteIn = b.Label("Number Byte In");
    E_DeviceNet_Slave_NumByteIn = b.Edit(0, "455");
    L_DeviceNet_Slave_NumByteOut = b.Label("Number Byte Out");
    E_DeviceNet_Slave_NumByteOut = b.Edit(0, "455");
}

void TFParGen::RePosition_Object_Serial() {
    Fit_Panel(CP_Serial, CB_Serial_StopBits);
}

void TFParGen::RePosition_Object_CAN() {
    Fit_Panel(CP_CAN, CB_CAN_Baudrate);
}

void TFParGen::RePosition_Object_CANopen() {
    Fit_Panel(CP_CANopen, E_CANopen_SDO_Timeout);
}

void TFParGen::RePosition_Object_J1939() {
    Fit_Panel(CP_J1939, E_J1939_ID_Device);
}

void TFParGen::RePosition_Object_DeviceNet_Slave() {
    Fit_Panel(CP_DeviceNet_Slave, E_DeviceNet_Slave_NumByteOut);
}

// The "Serial" row leaves the layout and the rows below move up into its place.
void TFParGen::RePosition_Object_Modbus_Slave() {
    Show_Row(L_ModbusSlave_Serial, false);
    TControl* const rows[] = {L_ModbusSlave_Baudrate, L_ModbusSlave_Parity, L_ModbusSlave_StopBits,
                              L_ModbusSlave_IDDevice, CB_ModbusSlave_ReadInput};
    for (int row = 1; row <= 5; ++row)
        Move_Row(rows[row - 1], Label_Top(row));
    Fit_Panel(CP_Modbus_Slave, CB_ModbusSlave_ReadInput);
}
