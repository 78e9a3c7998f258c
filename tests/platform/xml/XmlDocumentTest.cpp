#include "platform/xml/XmlDocument.h"
#include "platform/core/Exception.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const std::string Fixtures = std::string(VELMARO_FIXTURES) + "/platform/xml/";

TEST(TXMLDocument, WritesRootThenCommentWithoutDeclarationOrIndentation) {
    TXMLDocument xml;
    EXPECT_FALSE(xml.Active());
    TXmlNode root = xml.CreateRoot("Par_Gen");
    xml.AddComment("SW_VERSION = 1.000");
    root.AddChild("HART_Master_Address").SetText("Primary Master");
    root.AddChild("Web_Pages_User").SetText("");
    root.AddChild("Ethernet_IP1").SetText(" 010");
    EXPECT_TRUE(xml.Active());
    EXPECT_EQ(xml.SaveToString(),
              "<Par_Gen><HART_Master_Address>Primary Master</HART_Master_Address>"
              "<Web_Pages_User/><Ethernet_IP1> 010</Ethernet_IP1></Par_Gen>"
              "<!--SW_VERSION = 1.000-->");
}

TEST(TXMLDocument, IndentsOnlyWhenAsked) {
    TXMLDocument xml;
    xml.Indent(true);
    xml.CreateRoot("HART").AddChild("HART_Variables").AddChild("row").SetAttribute("Enable", "Y");
    EXPECT_EQ(xml.SaveToString(), "<HART>\n  <HART_Variables>\n    <row Enable=\"Y\" />\n"
                                  "  </HART_Variables>\n</HART>\n");
}

TEST(TXMLDocument, FileRoundTripKeepsTextsAttributesAndSpecialCharacters) {
    TTempFolder folder;
    const std::string path = folder.File("HART_Variables.xml");
    {
        TXMLDocument xml;
        TXmlNode row = xml.CreateRoot("HART").AddChild("HART_Variables").AddChild("row");
        row.SetAttribute("Mnemonic", "caf\xC3\xA9 <&> \"q\" 'a'");
        row.SetAttribute("Cmd_Params", "");
        row.SetAttribute("Mnemonic", "replaced \xE2\x82\xAC");
        xml.DocumentElement().AddChild("Blank").SetText("  ");
        xml.AddComment("SW_VERSION = 1.000");
        xml.SaveToFile(path);
    }
    TXMLDocument xml;
    xml.LoadFromFile(path);
    const TXmlNode row = xml.DocumentElement().ChildNode("HART_Variables").ChildNode("row");
    EXPECT_EQ(row.Attribute("Mnemonic"), "replaced \xE2\x82\xAC");
    EXPECT_TRUE(row.HasAttribute("Cmd_Params"));
    EXPECT_EQ(row.Attribute("Cmd_Params", "default"), "");
    EXPECT_EQ(xml.DocumentElement().ChildNode("Blank").Text(), "  ");
    EXPECT_TRUE(xml.SaveToString().ends_with("<!--SW_VERSION = 1.000-->"));
}

TEST(TXMLDocument, ReadsAnIndentedTableFileRowByRowWithDefaults) {
    TXMLDocument xml;
    xml.LoadFromFile(Fixtures + "table_indented.xml");
    const std::vector<TXmlNode> rows =
        xml.DocumentElement().ChildNode("HART_Variables").ChildElements();
    ASSERT_EQ(rows.size(), 2u); // the comment between rows is no row
    EXPECT_EQ(rows[0].Attribute("Device_Address"), "$1A");
    EXPECT_EQ(rows[0].Attribute("Mnemonic", "none"), "none");
    EXPECT_FALSE(rows[0].HasAttribute("Mnemonic"));
    EXPECT_EQ(rows[1].Attribute("Enable"), "N");
    EXPECT_EQ(rows[1].Attribute("Mnemonic"), "caf\xC3\xA9 & <co>");
    EXPECT_EQ(rows[1].Attribute("Var_Operation", "None"), "None");
    EXPECT_EQ(xml.DocumentElement().ChildNode("HART_Variables").Text(), "");
}

TEST(TXMLDocument, TakesTheFirstElementAsRootWhateverItsName) {
    TXMLDocument xml;
    xml.LoadFromString("<!-- written by hand --><Settings><lastlang><language>Italiano</language>"
                       "</lastlang></Settings><!--SW_VERSION = 1.000-->");
    EXPECT_EQ(xml.DocumentElement().NodeName(), "Settings");
    EXPECT_EQ(xml.DocumentElement().ChildNode("lastlang").ChildNode("language").Text(), "Italiano");
}

TEST(TXMLDocument, AttributeValuesKeepLineBreaksTabsAndBlanksExactly) {
    const std::vector<std::string> values = {"a\r\nb", "\tx\t", "  lead and trail  ", "cr\ronly",
                                             ""};
    TXMLDocument written;
    TXmlNode section = written.CreateRoot("HART").AddChild("HART_Variables");
    for (const std::string& value : values)
        section.AddChild("row").SetAttribute("Mnemonic", value);
    TXMLDocument read;
    read.LoadFromString(written.SaveToString());
    const std::vector<TXmlNode> rows =
        read.DocumentElement().ChildNode("HART_Variables").ChildElements();
    ASSERT_EQ(rows.size(), values.size());
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(rows[i].Attribute("Mnemonic", "missing"), values[i]) << i;
}

TEST(TXMLDocument, ElementTextKeepsCarriageReturnsExactly) {
    // Read back as line ends they would turn into LFs, changing a password or a name.
    const std::vector<std::string> values = {"a\rb", "a\r\nb", "\r", "end\r"};
    for (const std::string& value : values) {
        TXMLDocument written;
        written.CreateRoot("Par_Gen").AddChild("Web_Pages_Password").SetText(value);
        TXMLDocument read;
        read.LoadFromString(written.SaveToString());
        EXPECT_EQ(read.DocumentElement().ChildNode("Web_Pages_Password").Text(), value);
    }
}

struct ForeignFileCase {
    const char* Name;
    std::string Bytes;
};

TEST(TXMLDocument, ReadsFilesOfOtherWritersAlike) {
    const std::string body = "<Conf_Settings>\r\n  <lastlang>\r\n    <language>Fran\xC3\xA7"
                             "ais</language>\r\n  </lastlang>\r\n</Conf_Settings>\r\n";
    std::string utf16 = "\xFF\xFE";
    for (const char16_t unit :
         std::u16string_view(u"<Conf_Settings><lastlang><language>Fran\u00E7ais</language>"
                             u"</lastlang></Conf_Settings>"))
        utf16 += std::string{static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    const std::vector<ForeignFileCase> cases = {
        {"crlf", body},
        {"declaration", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n" + body},
        {"bom", "\xEF\xBB\xBF" + body},
        {"utf16", utf16},
    };
    for (const ForeignFileCase& c : cases) {
        TXMLDocument xml;
        xml.LoadFromString(c.Bytes);
        EXPECT_EQ(xml.DocumentElement().ChildNode("lastlang").ChildNode("language").Text(),
                  "Fran\xC3\xA7"
                  "ais")
            << c.Name;
    }
}

TEST(TXMLDocument, ChildLookupTakesTheFirstOfAName) {
    TXMLDocument xml;
    xml.LoadFromString("<r><a>1</a><b>x</b><a>2</a><c><d/>text</c></r>");
    const TXmlNode root = xml.DocumentElement();
    EXPECT_EQ(root.ChildNode("a").Text(), "1");
    EXPECT_EQ(root.ChildElements("a").size(), 2u);
    EXPECT_EQ(root.ChildElements().size(), 4u);
    EXPECT_TRUE(root.ChildNode("missing").IsNull());
    EXPECT_FALSE(root.ChildNode("a").HasChildElements());
    EXPECT_TRUE(root.ChildNode("c").HasChildElements());
}

TEST(TXmlNode, NullNodesAnswerNothingAndIgnoreChanges) {
    TXmlNode null;
    EXPECT_TRUE(null.IsNull());
    EXPECT_EQ(null.NodeName(), "");
    EXPECT_TRUE(null.ChildNode("x").IsNull());
    EXPECT_TRUE(null.AddChild("x").IsNull());
    EXPECT_TRUE(null.ChildElements().empty());
    EXPECT_EQ(null.Attribute("a", "fallback"), "fallback");
    null.SetText("x");
    null.SetAttribute("a", "b");
    EXPECT_EQ(null.Text(), "");

    TXMLDocument empty;
    EXPECT_TRUE(empty.DocumentElement().IsNull());
}

TEST(TXMLDocument, SetTextReplacesTheText) {
    TXMLDocument xml;
    TXmlNode node = xml.CreateRoot("r").AddChild("projectname");
    node.SetText("first");
    node.SetText("second");
    EXPECT_EQ(node.Text(), "second");
    node.SetText("");
    EXPECT_EQ(xml.SaveToString(), "<r><projectname/></r>");
}

TEST(TXMLDocument, CreateRootAndClearDropWhatWasLoaded) {
    TXMLDocument xml;
    xml.LoadFromString("<old><x/></old><!--c-->");
    xml.CreateRoot("Conf_Settings");
    EXPECT_EQ(xml.SaveToString(), "<Conf_Settings/>");
    xml.Clear();
    EXPECT_EQ(xml.SaveToString(), "");
    EXPECT_TRUE(xml.DocumentElement().IsNull());
}

struct BrokenCase {
    const char* Name;
    std::string Content;
};

TEST(TXMLDocument, UnparseableFileRaisesAMessageNamingFileAndErrorAndEmptiesTheDocument) {
    const std::vector<BrokenCase> cases = {
        {"empty.xml", ""},
        {"truncated.xml", "<Par_Gen><Ethernet_IP1>192</Ethernet_IP1>"},
        {"mismatched.xml", "<a>\n<b></a>"},
        {"text.xml", "not xml at all"},
    };
    TTempFolder folder;
    for (const BrokenCase& c : cases) {
        TXMLDocument xml;
        xml.LoadFromString("<previous/>");
        const std::string path = folder.Write(c.Name, c.Content);
        try {
            xml.LoadFromFile(path);
            ADD_FAILURE() << c.Name << ": no exception";
        } catch (const Exception& error) {
            EXPECT_NE(error.Message.find(path), std::string::npos) << error.Message;
            EXPECT_GT(error.Message.size(), path.size() + 20) << error.Message;
        }
        EXPECT_TRUE(xml.DocumentElement().IsNull()) << c.Name;
    }
}

TEST(TXMLDocument, DocumentsThatAreNotWellFormedAreRefusedAndLeaveTheDocumentEmpty) {
    const std::vector<BrokenCase> cases = {
        {"text before the root", "x<Par_Gen/>"},
        {"text before the root after a comment", "<!--c-->x<Par_Gen/>"},
        {"text after the root", "<Par_Gen/>x"},
        {"text after the closing comment", "<Par_Gen/><!--SW_VERSION = 1.000-->\nend"},
        {"two root elements", "<Par_Gen><Ethernet_IP1>1</Ethernet_IP1></Par_Gen><Par_Gen/>"},
        {"two different root elements", "<a/>\n<b/>"},
        {"unclosed element", "<Par_Gen><Ethernet_IP1>1</Ethernet_IP1>"},
        {"unclosed inner element", "<Par_Gen><Ethernet_IP1>1</Par_Gen>"},
        {"CDATA beside the root", "<![CDATA[x]]><Par_Gen/>"},
        {"comment only", "<!--c-->"},
        {"blanks only", " \r\n\t"},
        {"text before the root in UTF-16", std::string("\xFF\xFEx\0<\0a\0/\0>\0", 12)},
        {"reference to character 0", "<Par_Gen>a&#0;b</Par_Gen>"},
        {"hex reference to character 0 in an attribute", "<HART><row Tag=\"&#x00;\"/></HART>"},
    };
    for (const BrokenCase& c : cases) {
        TXMLDocument xml;
        xml.LoadFromString("<previous/>");
        EXPECT_THROW(xml.LoadFromString(c.Content), Exception) << c.Name;
        EXPECT_TRUE(xml.DocumentElement().IsNull()) << c.Name;
    }
}

TEST(TXMLDocument, WellFormedDocumentsMayHaveCommentsInstructionsAndBlanksBesideTheRoot) {
    const std::vector<BrokenCase> cases = {
        {"blanks around", " \r\n<Par_Gen/>\r\n\t "},
        {"comments before and after", "<!--a-->\n<Par_Gen/>\n<!--b-->"},
        {"declaration, instruction and document type",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE Par_Gen>\n<?style x?><Par_Gen/><?after y?>"},
    };
    for (const BrokenCase& c : cases) {
        TXMLDocument xml;
        EXPECT_NO_THROW(xml.LoadFromString(c.Content)) << c.Name;
        EXPECT_EQ(xml.DocumentElement().NodeName(), "Par_Gen") << c.Name;
    }
}

TEST(TXMLDocument, ContentBesideTheRootIsAnErrorTellingWhere) {
    struct Case {
        std::string Content;
        std::string Reason;
    };
    const std::vector<Case> cases = {
        {"<a/>\n  more", "Text outside the root element at line 2"},
        {"<a/>\n<b/>", "Second root element <b> at line 2"},
    };
    for (const Case& c : cases) {
        TXMLDocument xml;
        try {
            xml.LoadFromString(c.Content);
            ADD_FAILURE() << c.Content << ": no exception";
        } catch (const Exception& error) {
            EXPECT_NE(error.Message.find(c.Reason), std::string::npos) << error.Message;
        }
    }
}

TEST(TXMLDocument, ParseErrorsTellWhere) {
    TXMLDocument xml;
    try {
        xml.LoadFromString("<a>\n<b></a>");
        FAIL() << "no exception";
    } catch (const Exception& error) {
        EXPECT_NE(error.Message.find("line 2"), std::string::npos) << error.Message;
    }
}

TEST(TXMLDocument, MissingFileRaisesAFileError) {
    TTempFolder folder;
    TXMLDocument xml;
    EXPECT_THROW(xml.LoadFromFile(folder.File("ParGen.xml")), EFileError);
}

} // namespace
