// The CSV reader on any file contents. Input: an options byte, then the text.
#include "FuzzSupport.h"

#include "grid/stringgrid/CsvText.h"
#include "platform/core/Exception.h"

#include <algorithm>

namespace {

// What the reader takes back must be written again so that it reads the same.
void Check_Round_Trip(const std::vector<TCsvRecord>& records, const TCsvOptions& options) {
    std::string text;
    for (const TCsvRecord& record : records) {
        for (std::size_t i = 0; i < record.size(); ++i) {
            if (i > 0)
                text += options.Delimiter;
            text += CsvField(record[i], options);
        }
        // A record whose last field is empty would lose it to the trailing-delimiter rule.
        if (!record.empty() && record.back().empty())
            return;
        text += "\r\n";
    }
    const std::vector<TCsvRecord> again = ParseCsv(text, options);
    FUZZ_CHECK(again == records);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    TCsvOptions options;
    options.JavaCSV = (data[0] & 1) != 0;
    options.AlwaysQuotes = (data[0] & 2) != 0;
    std::string_view first, second;
    FirstTwoLines(text, first, second);
    options.Delimiter = DetectCsvDelimiter(first, second);
    try {
        const std::vector<TCsvRecord> records = ParseCsv(text, options);
        // The grid sizes itself by the quick measure before it splits: both must agree.
        const TCsvShape shape = MeasureCsv(text, options);
        size_t widest = 0;
        for (const TCsvRecord& record : records)
            widest = std::max(widest, record.size());
        FUZZ_CHECK(shape.Records == records.size() && shape.WidestRecord == widest);
        if (options.Delimiter != '\0')
            Check_Round_Trip(records, options);
    } catch (const Exception&) {
        // A damaged file is refused with a message.
    }
    return 0;
}
