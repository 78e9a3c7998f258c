// The table files of the table windows: any document gives rows of the asked attributes, at most
// as many as asked, with no control character in any text but the line breaks of a multi-line
// column.
#include "FuzzSupport.h"

#include "app/core/TableFile.h"
#include "platform/core/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TXMLDocument xml;
    try {
        xml.LoadFromString(FuzzText(data, size));
    } catch (const Exception&) {
        return 0; // not well-formed XML: reported to the user
    }
    const std::vector<std::string> attributes = {"Enable", "COBID", "Mnemonic", "Template"};
    const std::vector<bool> multiLine = {false, false, false, true};
    for (std::string_view section : {std::string_view(), std::string_view("HART_Variables"),
                                     std::string_view("MQTT_Publish")}) {
        const std::vector<TTableFileRow> rows =
            Read_Table_File_Rows(xml, section, attributes, 8, multiLine);
        FUZZ_CHECK(rows.size() <= 8);
        for (const TTableFileRow& row : rows) {
            FUZZ_CHECK(row.size() == attributes.size());
            for (size_t k = 0; k < row.size(); ++k) {
                if (!row[k])
                    continue;
                for (char ch : *row[k]) {
                    const bool lineBreak = ch == '\r' || ch == '\n';
                    FUZZ_CHECK_MSG((static_cast<unsigned char>(ch) >= 0x20 && ch != 0x7F) ||
                                       (lineBreak && multiLine[k]),
                                   "a control character reached a cell");
                }
            }
        }
    }
    return 0;
}
