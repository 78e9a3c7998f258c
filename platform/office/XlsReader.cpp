// Reads the cell values of every sheet of a legacy .xls workbook through FreeXL.
//
// FreeXL writes outside its buffers on some damaged files, so it runs in a child process of
// its own: a crash there becomes a refused file, never damage in the program.
#include "platform/office/XlsReader.h"

#include "platform/office/OfficeError.h"

#include <freexl.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class TFreeXlHandle {
public:
    explicit TFreeXlHandle(const std::string& fileName) {
        const int result = freexl_open(fileName.c_str(), &FHandle);
        if (result != FREEXL_OK) {
            Close();
            throw EOfficeError("Not a readable .xls workbook: " + fileName + " (FreeXL error " +
                               std::to_string(result) + ")");
        }
    }
    ~TFreeXlHandle() { Close(); }
    TFreeXlHandle(const TFreeXlHandle&) = delete;
    TFreeXlHandle& operator=(const TFreeXlHandle&) = delete;
    const void* Get() const { return FHandle; }

private:
    void Close() {
        if (FHandle)
            freexl_close(FHandle);
        FHandle = nullptr;
    }
    const void* FHandle = nullptr;
};

void CheckFreeXl(int result, const char* what) {
    if (result != FREEXL_OK)
        throw EOfficeError(std::string("Damaged .xls workbook: ") + what + " (FreeXL error " +
                           std::to_string(result) + ")");
}

// Days from 1 January 1970 of a date of the proleptic Gregorian calendar.
long long DaysFromCivil(long long year, unsigned month, unsigned day) {
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

// FreeXL's date texts ("2024-01-01", "2024-01-01 18:00:00", "18:00:00") as day numbers from
// 30 December 1899; anything else stays text.
TSheetValue DateValue(const char* text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    double days = 0;
    if (std::sscanf(text, "%4d-%2d-%2d %2d:%2d:%2d", &year, &month, &day, &hour, &minute,
                    &second) >= 3 &&
        month >= 1 && month <= 12 && day >= 1 && day <= 31)
        days = static_cast<double>(DaysFromCivil(year, month, day) - DaysFromCivil(1899, 12, 30));
    else if (std::sscanf(text, "%2d:%2d:%2d", &hour, &minute, &second) != 3)
        return TSheetValue::FromString(text);
    return TSheetValue::FromDate(days + (hour * 3600 + minute * 60 + second) / 86400.0);
}

TSheetValue CellValue(const FreeXL_CellValue& cell) {
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return TSheetValue::FromNumber(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return TSheetValue::FromNumber(cell.value.double_value);
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return cell.value.text_value ? DateValue(cell.value.text_value) : TSheetValue();
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return cell.value.text_value ? TSheetValue::FromString(cell.value.text_value)
                                     : TSheetValue();
    default:
        return {};
    }
}

} // namespace

static TSheetList ReadInThisProcess(const std::string& fileName) {
    TFreeXlHandle handle(fileName);
    unsigned int count = 0;
    CheckFreeXl(freexl_get_info(handle.Get(), FREEXL_BIFF_SHEET_COUNT, &count), "sheet count");
    TSheetList list;
    for (unsigned int index = 0; index < count; ++index) {
        const char* name = nullptr;
        CheckFreeXl(freexl_get_worksheet_name(handle.Get(), static_cast<unsigned short>(index), &name),
              "sheet name");
        auto sheet = std::make_unique<TWorksheet>(name ? name : "");
        CheckFreeXl(freexl_select_active_worksheet(handle.Get(), static_cast<unsigned short>(index)),
              "sheet");
        unsigned int rows = 0;
        unsigned short columns = 0;
        CheckFreeXl(freexl_worksheet_dimensions(handle.Get(), &rows, &columns), "sheet size");
        for (unsigned int r = 0; r < rows; ++r)
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue cell;
                if (freexl_get_cell_value(handle.Get(), r, c, &cell) == FREEXL_OK)
                    sheet->SetCell(static_cast<int>(r) + 1, c + 1, CellValue(cell));
            }
        list.Sheets.push_back(std::move(sheet));
    }
    if (list.Sheets.empty())
        throw EOfficeError("The workbook holds no worksheet");
    return list;
}

namespace {

// The sheets as the child hands them over: counted strings and numbers, nothing that points.
void PutNumber(std::string& out, uint64_t value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}
void PutText(std::string& out, const std::string& text) {
    PutNumber(out, text.size());
    out += text;
}

class TReader {
public:
    explicit TReader(std::string_view bytes) : FBytes(bytes) {}
    uint64_t Number() {
        uint64_t value = 0;
        if (FBytes.size() < sizeof value)
            throw EOfficeError("Damaged .xls workbook");
        std::memcpy(&value, FBytes.data(), sizeof value);
        FBytes.remove_prefix(sizeof value);
        return value;
    }
    std::string Text() {
        const uint64_t size = Number();
        if (size > FBytes.size())
            throw EOfficeError("Damaged .xls workbook");
        std::string text(FBytes.substr(0, size));
        FBytes.remove_prefix(size);
        return text;
    }
    bool AtEnd() const { return FBytes.empty(); }

private:
    std::string_view FBytes;
};

std::string Serialized(const TSheetList& list) {
    std::string out = "S";
    PutNumber(out, list.Sheets.size());
    for (const auto& sheet : list.Sheets) {
        PutText(out, sheet->Name);
        PutNumber(out, sheet->Cells().size());
        for (const auto& [position, value] : sheet->Cells()) {
            PutNumber(out, position.first);
            PutNumber(out, position.second);
            PutNumber(out, value.Kind);
            double number = value.Number;
            out.append(reinterpret_cast<const char*>(&number), sizeof number);
            PutText(out, value.Text);
        }
    }
    return out;
}

TSheetList Deserialized(std::string_view bytes) {
    TReader in(bytes.substr(1));
    TSheetList list;
    const uint64_t sheets = in.Number();
    for (uint64_t s = 0; s < sheets; ++s) {
        auto sheet = std::make_unique<TWorksheet>(in.Text());
        const uint64_t cells = in.Number();
        for (uint64_t c = 0; c < cells; ++c) {
            const int row = static_cast<int>(in.Number());
            const int column = static_cast<int>(in.Number());
            TSheetValue value;
            value.Kind = static_cast<TSheetValue::TKind>(in.Number());
            const uint64_t bits = in.Number();
            std::memcpy(&value.Number, &bits, sizeof bits);
            value.Text = in.Text();
            sheet->SetCell(row, column, std::move(value));
        }
        list.Sheets.push_back(std::move(sheet));
    }
    if (list.Sheets.empty() || !in.AtEnd())
        throw EOfficeError("Damaged .xls workbook");
    return list;
}

// A sanitizer in the program reports through this hook; the child's crash is the parent's
// answer, not a report of its own.
extern "C" void __sanitizer_set_death_callback(void (*)(void)) __attribute__((weak));

bool InReaderChild = false;

} // namespace

// A sanitizer in the program calls this as soon as it finds a fault. In the reader child the
// fault is FreeXL's and the child's end is the whole answer: it ends at once, without the report
// (and the symbols looked up for it, which take far longer than the read).
extern "C" void __asan_on_error() {
    if (InReaderChild)
        _exit(1);
}

void QuietXlsReaderCrashes() {
    InReaderChild = true;
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(nullptr);
    for (int signal : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT})
        std::signal(signal, SIG_DFL);
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0)
        dup2(null, STDERR_FILENO);
}

std::string XlsReaderAnswer(const std::string& fileName) {
    try {
        return Serialized(ReadInThisProcess(fileName));
    } catch (const EOfficeError& error) {
        return "E" + error.Message;
    } catch (...) {
        return "E" + std::string("Not a readable .xls workbook: ") + fileName;
    }
}

TSheetList XlsSheetsFromAnswer(std::string_view answer, bool childEndedWell,
                               const std::string& fileName) {
    if (!childEndedWell || answer.empty())
        throw EOfficeError("Damaged .xls workbook: " + fileName);
    if (answer.front() == 'E')
        throw EOfficeError(std::string(answer.substr(1)));
    return Deserialized(answer);
}

namespace {

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n <= 0)
            return;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

} // namespace

TSheetList ReadXlsSheets(const std::string& fileName) {
    int channel[2];
    if (pipe(channel) != 0)
        throw EOfficeError("Cannot read " + fileName + ": no pipe for the reader");
    const pid_t child = fork();
    if (child < 0) {
        close(channel[0]);
        close(channel[1]);
        throw EOfficeError("Cannot read " + fileName + ": no process for the reader");
    }
    if (child == 0) {
        close(channel[0]);
        QuietXlsReaderCrashes();
        WriteAll(channel[1], XlsReaderAnswer(fileName));
        _exit(0);
    }
    close(channel[1]);
    std::string answer;
    char buffer[65536];
    ssize_t n;
    while ((n = read(channel[0], buffer, sizeof buffer)) != 0) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        answer.append(buffer, static_cast<size_t>(n));
    }
    close(channel[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return XlsSheetsFromAnswer(answer, WIFEXITED(status) && WEXITSTATUS(status) == 0, fileName);
}
