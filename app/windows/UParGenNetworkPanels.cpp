// The general parameters window's panels of the Ethernet fieldbus variants: Modbus TCP Slave,
// EtherNet/IP and PROFINET.
#include "app/windows/UParGen.h"
#include "app/windows/UParGenPanelBuilder.h"

#include "platform/ui/CategoryPanelGroup.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"

void TFParGen::Build_Modbus_TCP_Slave_Panel() {
    TParGenPanelBuilder b(*this, CP_Modbus_TCP_Slave, 575);
    L_ModbusTCPSlave_IP = b.Label("IP Address");
    b.Octets(E_ModbusTCPSlave_IP1, E_ModbusTCPSlave_IP2, E_ModbusTCPSlave_IP3,
             E_ModbusTCPSlave_IP4);
    L_ModbusTCPSlave_SM = b.Label("SubNet Mask");
    b.Octets(E_ModbusTCPSlave_SM1, E_ModbusTCPSlave_SM2, E_ModbusTCPSlave_SM3,
             E_ModbusTCPSlave_SM4);
    CB_ModbusTCPSlave_En_GAT = b.Check("Gateway");
    b.Octets(E_ModbusTCPSlave_GAT1, E_ModbusTCPSlave_GAT2, E_ModbusTCPSlave_GAT3,
             E_ModbusTCPSlave_GAT4);
    L_ModbusTCPSlave_Port = b.Label("Port");
    E_ModbusTCPSlave_Port = b.Edit(0, "502");
}

void TFParGen::Build_EtherNetIP_Panel() {
    TParGenPanelBuilder b(*this, CP_EtherNetIP, 627);
    L_EtherNetIP_IP = b.Label("IP Address");
    b.Octets(E_EtherNetIP_IP1, E_EtherNetIP_IP2, E_EtherNetIP_IP3, E_EtherNetIP_IP4);
    L_EtherNetIP_SM = b.Label("SubNet Mask");
    b.Octets(E_EtherNetIP_SM1, E_EtherNetIP_SM2, E_EtherNetIP_SM3, E_EtherNetIP_SM4);
    CB_EtherNetIP_GAT = b.Check("Gateway");
    b.Octets(E_EtherNetIP_GAT1, E_EtherNetIP_GAT2, E_EtherNetIP_GAT3, E_EtherNetIP_GAT4);
    L_EtherNetIP_TunnelPort = b.Label("Diagnostic Port");
    E_EtherNetIP_TunnelPort = b.Edit(0, "44818");
    L_EtherNetIP_NByte_In = b.Label("Number Bytes Input");
    E_EtherNetIP_NByte_In = b.Edit(0, "496");
    L_EtherNetIP_NByte_Out = b.Label("Number Bytes Output");
    E_EtherNetIP_NByte_Out = b.Edit(0, "496");
}

void TFParGen::Build_PROFINET_Panel() {
    TParGenPanelBuilder b(*this, CP_PROFINET, 650);
    L_PROFINET_IP = b.Label("IP Address");
    b.Octets(E_PROFINET_IP1, E_PROFINET_IP2, E_PROFINET_IP3, E_PROFINET_IP4);
    L_PROFINET_SM = b.Label("SubNet Mask");
    b.Octets(E_PROFINET_SM1, E_PROFINET_SM2, E_PROFINET_SM3, E_PROFINET_SM4);
    CB_PROFINET_GAT = b.Check("Gateway");
    b.Octets(E_PROFINET_GAT1, E_PROFINET_GAT2, E_PROFINET_GAT3, E_PROFINET_GAT4);
    L_PROFINET_TunnelPort = b.Label("Tunneling Port");
    E_PROFINET_TunnelPort = b.Edit();
    L_PROFINET_NameStation = b.Label("Name of Station");
    E_PROFINET_NameStation = b.Edit(15);
    L_PROFINET_NByte_In = b.Label("Number Bytes Input");
    E_PROFINET_NByte_In = b.Edit(0, "1438");
    L_PROFINET_NByte_Out = b.Label("Number Bytes Output");
    E_PROFINET_NByte_Out = b.Edit(0, "1438");
    CB_PROFINET_Diagnostic = b.Check("Diagnostic");
    E_PROFINET_Diagnostic = b.Edit(0, "0");
}

void TFParGen::RePosition_Object_Modbus_TCP_Slave() {
    Fit_Panel(CP_Modbus_TCP_Slave, E_ModbusTCPSlave_Port);
}

void TFParGen::RePosition_Object_EtherNetIP() {
    Fit_Panel(CP_EtherNetIP, E_EtherNetIP_NByte_Out);
}

void TFParGen::RePosition_Object_PROFINET() {
    Fit_Panel(CP_PROFINET, E_PROFINET_Diagnostic);
}
