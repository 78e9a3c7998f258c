// The texts of the table files: control characters blanked, line breaks kept where a column
// holds several lines, and kept through the XML attribute they are written to.
#include "app/core/TableFile.h"

#include <gtest/gtest.h>

namespace {

TEST(TableFileTest, ControlCharactersAreBlankedAndLineBreaksKeptOnlyWhenAsked) {
    const struct {
        const char* Text;
        bool Keep_Line_Breaks;
        const char* Expected;
    } cases[] = {
        {"plain", false, "plain"},
        {"a\nb", false, "a b"},
        {"a\r\nb", false, "a  b"},
        {"a\nb", true, "a\nb"},
        {"a\r\nb\rc", true, "a\r\nb\rc"},
        {"tab\there", true, "tab here"},
        {"bell\a\x7f", true, "bell  "},
        {"c1 \xC2\x85 end", true, "c1   end"},
        {"caf\xC3\xA9", true, "caf\xC3\xA9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Table_File_Text(c.Text, c.Keep_Line_Breaks), c.Expected) << c.Text;
}

TEST(TableFileTest, LineBreaksAreWrittenAsReferencesAndReadBackOnlyWhereKept) {
    const std::string text = Table_File_Text("{\r\n  \"v\": $VALUE$\n}\t", true);
    TXMLDocument xml;
    TXmlNode row = Begin_Table_File(xml, "Root", "Section").AddChild("row");
    row.SetAttribute("Template", text);
    row.SetAttribute("Other", text);
    const std::string saved = xml.SaveToString();
    EXPECT_NE(saved.find("Template=\"{&#13;&#10;  &quot;v&quot;: $VALUE$&#10;} \""),
              std::string::npos)
        << saved;

    TXMLDocument loaded;
    loaded.LoadFromString(saved);
    const std::vector<TTableFileRow> rows =
        Read_Table_File_Rows(loaded, "Section", {"Template", "Other", "Missing"}, 10, {true});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], "{\r\n  \"v\": $VALUE$\n} ");
    EXPECT_EQ(rows[0][1], "{    \"v\": $VALUE$ } ");
    EXPECT_FALSE(rows[0][2].has_value());
}

} // namespace
