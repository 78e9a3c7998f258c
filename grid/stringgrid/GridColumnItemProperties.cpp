// The stream form of every column item property, described once for writing and reading.
#include "grid/stringgrid/GridColumnItemProperties.h"

#include "grid/stringgrid/ComponentImage.h"
#include "grid/stringgrid/StreamNames.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Component.h"
#include "platform/ui/Font.h"
#include "platform/ui/Menus.h"

#include <array>
#include <span>

namespace {

constexpr std::array<const char*, 4> BorderNames{"cbTop", "cbLeft", "cbRight", "cbBottom"};
constexpr std::array<const char*, 6> PopupTypeNames{"cpFixedCellsRClick",  "cpFixedCellsLClick",
                                                    "cpNormalCellsRClick", "cpNormalCellsLClick",
                                                    "cpAllCellsRClick",    "cpAllCellsLClick"};
constexpr std::array<const char*, 20> SortStyleNames{
    "ssAutomatic",   "ssAlphabetic", "ssNumeric",       "ssDate",
    "ssAlphaNoCase", "ssAlphaCase",  "ssShortDateEU",   "ssShortDateUS",
    "ssCustom",      "ssFinancial",  "ssAnsiAlphaCase", "ssAnsiAlphaNoCase",
    "ssRaw",         "ssHTML",       "ssImages",        "ssCheckBox",
    "ssDateTime",    "ssTime",       "ssAlphaNumeric",  "ssAlphaNumericNoCase"};
constexpr std::array<const char*, 3> PitchNames{"fpDefault", "fpVariable", "fpFixed"};
constexpr std::array<const char*, 7> PenStyleNames{
    "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
constexpr std::array<const char*, 16> PenModeNames{
    "pmBlack",       "pmWhite",      "pmNop",         "pmNot",        "pmCopy",  "pmNotCopy",
    "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge",
    "pmMask",        "pmNotMask",    "pmXor",         "pmNotXor"};

// References are resolved after the item is read, by name among the lookup's components.
template <typename E, size_t N>
TItemProperty EnumProperty(const std::string& Name, const std::array<const char*, N>& Names,
                           std::function<E(const TGridColumnItem&)> Get,
                           std::function<void(TGridColumnItem&, E)> Set) {
    return {Name,
            [=, &Names](TComponentImageWriter& w, const TGridColumnItem& item) {
                w.WriteName(Name);
                w.WriteIdent(Names[static_cast<size_t>(Get(item))]);
            },
            [=, &Names](TComponentImageReader& r, TGridColumnItem& item, TReferenceNames&) {
                Set(item, static_cast<E>(r.ReadEnum(Names)));
            }};
}

TItemProperty IntegerProperty(const std::string& Name, int TGridColumnItem::*Field) {
    return {Name,
            [=](TComponentImageWriter& w, const TGridColumnItem& item) {
                w.WriteName(Name);
                w.WriteInteger(item.*Field);
            },
            [=](TComponentImageReader& r, TGridColumnItem& item, TReferenceNames&) {
                item.*Field = r.ReadInteger();
            }};
}

TItemProperty BooleanProperty(const std::string& Name,
                              std::function<bool(const TGridColumnItem&)> Get,
                              std::function<void(TGridColumnItem&, bool)> Set,
                              bool WrittenOnlyWhenFalse = false) {
    return {Name,
            [=](TComponentImageWriter& w, const TGridColumnItem& item) {
                if (WrittenOnlyWhenFalse && Get(item))
                    return;
                w.WriteName(Name);
                w.WriteBoolean(Get(item));
            },
            [=](TComponentImageReader& r, TGridColumnItem& item, TReferenceNames&) {
                Set(item, r.ReadBoolean());
            }};
}

// A text is left out when empty, unless an item starts with another text there: an empty text
// left out would read back as that initial text.
enum TEmptyText { LeaveOutEmpty, WriteEmpty };

TItemProperty TextProperty(const std::string& Name,
                           std::function<std::string(const TGridColumnItem&)> Get,
                           std::function<void(TGridColumnItem&, const std::string&)> Set,
                           TEmptyText Empty = LeaveOutEmpty) {
    return {Name,
            [=](TComponentImageWriter& w, const TGridColumnItem& item) {
                const std::string text = Get(item);
                if (text.empty() && Empty == LeaveOutEmpty)
                    return;
                w.WriteName(Name);
                w.WriteText(text);
            },
            [=](TComponentImageReader& r, TGridColumnItem& item, TReferenceNames&) {
                Set(item, r.ReadText());
            }};
}

TItemProperty TextField(const std::string& Name, std::string TGridColumnItem::*Field,
                        TEmptyText Empty = LeaveOutEmpty) {
    return TextProperty(
        Name, [=](const TGridColumnItem& item) { return item.*Field; },
        [=](TGridColumnItem& item, const std::string& text) { item.*Field = text; }, Empty);
}

TItemProperty ColorProperty(const std::string& Name,
                            std::function<TColor(const TGridColumnItem&)> Get,
                            std::function<void(TGridColumnItem&, TColor)> Set) {
    return {Name,
            [=](TComponentImageWriter& w, const TGridColumnItem& item) {
                w.WriteName(Name);
                w.WriteColor(Get(item));
            },
            [=](TComponentImageReader& r, TGridColumnItem& item, TReferenceNames&) {
                Set(item, r.ReadColor());
            }};
}

TItemProperty BordersProperty(const std::string& Name,
                              std::function<TCellBorders(const TGridColumnItem&)> Get,
                              std::function<void(TGridColumnItem&, TCellBorders)> Set) {
    return {Name,
            [=](TComponentImageWriter& w, const TGridColumnItem& item) {
                w.WriteName(Name);
                w.WriteSet(BorderNames, static_cast<uint32_t>(Get(item).ToBits()));
            },
            [=](TComponentImageReader& r, TGridColumnItem& item, TReferenceNames&) {
                Set(item, TCellBorders::FromBits(r.ReadSet(BorderNames)));
            }};
}

TItemProperty ListProperty(const std::string& Name,
                           std::function<const TStringList&(const TGridColumnItem&)> Get,
                           std::function<void(TGridColumnItem&, const TStringList&)> Set) {
    return {Name,
            [=](TComponentImageWriter& w, const TGridColumnItem& item) {
                if (Get(item).Count() == 0)
                    return;
                w.WriteName(Name);
                w.WriteTextList(Get(item));
            },
            [=](TComponentImageReader& r, TGridColumnItem& item, TReferenceNames&) {
                TStringList lines;
                r.ReadTextList(lines);
                Set(item, lines);
            }};
}

TItemProperty ReferenceProperty(const std::string& Name,
                                std::function<const TComponent*(const TGridColumnItem&)> Get,
                                std::string TReferenceNames::*Target) {
    return {Name,
            [=](TComponentImageWriter& w, const TGridColumnItem& item) {
                const TComponent* component = Get(item);
                if (!component || component->Name().empty())
                    return;
                w.WriteName(Name);
                w.WriteIdent(component->Name());
            },
            [=](TComponentImageReader& r, TGridColumnItem&, TReferenceNames& names) {
                names.*Target = r.ReadIdent();
            }};
}

TItemProperty FontIntegerProperty(const std::string& Name,
                                  std::function<TFont*(TGridColumnItem&)> Access,
                                  int (TFont::*Get)() const, void (TFont::*Set)(int)) {
    return {Name,
            [=](TComponentImageWriter& w, const TGridColumnItem& item) {
                w.WriteName(Name);
                w.WriteInteger((Access(const_cast<TGridColumnItem&>(item))->*Get)());
            },
            [=](TComponentImageReader& r, TGridColumnItem& item, TReferenceNames&) {
                (Access(item)->*Set)(r.ReadInteger());
            }};
}

// A font's properties under its name and a dot ("Font.Color"), in the font's own order.
void AddFontProperties(std::vector<TItemProperty>& Properties, const std::string& Prefix,
                       std::function<TFont*(TGridColumnItem&)> Access) {
    auto font = [Access](const TGridColumnItem& item) {
        return Access(const_cast<TGridColumnItem&>(item));
    };
    Properties.push_back(
        FontIntegerProperty(Prefix + ".Charset", Access, &TFont::Charset, &TFont::SetCharset));
    Properties.push_back(ColorProperty(
        Prefix + ".Color", [=](const TGridColumnItem& item) { return font(item)->Color(); },
        [=](TGridColumnItem& item, TColor c) { Access(item)->SetColor(c); }));
    Properties.push_back(
        FontIntegerProperty(Prefix + ".Height", Access, &TFont::Height, &TFont::SetHeight));
    Properties.push_back(TextProperty(
        Prefix + ".Name", [=](const TGridColumnItem& item) { return font(item)->Name(); },
        [=](TGridColumnItem& item, const std::string& text) { Access(item)->SetName(text); },
        WriteEmpty));
    Properties.push_back(EnumProperty<TFontPitch>(
        Prefix + ".Pitch", PitchNames,
        [=](const TGridColumnItem& item) { return font(item)->Pitch(); },
        [=](TGridColumnItem& item, TFontPitch p) { Access(item)->SetPitch(p); }));
    const std::string style = Prefix + ".Style";
    Properties.push_back(
        {style,
         [=](TComponentImageWriter& w, const TGridColumnItem& item) {
             w.WriteName(style);
             w.WriteSet(FontStyleNames, static_cast<uint32_t>(font(item)->Style().ToBits()));
         },
         [=](TComponentImageReader& r, TGridColumnItem& item, TReferenceNames&) {
             Access(item)->SetStyle(TFontStyles::FromBits(r.ReadSet(FontStyleNames)));
         }});
}

// A pen's properties under its name and a dot ("BorderPen.Width").
void AddPenProperties(std::vector<TItemProperty>& Properties, const std::string& Prefix,
                      std::function<TPen*(TGridColumnItem&)> Access) {
    auto pen = [Access](const TGridColumnItem& item) {
        return Access(const_cast<TGridColumnItem&>(item));
    };
    Properties.push_back(ColorProperty(
        Prefix + ".Color", [=](const TGridColumnItem& item) { return pen(item)->Color(); },
        [=](TGridColumnItem& item, TColor c) { Access(item)->SetColor(c); }));
    Properties.push_back(EnumProperty<TPenMode>(
        Prefix + ".Mode", PenModeNames,
        [=](const TGridColumnItem& item) { return pen(item)->Mode(); },
        [=](TGridColumnItem& item, TPenMode m) { Access(item)->SetMode(m); }));
    Properties.push_back(EnumProperty<TPenStyle>(
        Prefix + ".Style", PenStyleNames,
        [=](const TGridColumnItem& item) { return pen(item)->Style(); },
        [=](TGridColumnItem& item, TPenStyle s) { Access(item)->SetStyle(s); }));
    const std::string width = Prefix + ".Width";
    Properties.push_back({width,
                          [=](TComponentImageWriter& w, const TGridColumnItem& item) {
                              w.WriteName(width);
                              w.WriteInteger(pen(item)->Width());
                          },
                          [=](TComponentImageReader& r, TGridColumnItem& item, TReferenceNames&) {
                              Access(item)->SetWidth(r.ReadInteger());
                          }});
}

// The item's properties in stream order. Setters that report to a collection are used as
// they are: the carrier's collection has no grid to report to.
std::vector<TItemProperty> MakeItemProperties() {
    using Item = TGridColumnItem;
    std::vector<TItemProperty> p;
    p.push_back(IntegerProperty("AutoMinSize", &Item::AutoMinSize));
    p.push_back(IntegerProperty("AutoMaxSize", &Item::AutoMaxSize));
    p.push_back(EnumProperty<TAlignment>(
        "Alignment", AlignmentNames, [](const Item& i) { return i.Alignment(); },
        [](Item& i, TAlignment a) { i.SetAlignment(a); }));
    p.push_back(BordersProperty(
        "Borders", [](const Item& i) { return i.Borders(); },
        [](Item& i, TCellBorders b) { i.SetBorders(b); }));
    AddPenProperties(p, "BorderPen", [](Item& i) { return i.BorderPen(); });
    p.push_back(TextField("CheckFalse", &Item::CheckFalse, WriteEmpty));
    p.push_back(TextField("CheckTrue", &Item::CheckTrue, WriteEmpty));
    p.push_back(ColorProperty(
        "Color", [](const Item& i) { return i.Color(); },
        [](Item& i, TColor c) { i.SetColor(c); }));
    p.push_back(ReferenceProperty(
        "ColumnPopup", [](const Item& i) -> const TComponent* { return i.ColumnPopup; },
        &TReferenceNames::ColumnPopup));
    p.push_back(EnumProperty<TColumnPopupType>(
        "ColumnPopupType", PopupTypeNames, [](const Item& i) { return i.ColumnPopupType; },
        [](Item& i, TColumnPopupType t) { i.ColumnPopupType = t; }));
    p.push_back(ListProperty(
        "ComboItems.Strings", [](const Item& i) -> const TStringList& { return *i.ComboItems(); },
        [](Item& i, const TStringList& l) { i.SetComboItems(l); }));
    p.push_back(IntegerProperty("DropDownCount", &Item::DropDownCount));
    p.push_back(IntegerProperty("EditLength", &Item::EditLength));
    p.push_back(ReferenceProperty(
        "EditLink", [](const Item& i) { return i.EditLink; }, &TReferenceNames::EditLink));
    p.push_back(TextField("EditMask", &Item::EditMask));
    p.push_back(EnumProperty<TEditorType>(
        "Editor", EditorNames, [](const Item& i) { return i.Editor(); },
        [](Item& i, TEditorType e) { i.SetEditor(e); }));
    p.push_back(ListProperty(
        "Filter.Strings", [](const Item& i) -> const TStringList& { return *i.Filter(); },
        [](Item& i, const TStringList& l) { i.SetFilter(l); }));
    p.push_back(BooleanProperty(
        "FilterCaseSensitive", [](const Item& i) { return i.FilterCaseSensitive; },
        [](Item& i, bool b) { i.FilterCaseSensitive = b; }));
    p.push_back(BooleanProperty(
        "Fixed", [](const Item& i) { return i.Fixed(); }, [](Item& i, bool b) { i.SetFixed(b); }));
    p.push_back(TextProperty(
        "FloatFormat", [](const Item& i) { return i.FloatFormat(); },
        [](Item& i, const std::string& t) { i.SetFloatFormat(t); }));
    AddFontProperties(p, "Font", [](Item& i) { return i.Font(); });
    p.push_back(TextProperty(
        "Header", [](const Item& i) { return i.Header(); },
        [](Item& i, const std::string& t) { i.SetHeaderField(t); }));
    p.push_back(EnumProperty<TAlignment>(
        "HeaderAlignment", AlignmentNames, [](const Item& i) { return i.HeaderAlignment(); },
        [](Item& i, TAlignment a) { i.SetHeaderAlignment(a); }));
    AddFontProperties(p, "HeaderFont", [](Item& i) { return i.HeaderFont(); });
    p.push_back(IntegerProperty("MinSize", &Item::MinSize));
    p.push_back(IntegerProperty("MaxSize", &Item::MaxSize));
    p.push_back(TextField("Name", &Item::Name));
    p.push_back(BooleanProperty(
        "Password", [](const Item& i) { return i.Password(); },
        [](Item& i, bool b) { i.SetPassword(b); }));
    p.push_back(BooleanProperty(
        "PrintBorderCustom", [](const Item& i) { return i.PrintBorderCustom; },
        [](Item& i, bool b) { i.PrintBorderCustom = b; }, true));
    p.push_back(BordersProperty(
        "PrintBorders", [](const Item& i) { return i.PrintBorders; },
        [](Item& i, TCellBorders b) { i.PrintBorders = b; }));
    AddPenProperties(p, "PrintBorderPen", [](Item& i) { return &i.PrintBorderPen; });
    p.push_back(ColorProperty(
        "PrintColor", [](const Item& i) { return i.PrintColor; },
        [](Item& i, TColor c) { i.PrintColor = c; }));
    p.push_back(BooleanProperty(
        "PrintFontCustom", [](const Item& i) { return i.PrintFontCustom; },
        [](Item& i, bool b) { i.PrintFontCustom = b; }, true));
    AddFontProperties(p, "PrintFont", [](Item& i) { return &i.PrintFont; });
    p.push_back(BooleanProperty(
        "ReadOnly", [](const Item& i) { return i.ReadOnly; },
        [](Item& i, bool b) { i.ReadOnly = b; }));
    p.push_back(BooleanProperty(
        "ShowBands", [](const Item& i) { return i.ShowBands(); },
        [](Item& i, bool b) { i.SetShowBands(b); }));
    p.push_back(EnumProperty<TSortStyle>(
        "SortStyle", SortStyleNames, [](const Item& i) { return i.SortStyle; },
        [](Item& i, TSortStyle s) { i.SortStyle = s; }));
    p.push_back(TextField("SortPrefix", &Item::SortPrefix));
    p.push_back(TextField("SortSuffix", &Item::SortSuffix));
    p.push_back(IntegerProperty("SpinMax", &Item::SpinMax));
    p.push_back(IntegerProperty("SpinMin", &Item::SpinMin));
    p.push_back(IntegerProperty("SpinStep", &Item::SpinStep));
    p.push_back(IntegerProperty("Tag", &Item::Tag));
    p.push_back({"Width",
                 [](TComponentImageWriter& w, const Item& i) {
                     w.WriteName("Width");
                     w.WriteInteger(i.StoredWidth());
                 },
                 [](TComponentImageReader& r, Item& i, TReferenceNames&) {
                     i.SetStoredWidth(r.ReadInteger());
                 }});
    return p;
}

} // namespace

const std::vector<TItemProperty>& ItemProperties() {
    static const std::vector<TItemProperty> properties = MakeItemProperties();
    return properties;
}

const TItemProperty& FindItemProperty(const std::string& Name) {
    for (const TItemProperty& property : ItemProperties())
        if (property.Name == Name)
            return property;
    TComponentImageReader::UnknownProperty(Name);
}
