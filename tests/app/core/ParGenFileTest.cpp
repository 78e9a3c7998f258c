#include "app/core/ParGenFile.h"

#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::string ParGen(std::string_view elements) {
    return "<Par_Gen>" + std::string(elements) + "</Par_Gen><!--SW_VERSION = 1.000-->";
}

} // namespace

TEST(ParGenFileTest, MissingFileGivesTheEditorDefaults) {
    TTempFolder temp;
    const TParGenValues values = Read_ParGen_File(temp.File("ParGen.xml"));
    EXPECT_EQ(values.HART_Master_Address, 0);
    EXPECT_EQ(values.HART_Master_Retry_Limit, 0);
    EXPECT_EQ(values.Ethernet_IP, (std::array<std::string, 4>{"192", "168", "0", "10"}));
    EXPECT_EQ(values.Ethernet_SM, (std::array<std::string, 4>{"255", "255", "255", "0"}));
    EXPECT_EQ(values.Ethernet_GAT, (std::array<std::string, 4>{"192", "168", "0", "1"}));
    EXPECT_FALSE(values.Ethernet_EN_GAT);
    EXPECT_EQ(values.Ethernet_DNS, (std::array<std::string, 4>{"8", "8", "8", "8"}));
    EXPECT_FALSE(values.Ethernet_EN_DNS);
    EXPECT_EQ(values.PROFIBUS_ID_Device, "10");
    EXPECT_EQ(values.PROFINET_NB_IN, "244");
    EXPECT_EQ(values.PROFINET_NB_OUT, "244");
    EXPECT_EQ(values.Web_Pages_User, "");
    EXPECT_EQ(values.Web_Pages_Password, "");
}

TEST(ParGenFileTest, ReadersFindEachElementOnItsOwn) {
    struct Case {
        const char* Description;
        std::string Content;
        void (*Expect)(const TParGenValues&);
    };
    const Case cases[] = {
        {"secondary master in lower case with blanks",
         ParGen("<HART_Master_Address>  secondary "
                "master </HART_Master_Address>"),
         [](const TParGenValues& v) { EXPECT_EQ(v.HART_Master_Address, 1); }},
        {"unknown master text selects the primary master",
         ParGen("<HART_Master_Address>Tertiary</HART_Master_Address>"),
         [](const TParGenValues& v) { EXPECT_EQ(v.HART_Master_Address, 0); }},
        {"retry limit 5", ParGen("<HART_Master_Retry_Limit> 5</HART_Master_Retry_Limit>"),
         [](const TParGenValues& v) { EXPECT_EQ(v.HART_Master_Retry_Limit, 3); }},
        {"flags are on only for exactly 1",
         ParGen("<Ethernet_EN_GAT>true</Ethernet_EN_GAT><Ethernet_EN_DNS> 1</Ethernet_EN_DNS>"),
         [](const TParGenValues& v) {
             EXPECT_FALSE(v.Ethernet_EN_GAT);
             EXPECT_FALSE(v.Ethernet_EN_DNS);
         }},
        {"texts are kept as typed, out of range included",
         ParGen(
             "<Ethernet_IP1>010</Ethernet_IP1><Ethernet_GAT4>300</Ethernet_GAT4>"
             "<Ethernet_EN_GAT>1</Ethernet_EN_GAT><Web_Pages_User>administrator</Web_Pages_User>"),
         [](const TParGenValues& v) {
             EXPECT_EQ(v.Ethernet_IP[0], "010");
             EXPECT_EQ(v.Ethernet_IP[1], "168");
             EXPECT_EQ(v.Ethernet_GAT[3], "300");
             EXPECT_TRUE(v.Ethernet_EN_GAT);
             EXPECT_EQ(v.Web_Pages_User, "administrator");
         }},
        {"an empty element reads as empty text", ParGen("<Ethernet_IP4/>"),
         [](const TParGenValues& v) { EXPECT_EQ(v.Ethernet_IP[3], ""); }},
        {"the first of two elements counts; an element holding elements is missing",
         ParGen("<PROFIBUS_ID_Device>7</PROFIBUS_ID_Device><PROFIBUS_ID_Device>8</"
                "PROFIBUS_ID_Device><PROFINET_NB_IN><x>1</x></PROFINET_NB_IN>"),
         [](const TParGenValues& v) {
             EXPECT_EQ(v.PROFIBUS_ID_Device, "7");
             EXPECT_EQ(v.PROFINET_NB_IN, "244");
         }},
        {"the root is taken by position, not by name",
         "<Other><PROFINET_NB_OUT>12</PROFINET_NB_OUT><PROFINET_NAME_STA>x</PROFINET_NAME_STA>"
         "</Other>",
         [](const TParGenValues& v) { EXPECT_EQ(v.PROFINET_NB_OUT, "12"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Description);
        TTempFolder temp;
        WriteFileAtomic(temp.File("ParGen.xml"), c.Content);
        c.Expect(Read_ParGen_File(temp.File("ParGen.xml")));
    }
}

TEST(ParGenFileTest, WritesThe25ElementsInOrderWithTheVersionComment) {
    TTempFolder temp;
    TParGenValues values;
    values.HART_Master_Address = 1;
    values.HART_Master_Retry_Limit = 2;
    values.Ethernet_EN_GAT = true;
    values.Web_Pages_User = "admin";
    values.Web_Pages_Password = "secret";
    Write_ParGen_File(temp.File("ParGen.xml"), values);
    EXPECT_EQ(
        ReadFileBytes(temp.File("ParGen.xml")),
        "<Par_Gen><HART_Master_Address>Secondary Master</HART_Master_Address>"
        "<HART_Master_Retry_Limit>4</HART_Master_Retry_Limit>"
        "<Ethernet_IP1>192</Ethernet_IP1><Ethernet_IP2>168</Ethernet_IP2>"
        "<Ethernet_IP3>0</Ethernet_IP3><Ethernet_IP4>10</Ethernet_IP4>"
        "<Ethernet_SM1>255</Ethernet_SM1><Ethernet_SM2>255</Ethernet_SM2>"
        "<Ethernet_SM3>255</Ethernet_SM3><Ethernet_SM4>0</Ethernet_SM4>"
        "<Ethernet_GAT1>192</Ethernet_GAT1><Ethernet_GAT2>168</Ethernet_GAT2>"
        "<Ethernet_GAT3>0</Ethernet_GAT3><Ethernet_GAT4>1</Ethernet_GAT4>"
        "<Ethernet_EN_GAT>1</Ethernet_EN_GAT>"
        "<Ethernet_DNS1>8</Ethernet_DNS1><Ethernet_DNS2>8</Ethernet_DNS2>"
        "<Ethernet_DNS3>8</Ethernet_DNS3><Ethernet_DNS4>8</Ethernet_DNS4>"
        "<Ethernet_EN_DNS>0</Ethernet_EN_DNS>"
        "<PROFIBUS_ID_Device>10</PROFIBUS_ID_Device>"
        "<PROFINET_NB_IN>244</PROFINET_NB_IN><PROFINET_NB_OUT>244</PROFINET_NB_OUT>"
        "<Web_Pages_User>admin</Web_Pages_User><Web_Pages_Password>secret</Web_Pages_Password>"
        "</Par_Gen><!--SW_VERSION = 1.000-->");
}

TEST(ParGenFileTest, WrittenValuesReadBackTheSameAndUnknownElementsAreGone) {
    TTempFolder temp;
    const std::string path = temp.File("ParGen.xml");
    WriteFileAtomic(path, ParGen("<PROFINET_NAME_STA>station</PROFINET_NAME_STA>"));
    TParGenValues values;
    values.HART_Master_Retry_Limit = 3;
    values.Ethernet_IP = {"010", " 1", "x", ""};
    values.Ethernet_EN_DNS = true;
    values.Web_Pages_Password = "p<&>\xC3\xA8";
    Write_ParGen_File(path, values);
    EXPECT_EQ(Read_ParGen_File(path), values);
    EXPECT_EQ(ReadFileBytes(path).find("PROFINET_NAME_STA"), std::string::npos);
}

TEST(ParGenFileTest, FileThatIsNotWellFormedXmlIsAnErrorNamingIt) {
    const char* const contents[] = {
        "<Par_Gen><Ethernet_IP1>",
        "x<Par_Gen><Ethernet_IP1>10</Ethernet_IP1></Par_Gen>",
        "<Par_Gen><Ethernet_IP1>10</Ethernet_IP1></Par_Gen><Par_Gen/>",
        "<Par_Gen><Ethernet_IP1>10</Ethernet_IP1></Par_Gen>x",
    };
    TTempFolder temp;
    const std::string path = temp.File("ParGen.xml");
    for (const char* content : contents) {
        WriteFileAtomic(path, content);
        try {
            Read_ParGen_File(path);
            ADD_FAILURE() << content << ": no error";
        } catch (const Exception& error) {
            EXPECT_NE(error.Message.find("ParGen.xml"), std::string::npos) << error.Message;
        }
    }
}

TEST(ParGenFileTest, FailedWriteIsReported) {
    TTempFolder temp;
    EXPECT_THROW(Write_ParGen_File(temp.File("missing/ParGen.xml"), TParGenValues()), EFileError);
}

TEST(ParGenFileTest, ListPositionWithoutItemIsRefusedAndNothingIsWritten) {
    TTempFolder temp;
    TParGenValues values;
    values.HART_Master_Retry_Limit = 4;
    EXPECT_THROW(Write_ParGen_File(temp.File("ParGen.xml"), values), Exception);
    EXPECT_FALSE(FileExists(temp.File("ParGen.xml")));
}

TEST(ParGenFileTest, TypedTextsReadBackExactly) {
    const char* const texts[] = {
        "   ", " a b ", "x]]>y", "\"'&amp;", "\xC3\xA8\xE2\x82\xAC", "tab\tin", "",
    };
    for (const char* text : texts) {
        TTempFolder temp;
        TParGenValues values;
        values.Web_Pages_User = text;
        values.Web_Pages_Password = std::string(text) + "!";
        values.Ethernet_GAT[2] = text;
        Write_ParGen_File(temp.File("ParGen.xml"), values);
        EXPECT_EQ(Read_ParGen_File(temp.File("ParGen.xml")), values) << "[" << text << "]";
    }
}
