#include "grid/stringgrid/PrintSettingsIni.h"

#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/PrintSettings.h"
#include "platform/core/IniFile.h"
#include "platform/core/IntegerConversion.h"

#include <stdexcept>

namespace {

constexpr int AllFontStyleBits = 15;
constexpr int MaxFontSize = 4096;

class TSectionWriter {
public:
    TSectionWriter(TIniFile& Ini, std::string_view Section) : FIni(Ini), FSection(Section) {}
    void Integer(std::string_view Key, int Value) { FIni.WriteInteger(FSection, Key, Value); }
    void Text(std::string_view Key, std::string_view Value) {
        FIni.WriteString(FSection, Key, Value);
    }
    void Switch(std::string_view Key, bool Value) { Text(Key, Value ? "Y" : "N"); }
    void Font(std::string_view Prefix, const TFont& Font) {
        const std::string prefix(Prefix);
        Text(prefix + "Name", Font.Name());
        Integer(prefix + "Size", Font.Size());
        Integer(prefix + "Style", static_cast<int>(Font.Style().ToBits()));
        Integer(prefix + "Color", static_cast<int>(Font.Color()));
    }

private:
    TIniFile& FIni;
    std::string FSection;
};

// Reads into the caller's values; the first damaged value throws, naming the key.
class TSectionReader {
public:
    TSectionReader(const TIniFile& Ini, std::string_view Section) : FIni(Ini), FSection(Section) {}
    int Integer(std::string_view Key, int Default) const {
        if (!FIni.ValueExists(FSection, Key))
            return Default;
        const std::string text = FIni.ReadString(FSection, Key, "");
        int32_t value = 0;
        if (!TryStrToInt(text, value))
            Fail(Key, "\"" + text + "\" is no integer");
        return value;
    }
    int Ranged(std::string_view Key, int Default, int First, int Last) const {
        const int value = Integer(Key, Default);
        if (value < First || value > Last)
            Fail(Key, IntToStr(value) + " is outside " + IntToStr(First) + ".." + IntToStr(Last));
        return value;
    }
    int Ordinal(std::string_view Key, int Last) const { return Ranged(Key, 0, 0, Last); }
    std::string Text(std::string_view Key) const { return FIni.ReadString(FSection, Key, ""); }
    bool Switch(std::string_view Key, bool Default) const {
        return FIni.ReadString(FSection, Key, Default ? "Y" : "N") == "Y";
    }
    void Font(std::string_view Prefix, TFont& Font) const {
        const std::string prefix(Prefix);
        Font.SetName(FIni.ReadString(FSection, prefix + "Name", "Arial"));
        Font.SetSize(Ranged(prefix + "Size", 10, 1, MaxFontSize));
        Font.SetStyle(TFontStyles::FromBits(
            static_cast<uint64_t>(Ordinal(prefix + "Style", AllFontStyleBits))));
        Font.SetColor(static_cast<TColor>(Integer(prefix + "Color", 0)));
    }

private:
    [[noreturn]] static void Fail(std::string_view Key, const std::string& What) {
        throw std::invalid_argument(std::string(Key) + ": " + What);
    }
    const TIniFile& FIni;
    std::string FSection;
};

// Every line ended by CR LF, whatever line end the list itself joins with: the escaped form
// keeps a line break only where there is a CR.
std::string LinesWithCrLf(const TStringList& Lines) {
    std::string text;
    for (int i = 0; i < Lines.Count(); ++i)
        text += Lines[i] + "\r\n";
    return text;
}

} // namespace

void WritePrintSettings(const TPrintSettings& Settings, TIniFile& Ini, std::string_view Section) {
    TSectionWriter out(Ini, Section);
    out.Integer("ColumnSpacing", Settings.ColumnSpacing);
    out.Integer("RowSpacing", Settings.RowSpacing);
    out.Integer("TitleSpacing", Settings.TitleSpacing);
    out.Integer("FixedHeight", Settings.FixedHeight);
    out.Integer("FixedWidth", Settings.FixedWidth);
    out.Switch("Centered", Settings.Centered);
    out.Switch("NoAutoSize", Settings.NoAutoSize);
    out.Switch("UseFixedHeight", Settings.UseFixedHeight);
    out.Switch("UseFixedWidth", Settings.UseFixedWidth);
    out.Switch("RepeatFixedRows", Settings.RepeatFixedRows);
    out.Switch("RepeatFixedCols", Settings.RepeatFixedCols);
    out.Switch("UseDisplFont", Settings.UseDisplayFont);
    out.Switch("UseDefOrientation", Settings.UseDefaultOrientation);
    out.Integer("Borders", Settings.Borders);
    out.Integer("BorderColor", static_cast<int>(Settings.BorderColor));
    out.Integer("BorderStyle", Settings.BorderStyle);
    out.Integer("Date", Settings.Date);
    out.Integer("PageNr", Settings.PageNr);
    out.Integer("Title", Settings.Title);
    out.Integer("Time", Settings.Time);
    out.Text("DateFormat", Settings.DateFormat);
    out.Text("TitleText", Settings.TitleText);
    out.Integer("FooterSize", Settings.FooterSize);
    out.Integer("HeaderSize", Settings.HeaderSize);
    out.Integer("LeftSize", Settings.LeftSize);
    out.Integer("RightSize", Settings.RightSize);
    out.Integer("FitToPage", Settings.FitToPage);
    out.Font("Font", *Settings.Font());
    out.Font("HeaderFont", *Settings.HeaderFont());
    out.Font("FooterFont", *Settings.FooterFont());
    out.Text("PageNumSep", Settings.PageNumSep);
    out.Text("PageSuffix", Settings.PageSuffix);
    out.Text("PagePrefix", Settings.PagePrefix);
    out.Integer("Orientation", Settings.Orientation);
    out.Text("TitleLines", EscapeNewLines(LinesWithCrLf(*Settings.TitleLines())));
    out.Switch("PrintGraphics", Settings.PrintGraphics);
}

bool ReadPrintSettings(const TIniFile& Ini, std::string_view Section, TPrintSettings& Settings,
                       std::string& Why) {
    const TSectionReader in(Ini, Section);
    TPrintSettings read;
    read.Assign(&Settings);
    try {
        read.ColumnSpacing = in.Integer("ColumnSpacing", 20);
        read.RowSpacing = in.Integer("RowSpacing", 20);
        read.TitleSpacing = in.Integer("TitleSpacing", 20);
        read.FixedHeight = in.Integer("FixedHeight", 0);
        read.FixedWidth = in.Integer("FixedWidth", 0);
        read.Centered = in.Switch("Centered", true);
        read.NoAutoSize = in.Switch("NoAutoSize", false);
        read.UseFixedHeight = in.Switch("UseFixedHeight", false);
        read.UseFixedWidth = in.Switch("UseFixedWidth", false);
        read.RepeatFixedRows = in.Switch("RepeatFixedRows", false);
        read.RepeatFixedCols = in.Switch("RepeatFixedCols", false);
        read.UseDisplayFont = in.Switch("UseDisplFont", false);
        read.UseDefaultOrientation = in.Switch("UseDefOrientation", false);
        read.Borders = static_cast<TPrintBorders>(in.Ordinal("Borders", pbCustom));
        read.BorderColor = static_cast<TColor>(in.Integer("BorderColor", 0));
        read.BorderStyle = static_cast<TPenStyle>(in.Ordinal("BorderStyle", psInsideFrame));
        read.Date = static_cast<TPrintPosition>(in.Ordinal("Date", ppBottomCenter));
        read.PageNr = static_cast<TPrintPosition>(in.Ordinal("PageNr", ppBottomCenter));
        read.Title = static_cast<TPrintPosition>(in.Ordinal("Title", ppBottomCenter));
        read.Time = static_cast<TPrintPosition>(in.Ordinal("Time", ppBottomCenter));
        read.DateFormat = in.Text("DateFormat");
        read.TitleText = in.Text("TitleText");
        read.FooterSize = in.Integer("FooterSize", 100);
        read.HeaderSize = in.Integer("HeaderSize", 100);
        read.LeftSize = in.Integer("LeftSize", 100);
        read.RightSize = in.Integer("RightSize", 100);
        read.FitToPage = static_cast<TFitToPage>(in.Ordinal("FitToPage", fpCustom));
        in.Font("Font", *read.Font());
        in.Font("HeaderFont", *read.HeaderFont());
        in.Font("FooterFont", *read.FooterFont());
        read.PageNumSep = in.Text("PageNumSep");
        read.PageSuffix = in.Text("PageSuffix");
        read.PagePrefix = in.Text("PagePrefix");
        read.Orientation = static_cast<TPrinterOrientation>(in.Ordinal("Orientation", poLandscape));
        read.TitleLines()->SetText(UnescapeNewLines(in.Text("TitleLines")));
        read.PrintGraphics = in.Switch("PrintGraphics", false);
    } catch (const std::invalid_argument& error) {
        Why = error.what();
        return false;
    }
    Settings.Assign(&read);
    return true;
}
