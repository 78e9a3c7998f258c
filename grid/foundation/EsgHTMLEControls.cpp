#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLETags.h"

#include <vector>

using HTMLTags::AttributeValue;
using HTMLTags::ControlTag;
using HTMLTags::ControlTagWalker;

namespace {

struct ControlAttributes {
    std::string Type, ID, Value, Width, Height, Prop, MaxLen;
};

ControlAttributes ReadControl(std::string_view Tag) {
    ControlAttributes c;
    ParseControlTag(Tag, c.Type, c.ID, c.Value, c.Width, c.Height, c.Prop, c.MaxLen);
    return c;
}

// The first control with ID; false when there is none.
bool FindControl(std::string_view Text, std::string_view ID, ControlTag& Found,
                 ControlAttributes& Attributes) {
    ControlTagWalker walker(Text);
    while (walker.Next(Found)) {
        Attributes = ReadControl(Found.Tag);
        if (Attributes.ID == ID)
            return true;
    }
    return false;
}

std::string Quoted(std::string_view Name, std::string_view Value) {
    std::string result;
    result.reserve(Name.size() + Value.size() + 4);
    result += Name;
    result += "=\"";
    result += Value;
    result += '"';
    return result;
}

// The tag behind its '<' with a new value, keeping the attributes a control is drawn and edited
// with.
std::string RebuiltTag(std::string_view Tag, std::string_view NewValue) {
    ControlAttributes control = ReadControl(Tag);
    std::string rebuilt = "CONTROL " + Quoted("ID", control.ID) + " " +
                          Quoted("VALUE", EncodeEntities(NewValue, true)) + " " +
                          Quoted("WIDTH", control.Width) + " " + Quoted("TYPE", control.Type);
    // The height sizes the control when drawn, so a rewritten tag keeps it.
    if (!control.Height.empty())
        rebuilt += " " + Quoted("HEIGHT", control.Height);
    if (!control.Prop.empty())
        rebuilt += " " + Quoted("PROP", EncodeEntities(control.Prop, true));
    if (!control.MaxLen.empty())
        rebuilt += " " + Quoted("MAXLEN", control.MaxLen);
    rebuilt += '>';
    return rebuilt;
}

} // namespace

bool HasControlTags(std::string_view Text) {
    return HTMLTags::FindNoCase(Text, "<CONTROL") != std::string_view::npos;
}

void ParseControlTag(std::string_view TagText, std::string& ControlType, std::string& ControlID,
                     std::string& Value, std::string& Width, std::string& Height, std::string& Prop,
                     std::string& MaxLen) {
    ControlType = HTMLTags::UpperAscii(AttributeValue(TagText, "TYPE"));
    ControlID = AttributeValue(TagText, "ID");
    Value = DecodeEntities(AttributeValue(TagText, "VALUE"), true);
    Width = AttributeValue(TagText, "WIDTH");
    Height = AttributeValue(TagText, "HEIGHT");
    Prop = DecodeEntities(AttributeValue(TagText, "PROP"), true);
    MaxLen = AttributeValue(TagText, "MAXLEN");
}

std::string NextEditControlID(std::string_view Text, std::string_view ID) {
    ControlTagWalker walker(Text);
    ControlTag tag;
    bool passed = ID.empty();
    while (walker.Next(tag)) {
        ControlAttributes control = ReadControl(tag.Tag);
        if (passed && control.Type != "BUTTON" && control.Type != "CHECK" &&
            control.Type != "RADIO")
            return control.ID;
        if (control.ID == ID)
            passed = true;
    }
    return {};
}

std::string ClearRadioControls(std::string_view Text) {
    // Every radio button is rewritten where it stands, also one whose ID another control
    // carries before it.
    std::string result;
    size_t copied = 0;
    ControlTagWalker walker(Text);
    ControlTag tag;
    while (walker.Next(tag)) {
        if (ReadControl(tag.Tag).Type != "RADIO")
            continue;
        size_t tagEnd = static_cast<size_t>(tag.Tag.data() - Text.data()) + tag.Tag.size();
        result.append(Text.substr(copied, tag.Start + 1 - copied));
        result += RebuiltTag(tag.Tag, "FALSE");
        copied = tagEnd;
    }
    result.append(Text.substr(copied));
    return result;
}

bool GetControlValue(std::string_view Text, std::string_view ID, std::string& Value) {
    ControlTag tag;
    ControlAttributes control;
    if (!FindControl(Text, ID, tag, control))
        return false;
    Value = control.Value;
    return true;
}

std::string GetControlProp(std::string_view Text, std::string_view ID) {
    ControlTag tag;
    ControlAttributes control;
    return FindControl(Text, ID, tag, control) ? control.Prop : std::string();
}

int GetControlMaxLen(std::string_view Text, std::string_view ID) {
    ControlTag tag;
    ControlAttributes control;
    if (!FindControl(Text, ID, tag, control))
        return 0;
    return HTMLTags::LeadingInteger(control.MaxLen, 0);
}

bool SetControlValue(std::string& Text, std::string_view ID, std::string_view NewValue) {
    ControlTag tag;
    ControlAttributes control;
    if (!FindControl(Text, ID, tag, control))
        return false;
    std::string rebuilt = RebuiltTag(tag.Tag, NewValue);
    size_t tagEnd = static_cast<size_t>(tag.Tag.data() - Text.data()) + tag.Tag.size();
    Text = Text.substr(0, tag.Start + 1) + rebuilt + Text.substr(tagEnd);
    return true;
}
