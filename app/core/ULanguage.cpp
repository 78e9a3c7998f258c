#include "app/core/ULanguage.h"

#include "app/core/AppState.h"
#include "app/core/LanguageTexts.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/StringList.h"
#include "platform/core/Text.h"
#include "platform/core/TextFile.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::string_view Line_Prefix = "STR";
constexpr std::string_view Comment_Mark = "/#/";
// U+00B6 in UTF-8: the files are decoded to UTF-8 before they are parsed.
constexpr std::string_view Pilcrow = "\xC2\xB6";
constexpr std::string_view Single_Blank = " ";

struct TLanguageLine {
    int Slot;
    std::string Text;
};

std::optional<TLanguageLine> Parse_Line(std::string_view line, int slotLimit) {
    const std::string s = Trim(line);
    if (!StartsWith(s, Line_Prefix))
        return std::nullopt;
    const size_t equals = s.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    // The whole text between "STR" and "=" is the number, so "STR12= text" means slot 12.
    const std::string number =
        Trim(std::string_view(s).substr(Line_Prefix.size(), equals - Line_Prefix.size()));
    int32_t slot = 0;
    if (number.empty() || !TryStrToInt(number, slot) || slot < 0 || slot >= slotLimit)
        return std::nullopt;

    std::string text = Trim(std::string_view(s).substr(equals + 1));
    // The comment mark is looked for before the pilcrows, so it can never be part of a text.
    if (const size_t comment = text.find(Comment_Mark); comment != std::string::npos)
        text = Trim(std::string_view(text).substr(0, comment));
    // An empty text leaves the slot alone; "¶¶" is how a file asks for an empty text.
    if (text.empty())
        return std::nullopt;
    if (StartsWith(text, Pilcrow))
        text.erase(0, Pilcrow.size());
    if (const size_t closing = text.find(Pilcrow); closing != std::string::npos)
        text.erase(closing);
    return TLanguageLine{slot, std::move(text)};
}

} // namespace

void Load_Default_Strings(TStringList& list) {
    list.Clear();
    const std::span<const TLanguageText> texts = Built_In_Language_Texts();
    auto next = texts.begin();
    for (int slot = 0; slot < Language_Slot_Count; ++slot) {
        if (next != texts.end() && next->Slot == slot) {
            list.Add(next->Text);
            ++next;
        } else {
            list.Add(Single_Blank);
        }
    }
}

void Apply_Language_Text(TStringList& list, std::string_view text, int slotLimit) {
    const int limit = std::min(slotLimit, list.Count());
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        if (std::optional<TLanguageLine> line = Parse_Line(text.substr(start, end - start), limit))
            list[line->Slot] = std::move(line->Text);
        // CR LF, LF and CR all end a line; an empty line between them is skipped anyway.
        start = end + 1;
    }
}

void Load_Language_File(TStringList& list, const std::string& path, int slotLimit) {
    Apply_Language_Text(list, ReadTextFile(path), slotLimit);
}

void Load_Default_Strings() {
    TAppState& state = AppState();
    Load_Default_Strings(state.Language_List);
    state.Language_Count = Language_Slot_Count;
}

void Load_Default_Language() {
    Load_Default_Strings();
}

void Load_Language_File(const std::string& path) {
    TAppState& state = AppState();
    Load_Language_File(state.Language_List, path, state.Language_Count);
}

void Load_Language() {
    TAppState& state = AppState();
    Load_Default_Strings();
    std::string path = JoinPath(state.Language_Dir, state.Language_Name + ".lng");
    if (!FileExists(path)) {
        state.Language_Name = "English";
        path = JoinPath(state.Language_Dir, "English.lng");
        if (!FileExists(path))
            return;
    }
    try {
        Load_Language_File(path);
    } catch (const EFileError&) {
        // An unreadable file must not stop the program: the English texts stay, and the chosen
        // language is kept so that the next start tries it again.
    }
}

std::string Lang_Str(int index) {
    TStringList& list = AppState().Language_List;
    if (list.Count() == 0)
        Load_Default_Strings();
    if (index < 0 || index >= list.Count())
        return {};
    return list[index];
}
