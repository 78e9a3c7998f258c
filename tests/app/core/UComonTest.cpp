#include "app/core/UComon.h"

#include "platform/core/Files.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

TEST(UComonTest, MasterAndRetryListPositions) {
    struct Case {
        const char* Text;
        int Master;
        int Retry;
    };
    const Case cases[] = {
        {"Secondary Master", 1, 0},
        {"  secondary master \t", 1, 0},
        {"Primary Master", 0, 0},
        {"SecondaryMaster", 0, 0},
        {"", 0, 0},
        {"2", 0, 0},
        {"3", 0, 1},
        {" 4 ", 0, 2},
        {"5", 0, 3},
        {"6", 0, 0},
        {"05", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Get_Master_Index(c.Text), c.Master) << c.Text;
        EXPECT_EQ(Get_Retry_Index(c.Text), c.Retry) << c.Text;
    }
}

TEST(UComonTest, SplitIP) {
    struct Case {
        const char* IP;
        bool Valid;
        const char* Parts[4];
    };
    const Case cases[] = {
        {" 192.168.0.10 ", true, {"192", "168", "0", "10"}},
        {"192 . 168 .0. 10", true, {"192", "168", "0", "10"}},
        {"0.0.0.0", true, {"0", "0", "0", "0"}},
        {"255.255.255.255", true, {"255", "255", "255", "255"}},
        {"192.168.0", false, {"192", "168", "", ""}},
        {"192.168.0.256", false, {"192", "168", "0", "256"}},
        {"1.2.3.4.5", false, {"1", "2", "3", "4.5"}},
        {"a.b.c.d", false, {"a", "b", "c", "d"}},
        {"1.2..4", false, {"1", "2", "", "4"}},
        {"-1.2.3.4", false, {"-1", "2", "3", "4"}},
        {"", false, {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        std::string p[4];
        EXPECT_EQ(Split_IP(c.IP, p[0], p[1], p[2], p[3]), c.Valid) << c.IP;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(p[i], c.Parts[i]) << c.IP << " part " << i + 1;
    }
}

TEST(UComonTest, ComPortNumbersMapToSerialDevices) {
    EXPECT_EQ(COM_Port_Device(1, "/dev"), "/dev/ttyS0");
    EXPECT_EQ(COM_Port_Device(64, "/dev"), "/dev/ttyS63");
    EXPECT_EQ(COM_Port_Device(65, "/dev"), "/dev/ttyUSB0");
    EXPECT_EQ(COM_Port_Device(130, "/dev"), "/dev/ttyACM1");
    EXPECT_EQ(COM_Port_Device(0, "/dev"), "");
    EXPECT_EQ(COM_Port_Device(193, "/dev"), "");
}

TEST(UComonTest, ListComPortsGivesThePresentPortsInAscendingOrder) {
    TTempFolder devices;
    for (const char* name : {"ttyACM0", "ttyS2", "ttyUSB1", "ttyS0", "ttyS64", "tty0"})
        WriteFileAtomic(devices.File(name), "");
    const auto ports = List_COM_Ports(devices.Path());
    EXPECT_EQ(std::vector<std::string>(ports->begin(), ports->end()),
              (std::vector<std::string>{"1", "3", "66", "129"}));
}

TEST(UComonTest, ListComPortsWithoutPortsIsEmpty) {
    TTempFolder devices;
    EXPECT_EQ(List_COM_Ports(devices.Path())->Count(), 0);
}

TEST(UComonTest, HartVariableCodeNames) {
    struct Case {
        uint8_t Code;
        bool Known;
        const char* Name;
    };
    const Case cases[] = {
        {242, true, "Battery Voltage"},
        {243, true, "Battery life"},
        {246, true, "Primary Variable"},
        {250, true, "Not Used"},
        {241, false, "241"},
        {251, false, "251"},
        {0, false, "0"},
    };
    for (const Case& c : cases) {
        bool known = !c.Known;
        std::string name;
        HART_Var_Code_Name(c.Code, known, name);
        EXPECT_EQ(known, c.Known) << int(c.Code);
        EXPECT_EQ(name, c.Name) << int(c.Code);
    }
}

TEST(UComonTest, HartVariableCodeFromName) {
    struct Case {
        const char* Name;
        int Code;
    };
    const Case cases[] = {
        {"Battery life", 243},
        {"Battery Life", 0},
        {"Quaternary Variable", 249},
        {"17", 17},
        {"0x10", 16},
        {"", 0},
        {" Not Used", 0},
        {"Percent Range", 244},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HART_Var_Code_From_Name(c.Name), c.Code) << c.Name;
}

TEST(UComonTest, EveryKnownVariableNameMapsBackToItsCode) {
    for (int code = 0; code <= 255; ++code) {
        bool known = false;
        std::string name;
        HART_Var_Code_Name(static_cast<uint8_t>(code), known, name);
        EXPECT_EQ(HART_Var_Code_From_Name(name), code) << name;
    }
}

TEST(UComonTest, ClassificationAndUnitNames) {
    struct Case {
        uint8_t Code;
        const char* Classification;
        const char* Unit;
    };
    const Case cases[] = {
        {0, "Device Variable Not Classified", "0"},
        {1, "Reserved",
         "inH2O (inches of water at 68 \xC2\xB0"
         "F / 20 \xC2\xB0"
         "C)"},
        {37, "Reserved", "\xCE\xA9 (ohms)"},
        {63, "Reserved", "lb (pounds)"},
        {64, "Temperature", "ton (short tons)"},
        {90, "Concentration", "SG (specific gravity units)"},
        {93, "Reserved", "lb/gal (pounds per gallon)"},
        {96, "Acceleration", "kg/l (kilograms per liter)"},
        {111, "Miscellaneous", "yd\xC2\xB3 (cubic yards)"},
        {112, "112", "ft\xC2\xB3 (cubic feet)"},
        {156, "156", "dB (Decibel)"},
        {157, "157", "157"},
        {255, "255", "255"},
    };
    for (const Case& c : cases) {
        std::string classification, unit;
        HART_Classification_Name(c.Code, classification);
        HART_Unit_Name(c.Code, unit);
        EXPECT_EQ(classification, c.Classification) << int(c.Code);
        EXPECT_EQ(unit, c.Unit) << int(c.Code);
    }
}
