#include "devicelink/Ethernet_Update_Job.h"

#include "platform/core/Exception.h"
#include "platform/xml/XmlDocument.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(Ethernet_Update_JobTest, AJobFileThatCanNotBeWrittenRaisesNamingIt) {
    const TTempFolder folder;
    const std::string target = folder.File(std::string("missing/") + Ethernet_Update_Job_File);
    try {
        Save_Ethernet_Update_Job({"10.0.0.1", Update_Firmware, true, "/m", "/p"}, target);
        FAIL() << "no error for a folder that does not exist";
    } catch (const Exception& error) {
        EXPECT_NE(error.Message.find("Ethernet_Update.xml"), std::string::npos) << error.Message;
    }
}

TEST(Ethernet_Update_JobDocumentTest, RebuildingReplacesTheWholeDocument) {
    TXMLDocument XML1;
    XML1.CreateRoot("Par_Gen").AddChild("Ethernet_IP1").SetText("192");
    Compile_XML_Parameter_New_Boot(
        XML1, {"10.0.0.1", Update_Firmware_And_Configuration, true, "/m", "/p"});
    Compile_XML_Parameter_New_Boot(XML1, {"10.0.0.2", Update_Configuration, false, "/m", "/p"});
    const TXmlNode root = XML1.DocumentElement();
    EXPECT_EQ(root.NodeName(), "Ethernet_Update");
    EXPECT_EQ(root.ChildNode("IP_Address_Dev").Text(), "10.0.0.2");
    EXPECT_EQ(root.ChildNode("Operations").ChildElements("Operation").size(), 2u);
    EXPECT_TRUE(root.ChildNode("Ethernet_IP1").IsNull());
}

TEST(Ethernet_Update_JobDocumentTest, AnOptionOutsideTheListLoadsNothing) {
    TXMLDocument XML1;
    Compile_XML_Parameter_New_Boot(XML1, {"10.0.0.1", -1, true, "/m", "/p"});
    EXPECT_TRUE(XML1.DocumentElement().ChildNode("Operations").ChildElements().empty());
}

} // namespace
