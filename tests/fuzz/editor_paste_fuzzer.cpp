// Clipboard text pasted into the string grid's text editor, and characters typed into it. Input:
// the editor kind, the length limit, the selection start and length (one byte each), then the
// editor's text, a NUL, and the pasted text.
#include "FuzzSupport.h"

#include "grid/stringgrid/ExInplaceEdit.h"
#include "platform/core/CodePage.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    const auto kind = static_cast<TEditorType>(data[0] % (edMaskEditBtn + 1));
    const int limit = data[1] % 32;
    const int selStart = data[2];
    const int selLength = data[3];
    const std::string_view rest = FuzzText(data + 4, size - 4);
    const size_t split = std::min(rest.find('\0'), rest.size());
    const std::string text(rest.substr(0, split));
    const std::string pasted(rest.substr(std::min(split + 1, rest.size())));

    const TPasteResult result =
        PasteIntoEditorText(kind, text, selStart, selLength, pasted, limit, u"0123456789abc");
    const int length = static_cast<int>(Utf8ToUtf16(result.Text).size());
    if (!result.Pasted && result.Text != text)
        std::abort(); // a paste dropped whole changes nothing
    if (limit > 0 && result.Text != text && length > limit)
        std::abort(); // a paste never takes the text past the limit
    if (result.SelStart < 0 || result.SelLength < 0)
        std::abort();

    TTypedCharContext ctx;
    ctx.Text = Utf8ToUtf16(text);
    ctx.SelStart = std::min(selStart, static_cast<int>(ctx.Text.size()));
    ctx.SelLength = std::min(selLength, static_cast<int>(ctx.Text.size()) - ctx.SelStart);
    ctx.LengthLimit = limit;
    for (char16_t key : Utf8ToUtf16(pasted).substr(0, 64))
        (void)FilterTypedChar(kind, key, ctx);
    return 0;
}
