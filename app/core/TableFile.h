#pragma once

#include "platform/xml/XmlDocument.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Every table of a configuration is one XML file: a root element named after the table, the
// version comment after it at document level, and one "row" element per grid row, directly under
// the root or under a section element per grid, each column an attribute.

inline constexpr std::string_view Table_File_Version_Comment = "SW_VERSION = 1.000";

// Empties `xml` and starts a table file with `root`, the version comment and, when named, the
// section under the root. Returns the element that the rows go under.
TXmlNode Begin_Table_File(TXMLDocument& xml, std::string_view root, std::string_view section = {});

// The element holding the rows: the document's first element taken as the root whatever its name,
// then the section found by name among its children (the root itself when no section is named).
// A null node when either is missing.
TXmlNode Table_File_Rows(const TXMLDocument& xml, std::string_view section = {});

// One row of a table file: for each attribute asked for, in that order, its text with control
// characters blanked (Table_File_Text), or nothing when the row lacks the attribute.
using TTableFileRow = std::vector<std::optional<std::string>>;

// The row elements under the rows' element (Table_File_Rows) in document order, at most
// `maxRows`, each attribute read by itself. `multiLine`, when given, runs beside `attributes`:
// the attributes whose line breaks are kept.
std::vector<TTableFileRow> Read_Table_File_Rows(const TXMLDocument& xml, std::string_view section,
                                                const std::vector<std::string>& attributes,
                                                size_t maxRows,
                                                const std::vector<bool>& multiLine = {});

// A text as a table window keeps it in a cell and writes it to its table file: every control
// character (C0, DEL and C1) becomes a blank, since a cell should never show one. A multi-line
// text keeps its CRs and LFs: the XML writer turns them into character references inside an
// attribute, so a reader gets them back instead of normalising them to blanks.
std::string Table_File_Text(std::string_view text, bool keepLineBreaks = false);

// Check-box columns are stored as "Y" or "N".
inline std::string_view Check_Text(bool ticked) {
    return ticked ? "Y" : "N";
}

// Whether a check-box text (an Enable cell) is ticked: "Y" in any case, blanks around it
// ignored. The table windows and the description writers read it alike.
bool Is_Ticked_Text(std::string_view text);
