// The grid's visual properties (colours, fonts, looks) as a text file of Name=Value lines in the
// ANSI code page. The whole text is read and checked before anything changes, so a damaged file
// leaves the grid as it was and says which line is wrong.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/Bands.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/stringgrid/BackGround.h"
#include "grid/stringgrid/BalloonSettings.h"
#include "grid/stringgrid/ComponentImage.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/Grouping.h"
#include "platform/core/CodePage.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"

#include <array>
#include <climits>
#include <functional>
#include <map>
#include <optional>

namespace {

using TGrid = TExStringGrid;

enum class TValueKind { Colour, Switch, Integer, FontStyle, Text, Choice };

// A setting's value: the number of a colour, switch, integer, style set or choice; the text of
// a text setting.
struct TVisualValue {
    int Number = 0;
    std::string Text;
};

struct TVisualEntry {
    std::string Name;
    TValueKind Kind;
    std::function<TVisualValue(TGrid&)> Get;
    std::function<void(TGrid&, const TVisualValue&)> Set;
    std::vector<std::string> Choices{}; // a choice's names by ordinal
    int Min = INT_MIN;                  // an integer's range
    int Max = INT_MAX;
    std::optional<int> WhenAbsent{}; // an integer that files of older versions lack
};

constexpr std::array<const char*, 4> FontStyleNames{"fsBold", "fsItalic", "fsUnderline",
                                                    "fsStrikeOut"};

TVisualEntry Colour(std::string Name, std::function<TColor(TGrid&)> Get,
                    std::function<void(TGrid&, TColor)> Set) {
    return {std::move(Name), TValueKind::Colour,
            [Get](TGrid& g) {
                return TVisualValue{static_cast<int>(Get(g)), {}};
            },
            [Set](TGrid& g, const TVisualValue& v) { Set(g, static_cast<TColor>(v.Number)); }};
}

TVisualEntry Switch(std::string Name, std::function<bool(TGrid&)> Get,
                    std::function<void(TGrid&, bool)> Set) {
    return {std::move(Name), TValueKind::Switch,
            [Get](TGrid& g) {
                return TVisualValue{Get(g) ? 1 : 0, {}};
            },
            [Set](TGrid& g, const TVisualValue& v) { Set(g, v.Number != 0); }};
}

TVisualEntry Integer(std::string Name, int Min, int Max, std::function<int(TGrid&)> Get,
                     std::function<void(TGrid&, int)> Set) {
    TVisualEntry entry{std::move(Name), TValueKind::Integer,
                       [Get](TGrid& g) {
                           return TVisualValue{Get(g), {}};
                       },
                       [Set](TGrid& g, const TVisualValue& v) { Set(g, v.Number); }};
    entry.Min = Min;
    entry.Max = Max;
    return entry;
}

// An integer added after files were first written: those files lack its line, and load with
// the setting's default.
TVisualEntry AddedInteger(TVisualEntry Entry, int Default) {
    Entry.WhenAbsent = Default;
    return Entry;
}

TVisualEntry Choice(std::string Name, std::vector<std::string> Choices,
                    std::function<int(TGrid&)> Get, std::function<void(TGrid&, int)> Set) {
    TVisualEntry entry{std::move(Name), TValueKind::Choice,
                       [Get](TGrid& g) {
                           return TVisualValue{Get(g), {}};
                       },
                       [Set](TGrid& g, const TVisualValue& v) { Set(g, v.Number); }};
    entry.Choices = std::move(Choices);
    return entry;
}

void AddFont(std::vector<TVisualEntry>& Entries, const std::string& Prefix,
             std::function<TFont*(TGrid&)> Font) {
    Entries.push_back(Colour(
        Prefix + ".Color", [Font](TGrid& g) { return Font(g)->Color(); },
        [Font](TGrid& g, TColor c) { Font(g)->SetColor(c); }));
    Entries.push_back({Prefix + ".Style", TValueKind::FontStyle,
                       [Font](TGrid& g) {
                           return TVisualValue{static_cast<int>(Font(g)->Style().ToBits()), {}};
                       },
                       [Font](TGrid& g, const TVisualValue& v) {
                           Font(g)->SetStyle(
                               TFontStyles::FromBits(static_cast<uint64_t>(v.Number)));
                       }});
    Entries.push_back(Integer(
        Prefix + ".Size", 1, 4096, [Font](TGrid& g) { return Font(g)->Size(); },
        [Font](TGrid& g, int n) { Font(g)->SetSize(n); }));
    Entries.push_back({Prefix + ".Name", TValueKind::Text,
                       [Font](TGrid& g) {
                           return TVisualValue{0, Font(g)->Name()};
                       },
                       [Font](TGrid& g, const TVisualValue& v) { Font(g)->SetName(v.Text); }});
}

std::vector<std::string> LookNames() {
    std::vector<std::string> names;
    for (int look = glStandard; look <= glOffice2007; ++look) {
        std::string name;
        TGrid::LookToString(static_cast<TGridLook>(look), name);
        names.push_back(name);
    }
    return names;
}

// The settings in the order they are written.
std::vector<TVisualEntry> VisualEntries() {
    std::vector<TVisualEntry> e;
    e.push_back(Colour(
        "Color", [](TGrid& g) { return g.Color(); }, [](TGrid& g, TColor c) { g.SetColor(c); }));
    e.push_back(Colour(
        "HintColor", [](TGrid& g) { return g.HintColor; },
        [](TGrid& g, TColor c) { g.HintColor = c; }));
    e.push_back(Colour(
        "SelectionColor", [](TGrid& g) { return g.SelectionColor(); },
        [](TGrid& g, TColor c) { g.SetSelectionColor(c); }));
    e.push_back(Colour(
        "SelectionColorTo", [](TGrid& g) { return g.SelectionColorTo(); },
        [](TGrid& g, TColor c) { g.SetSelectionColorTo(c); }));
    e.push_back(Colour(
        "SelectionMirrorColor", [](TGrid& g) { return g.SelectionMirrorColor(); },
        [](TGrid& g, TColor c) { g.SetSelectionMirrorColor(c); }));
    e.push_back(Colour(
        "SelectionMirrorColorTo", [](TGrid& g) { return g.SelectionMirrorColorTo(); },
        [](TGrid& g, TColor c) { g.SetSelectionMirrorColorTo(c); }));
    e.push_back(Colour(
        "SelectionTextColor", [](TGrid& g) { return g.SelectionTextColor(); },
        [](TGrid& g, TColor c) { g.SetSelectionTextColor(c); }));
    e.push_back(Colour(
        "URLColor", [](TGrid& g) { return g.URLColor(); },
        [](TGrid& g, TColor c) { g.SetURLColor(c); }));
    e.push_back(Switch(
        "URLShow", [](TGrid& g) { return g.URLShow(); },
        [](TGrid& g, bool b) { g.SetURLShow(b); }));
    e.push_back(Switch(
        "URLShowInText", [](TGrid& g) { return g.URLShowInText(); },
        [](TGrid& g, bool b) { g.SetURLShowInText(b); }));
    e.push_back(Colour(
        "ScrollColor", [](TGrid& g) { return g.ScrollColor; },
        [](TGrid& g, TColor c) { g.SetScrollColor(c); }));
    e.push_back(Colour(
        "ActiveRowColor", [](TGrid& g) { return g.ActiveRowColor(); },
        [](TGrid& g, TColor c) { g.SetActiveRowColor(c); }));
    e.push_back(Switch(
        "ActiveRowShow", [](TGrid& g) { return g.ActiveRowShow(); },
        [](TGrid& g, bool b) { g.SetActiveRowShow(b); }));
    e.push_back(Switch(
        "ActiveCellShow", [](TGrid& g) { return g.ActiveCellShow(); },
        [](TGrid& g, bool b) { g.SetActiveCellShow(b); }));
    AddFont(e, "Font", [](TGrid& g) { return g.Font(); });
    e.push_back(Colour(
        "ActiveCellColor", [](TGrid& g) { return g.ActiveCellColor(); },
        [](TGrid& g, TColor c) { g.SetActiveCellColor(c); }));
    e.push_back(Colour(
        "ActiveCellColorTo", [](TGrid& g) { return g.ActiveCellColorTo(); },
        [](TGrid& g, TColor c) { g.SetActiveCellColorTo(c); }));
    AddFont(e, "ActiveCellFont", [](TGrid& g) { return g.ActiveCellFont(); });
    AddFont(e, "FixedFont", [](TGrid& g) { return g.FixedFont(); });
    e.push_back(Colour(
        "Balloon.BackgroundColor", [](TGrid& g) { return g.Balloon()->BackgroundColor; },
        [](TGrid& g, TColor c) { g.Balloon()->BackgroundColor = c; }));
    e.push_back(Colour(
        "Balloon.TextColor", [](TGrid& g) { return g.Balloon()->TextColor; },
        [](TGrid& g, TColor c) { g.Balloon()->TextColor = c; }));
    e.push_back(Integer(
        "Balloon.Transparency", 0, 255, [](TGrid& g) { return int{g.Balloon()->Transparency}; },
        [](TGrid& g, int n) { g.Balloon()->Transparency = static_cast<uint8_t>(n); }));
    e.push_back(Colour(
        "Bands.PrimaryColor", [](TGrid& g) { return g.Bands()->PrimaryColor(); },
        [](TGrid& g, TColor c) { g.Bands()->SetPrimaryColor(c); }));
    e.push_back(Colour(
        "Bands.SecondaryColor", [](TGrid& g) { return g.Bands()->SecondaryColor(); },
        [](TGrid& g, TColor c) { g.Bands()->SetSecondaryColor(c); }));
    e.push_back(Switch(
        "Bands.Active", [](TGrid& g) { return g.Bands()->Active(); },
        [](TGrid& g, bool b) { g.Bands()->SetActive(b); }));
    e.push_back(Colour(
        "SortSettings.IndexColor", [](TGrid& g) { return g.SortSettings()->IndexColor; },
        [](TGrid& g, TColor c) { g.SortSettings()->IndexColor = c; }));
    e.push_back(Colour(
        "FloatingFooter.Color", [](TGrid& g) { return g.FloatingFooter()->Color(); },
        [](TGrid& g, TColor c) { g.FloatingFooter()->SetColor(c); }));
    e.push_back(Integer(
        "ControlLook.CheckSize", 0, 1024, [](TGrid& g) { return g.ControlLook()->CheckSize(); },
        [](TGrid& g, int n) { g.ControlLook()->SetCheckSize(n); }));
    e.push_back(Colour(
        "ControlLook.Color", [](TGrid& g) { return g.ControlLook()->Color(); },
        [](TGrid& g, TColor c) { g.ControlLook()->SetColor(c); }));
    e.push_back(Colour(
        "ControlLook.CommentColor", [](TGrid& g) { return g.ControlLook()->CommentColor(); },
        [](TGrid& g, TColor c) { g.ControlLook()->SetCommentColor(c); }));
    e.push_back(Choice(
        "ControlLook.ControlStyle",
        {"csClassic", "csFlat", "csTheme", "csWinXP", "csMetro", "csBorland", "csULK", "csGlyph"},
        [](TGrid& g) { return static_cast<int>(g.ControlLook()->ControlStyle()); },
        [](TGrid& g, int n) {
            g.ControlLook()->SetControlStyle(static_cast<TGridControlStyle>(n));
        }));
    e.push_back(Colour(
        "ControlLook.FixedGradientFrom",
        [](TGrid& g) { return g.ControlLook()->FixedGradientFrom(); },
        [](TGrid& g, TColor c) { g.ControlLook()->SetFixedGradientFrom(c); }));
    e.push_back(Colour(
        "ControlLook.FixedGradientTo", [](TGrid& g) { return g.ControlLook()->FixedGradientTo(); },
        [](TGrid& g, TColor c) { g.ControlLook()->SetFixedGradientTo(c); }));
    e.push_back(Integer(
        "ControlLook.RadioSize", 0, 1024, [](TGrid& g) { return g.ControlLook()->RadioSize(); },
        [](TGrid& g, int n) { g.ControlLook()->SetRadioSize(n); }));
    e.push_back(Switch(
        "ControlLook.FlatButton", [](TGrid& g) { return g.ControlLook()->FlatButton(); },
        [](TGrid& g, bool b) { g.ControlLook()->SetFlatButton(b); }));
    e.push_back(Colour(
        "ControlLook.ProgressBorderColor",
        [](TGrid& g) { return g.ControlLook()->ProgressBorderColor; },
        [](TGrid& g, TColor c) { g.ControlLook()->ProgressBorderColor = c; }));
    e.push_back(Switch(
        "ControlLook.ProgressXP", [](TGrid& g) { return g.ControlLook()->ProgressXP(); },
        [](TGrid& g, bool b) { g.ControlLook()->SetProgressXP(b); }));
    e.push_back(Choice(
        "Look", LookNames(), [](TGrid& g) { return static_cast<int>(g.Look()); },
        [](TGrid& g, int n) { g.SetLook(static_cast<TGridLook>(n)); }));
    e.push_back(Colour(
        "SearchFooter.Color", [](TGrid& g) { return g.SearchFooter()->Color(); },
        [](TGrid& g, TColor c) { g.SearchFooter()->SetColor(c); }));
    e.push_back(Colour(
        "SearchFooter.ColorTo", [](TGrid& g) { return g.SearchFooter()->ColorTo(); },
        [](TGrid& g, TColor c) { g.SearchFooter()->SetColorTo(c); }));
    e.push_back(Colour(
        "Grouping.HeaderColor", [](TGrid& g) { return g.Grouping()->HeaderColor; },
        [](TGrid& g, TColor c) { g.Grouping()->HeaderColor = c; }));
    e.push_back(Colour(
        "Grouping.HeaderColorTo", [](TGrid& g) { return g.Grouping()->HeaderColorTo; },
        [](TGrid& g, TColor c) { g.Grouping()->HeaderColorTo = c; }));
    e.push_back(Colour(
        "Grouping.HeaderTextColor", [](TGrid& g) { return g.Grouping()->HeaderTextColor; },
        [](TGrid& g, TColor c) { g.Grouping()->HeaderTextColor = c; }));
    e.push_back(Switch(
        "Grouping.HeaderUnderline", [](TGrid& g) { return g.Grouping()->HeaderUnderline; },
        [](TGrid& g, bool b) { g.Grouping()->HeaderUnderline = b; }));
    e.push_back(Colour(
        "Grouping.HeaderLineColor", [](TGrid& g) { return g.Grouping()->HeaderLineColor; },
        [](TGrid& g, TColor c) { g.Grouping()->HeaderLineColor = c; }));
    e.push_back(Integer(
        "Grouping.HeaderLineWidth", 0, 1024, [](TGrid& g) { return g.Grouping()->HeaderLineWidth; },
        [](TGrid& g, int n) { g.Grouping()->HeaderLineWidth = n; }));
    e.push_back(Colour(
        "Grouping.SummaryColor", [](TGrid& g) { return g.Grouping()->SummaryColor; },
        [](TGrid& g, TColor c) { g.Grouping()->SummaryColor = c; }));
    e.push_back(Colour(
        "Grouping.SummaryColorTo", [](TGrid& g) { return g.Grouping()->SummaryColorTo; },
        [](TGrid& g, TColor c) { g.Grouping()->SummaryColorTo = c; }));
    e.push_back(Colour(
        "Grouping.SummaryTextColor", [](TGrid& g) { return g.Grouping()->SummaryTextColor; },
        [](TGrid& g, TColor c) { g.Grouping()->SummaryTextColor = c; }));
    e.push_back(Switch(
        "Grouping.SummaryLine", [](TGrid& g) { return g.Grouping()->SummaryLine; },
        [](TGrid& g, bool b) { g.Grouping()->SummaryLine = b; }));
    e.push_back(Colour(
        "Grouping.SummaryLineColor", [](TGrid& g) { return g.Grouping()->SummaryLineColor; },
        [](TGrid& g, TColor c) { g.Grouping()->SummaryLineColor = c; }));
    e.push_back(Integer(
        "Grouping.SummaryLineWidth", 0, 1024,
        [](TGrid& g) { return g.Grouping()->SummaryLineWidth; },
        [](TGrid& g, int n) { g.Grouping()->SummaryLineWidth = n; }));
    e.push_back(Colour(
        "GridLineColor", [](TGrid& g) { return g.GridLineColor(); },
        [](TGrid& g, TColor c) { g.SetGridLineColor(c); }));
    e.push_back(Colour(
        "GridFixedLineColor", [](TGrid& g) { return g.GridFixedLineColor(); },
        [](TGrid& g, TColor c) { g.SetGridFixedLineColor(c); }));
    e.push_back(AddedInteger(Integer(
                                 "BackGround.Top", INT_MIN, INT_MAX,
                                 [](TGrid& g) { return g.BackGround()->Top(); },
                                 [](TGrid& g, int n) { g.BackGround()->SetTop(n); }),
                             0));
    e.push_back(AddedInteger(Integer(
                                 "BackGround.Left", INT_MIN, INT_MAX,
                                 [](TGrid& g) { return g.BackGround()->Left(); },
                                 [](TGrid& g, int n) { g.BackGround()->SetLeft(n); }),
                             0));
    e.push_back(Choice(
        "BackGround.Display", {"bdTile", "bdFixed", "bdGradientHorz", "bdGradientVert"},
        [](TGrid& g) { return static_cast<int>(g.BackGround()->Display()); },
        [](TGrid& g, int n) { g.BackGround()->SetDisplay(static_cast<TBackGroundDisplay>(n)); }));
    e.push_back(Choice(
        "BackGround.Cells", {"bcNormal", "bcFixed", "bcAll"},
        [](TGrid& g) { return static_cast<int>(g.BackGround()->Cells()); },
        [](TGrid& g, int n) { g.BackGround()->SetCells(static_cast<TBackGroundCells>(n)); }));
    e.push_back(Colour(
        "BackGround.Color", [](TGrid& g) { return g.BackGround()->Color(); },
        [](TGrid& g, TColor c) { g.BackGround()->SetColor(c); }));
    e.push_back(Colour(
        "BackGround.ColorTo", [](TGrid& g) { return g.BackGround()->ColorTo(); },
        [](TGrid& g, TColor c) { g.BackGround()->SetColorTo(c); }));
    return e;
}

std::string FormatValue(const TVisualEntry& Entry, const TVisualValue& Value) {
    switch (Entry.Kind) {
    case TValueKind::Colour:
        if (const char* name = ColorIdent(Value.Number))
            return name;
        return "$" + IntToHex(static_cast<uint32_t>(Value.Number), 8);
    case TValueKind::Switch:
        return Value.Number != 0 ? "true" : "false";
    case TValueKind::Integer:
        return IntToStr(Value.Number);
    case TValueKind::FontStyle: {
        std::string text;
        for (size_t s = 0; s < FontStyleNames.size(); ++s)
            if ((Value.Number >> s) & 1)
                text += (text.empty() ? "" : ",") + std::string(FontStyleNames[s]);
        return text;
    }
    case TValueKind::Text:
        return Value.Text;
    case TValueKind::Choice:
        // A value without a name (a custom look) is written empty and read as no change.
        return Value.Number >= 0 && Value.Number < static_cast<int>(Entry.Choices.size())
                   ? Entry.Choices[static_cast<size_t>(Value.Number)]
                   : std::string();
    }
    return {};
}

[[noreturn]] void Refuse(const TVisualEntry& Entry, const std::string& Why) {
    throw Exception("Invalid visual properties: " + Entry.Name + " " + Why);
}

// The value a line gives the entry; nullopt leaves the setting as it is. A present text is
// Text; an absent one is nullopt.
// A choice none of whose names matches is skipped and its line added to Skipped.
std::optional<TVisualValue> ParseValue(const TVisualEntry& Entry,
                                       const std::optional<std::string>& Text,
                                       std::vector<std::string>& Skipped) {
    switch (Entry.Kind) {
    case TValueKind::Colour: {
        // A colour left out is no colour.
        if (!Text)
            return TVisualValue{clNone, {}};
        TColor colour = clNone;
        if (IdentToColor(*Text, colour))
            return TVisualValue{colour, {}};
        int32_t number = 0;
        if (!TryStrToInt(*Text, number))
            Refuse(Entry, "\"" + *Text + "\" is no colour");
        return TVisualValue{number, {}};
    }
    case TValueKind::Switch:
        return TVisualValue{Text && SameText(*Text, "true") ? 1 : 0, {}};
    case TValueKind::Integer: {
        if (!Text && Entry.WhenAbsent)
            return TVisualValue{*Entry.WhenAbsent, {}};
        if (!Text)
            Refuse(Entry, "is missing");
        int32_t number = 0;
        if (!TryStrToInt(*Text, number))
            Refuse(Entry, "\"" + *Text + "\" is no integer");
        if (number < Entry.Min || number > Entry.Max)
            Refuse(Entry, IntToStr(number) + " is outside " + IntToStr(Entry.Min) + ".." +
                              IntToStr(Entry.Max));
        return TVisualValue{number, {}};
    }
    case TValueKind::FontStyle: {
        const std::string text = Text.value_or("");
        int bits = 0;
        for (size_t s = 0; s < FontStyleNames.size(); ++s)
            if (text.find(FontStyleNames[s]) != std::string::npos)
                bits |= 1 << s;
        return TVisualValue{bits, {}};
    }
    case TValueKind::Text:
        // A font without a name could not be drawn: a missing name keeps the present one.
        if (!Text || Text->empty())
            return std::nullopt;
        return TVisualValue{0, *Text};
    case TValueKind::Choice:
        if (!Text || Text->empty())
            return std::nullopt;
        for (size_t n = 0; n < Entry.Choices.size(); ++n)
            if (!Entry.Choices[n].empty() && SameText(*Text, Entry.Choices[n]))
                return TVisualValue{static_cast<int>(n), {}};
        Skipped.push_back(Entry.Name + "=" + *Text);
        return std::nullopt;
    }
    return std::nullopt;
}

// Name=Value lines, names without regard to case; the first line of a name counts.
std::map<std::string, std::string> ReadLines(std::string_view Text) {
    std::map<std::string, std::string> values;
    while (!Text.empty()) {
        const size_t end = Text.find('\n');
        std::string_view line = Text.substr(0, end);
        Text = end == std::string_view::npos ? std::string_view() : Text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const size_t equals = line.find('=');
        if (equals != std::string_view::npos)
            values.emplace(LowerCase(line.substr(0, equals)), std::string(line.substr(equals + 1)));
    }
    return values;
}

} // namespace

std::string TExStringGrid::VisualPropsText() {
    std::string text;
    for (const TVisualEntry& entry : VisualEntries())
        text += entry.Name + "=" + FormatValue(entry, entry.Get(*this)) + "\r\n";
    return text;
}

std::vector<std::string> TExStringGrid::ApplyVisualPropsText(std::string_view Text) {
    const std::map<std::string, std::string> lines = ReadLines(Text);
    const std::vector<TVisualEntry> entries = VisualEntries();
    std::vector<std::optional<TVisualValue>> values;
    std::vector<std::string> skipped;
    for (const TVisualEntry& entry : entries) {
        const auto line = lines.find(LowerCase(entry.Name));
        values.push_back(ParseValue(
            entry, line == lines.end() ? std::nullopt : std::optional<std::string>(line->second),
            skipped));
    }
    // A look sets many of the other colours: it goes first, so that the colours the file
    // holds are the ones that stay.
    std::vector<size_t> order;
    for (size_t n = 0; n < entries.size(); ++n)
        if (entries[n].Name == "Look")
            order.insert(order.begin(), n);
        else
            order.push_back(n);
    BeginUpdate();
    for (size_t n : order)
        if (values[n])
            entries[n].Set(*this, *values[n]);
    EndUpdate();
    Invalidate();
    return skipped;
}

void TExStringGrid::SaveVisualProps(const std::string& FileName) {
    const std::string text = EncodeTextWithoutLoss(VisualPropsText(), TTextEncoding::Ansi);
    try {
        WriteFileAtomic(FileName, text);
    } catch (const EFileError&) {
        throw Exception("Cannot Create " + FileName);
    }
}

std::vector<std::string> TExStringGrid::LoadVisualProps(const std::string& FileName) {
    std::string bytes;
    try {
        bytes = ReadFileBytes(FileName);
    } catch (const EFileError&) {
        throw Exception("Cannot open file " + FileName);
    }
    try {
        return ApplyVisualPropsText(DecodeText(bytes));
    } catch (const Exception& error) {
        throw Exception(std::string(error.what()) + " in " + FileName);
    }
}
