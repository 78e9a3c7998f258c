#include "protocols/descriptionfiles/UBACnet_EDE_File.h"

#include "support/TempFolder.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string EdeFixtures = std::string(VELMARO_FIXTURES) + "/protocols/descriptionfiles/";

const TFileStamp EdeStamp{2024, 3, 7, 9, 5, 3};

TEST(EdeWriter, WritesTheGoldenObjectList) {
    TTempFolder temp;
    const std::string out = temp.File("objects.csv");
    EDE_Build_File(out, EdeFixtures + "ParGen_BACnet.xml", EdeFixtures + "BACnet_Slave.xml", "Plant;A",
                   EdeStamp);
    EXPECT_EQ(ReadFileBytes(out), ReadFileBytes(EdeFixtures + "golden.csv"));
}

TEST(EdeWriter, ObjectLinesNumberInstancesPerTypeAcrossBothTables) {
    TEdeRun run;
    EDE_Read_ParGen(EdeFixtures + "ParGen_BACnet.xml", run);
    EDE_Read_Objects(EdeFixtures + "BACnet_Slave.xml", run);
    const auto lines = EDE_Lines(run, "P", EdeStamp);
    ASSERT_EQ(lines.size(), 7u + 7u);
    EXPECT_EQ(lines[2], "TIMESTAMP_OF_LAST_CHANGE;09:05:03 07/03/2024;;;;;;");
    EXPECT_EQ(lines[7],
              "1001_Temperature Sensor Hall 1_0;1001;Temperature Sens;0;0;Temperature Sens;62;");
    EXPECT_EQ(lines[8], "1001_Pressure_1;1001;Pressure;0;1;Pressure;53;");
    EXPECT_EQ(lines[11], "1001_Pump,On_0;1001;Pump,On;5;0;Pump,On;95;")
        << "the separator inside a text never breaks the row";
    EXPECT_EQ(lines[13], "1001_Setpoint Mode_2;1001;Setpoint Mode;19;2;Setpoint Mode;95;");
}

TEST(EdeWriter, GeneralParametersChooseDeviceInstanceAndNameLength) {
    struct Case {
        const char* parGen;
        const char* instance;
        bool longNames;
    };
    for (const Case& c :
         {Case{"<Par_Gen><BACnet_Type>1</BACnet_Type><BACnet_Ser_DEV_IDE>7</BACnet_Ser_DEV_IDE>"
               "<BACnet_DEV_IDE>8</BACnet_DEV_IDE></Par_Gen>",
               "7", false},
          Case{"<Par_Gen><BACnet_Type>01</BACnet_Type><BACnet_Ser_DEV_IDE>7</BACnet_Ser_DEV_IDE>"
               "</Par_Gen>",
               "7", false},
          Case{"<Par_Gen><BACnet_Type>x</BACnet_Type><BACnet_Ser_DEV_IDE>7</BACnet_Ser_DEV_IDE>"
               "<BACnet_DEV_IDE>8</BACnet_DEV_IDE><BACnet_Desc_Chars_Limit>1"
               "</BACnet_Desc_Chars_Limit></Par_Gen>",
               "8", true},
          Case{"<Par_Gen><BACnet_Desc_Chars_Limit> 1</BACnet_Desc_Chars_Limit></Par_Gen>", "",
               false}}) {
        TTempFolder temp;
        TEdeRun run;
        EDE_Read_ParGen(temp.Write("ParGen.xml", c.parGen), run);
        EXPECT_EQ(run.Device_Instance, c.instance) << c.parGen;
        EXPECT_EQ(run.Long_Names, c.longNames) << c.parGen;
    }
}

TEST(EdeWriter, LongNamesKeepUpToThirtyTwoCharacters) {
    TEdeRun run;
    run.Long_Names = true;
    EDE_Read_Objects(EdeFixtures + "BACnet_Slave.xml", run);
    EXPECT_EQ(run.Objects[0].ObjectName, "Temperature Sensor Hall 1");
    EXPECT_EQ(run.Objects[0].Keyname, "_Temperature Sensor Hall 1_0");
}

TEST(EdeWriter, TypeCodesIgnoreBlanksAndCase) {
    EXPECT_EQ(BACnet_Object_Type_Code(" binary value "), 5);
    EXPECT_EQ(BACnet_Object_Type_Code("Positive Integer Value"), 48);
    EXPECT_EQ(BACnet_Object_Type_Code("Octet String"), -1);
}

TEST(EdeWriter, RefusesUnknownTypesAndIncompleteRowsNamingTheRowAndWritesNothing) {
    struct Case {
        const char* table;
        const char* message;
    };
    for (const Case& c :
         {Case{"<BACnet_Slave><BACnet_in_Read/><BACnet_in_Write><row Data_Type=\"Analog Value\" "
               "Eng_Unit=\"1\" Mnemonic=\"a\"/><row Data_Type=\"Octet String\" Eng_Unit=\"1\" "
               "Mnemonic=\"b\"/></BACnet_in_Write></BACnet_Slave>",
               "BACnet object table \"BACnet in Write\", row 2: unknown object type \"Octet "
               "String\""},
          Case{"<BACnet_Slave><BACnet_in_Read><row Data_Type=\"Analog Value\" Eng_Unit=\"1\"/>"
               "</BACnet_in_Read></BACnet_Slave>",
               "BACnet object table \"BACnet in Read\", row 1: the row lacks Data_Type, "
               "Eng_Unit or Mnemonic"}}) {
        TTempFolder temp;
        const std::string out = temp.Write("objects.csv", "old");
        try {
            EDE_Build_File(out, temp.File("ParGen.xml"), temp.Write("BACnet_Slave.xml", c.table),
                           "P", EdeStamp);
            ADD_FAILURE() << "accepted " << c.table;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, c.message);
        }
        EXPECT_EQ(ReadFileBytes(out), "old");
    }
}

TEST(EdeWriter, WithoutFilesOnlyTheHeaderIsWritten) {
    TTempFolder temp;
    const std::string out = temp.File("objects.csv");
    EDE_Build_File(out, temp.File("ParGen.xml"), temp.File("BACnet_Slave.xml"), "P", EdeStamp);
    const std::string bytes = ReadFileBytes(out);
    EXPECT_EQ(bytes.rfind("# keyname;"), bytes.find("# keyname;"));
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 12), "unit-code;\r\n");
}

TEST(EdeWriter, FileNameGetsTheCsvExtensionOnce) {
    EXPECT_EQ(EDE_File_Name("objects"), "objects.csv");
    EXPECT_EQ(EDE_File_Name("objects.CSV"), "objects.CSV");
    EXPECT_EQ(EDE_File_Name("objects.txt"), "objects.txt.csv");
}

TEST(EdeWriter, AFileThatCannotBeWrittenIsReported) {
    TTempFolder temp;
    EXPECT_THROW(EDE_Build_File(temp.File("missing/objects.csv"), temp.File("ParGen.xml"),
                                temp.File("BACnet_Slave.xml"), "P", EdeStamp),
                 EFileError);
}

} // namespace
