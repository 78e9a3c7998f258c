#include "platform/ui/DragDrop.h"

#include <algorithm>

namespace {

template <typename Formats> auto Find(Formats& formats, const std::string& format) {
    return std::find_if(formats.begin(), formats.end(),
                        [&](const auto& entry) { return entry.first == format; });
}

} // namespace

TClipboardFormat DragFormatNumber(const std::string& name) {
    if (name == DragFormat::Text)
        return CF_TEXT;
    if (name == DragFormat::UnicodeText)
        return CF_UNICODETEXT;
    if (name == DragFormat::FileDrop)
        return CF_HDROP;
    return TClipboard::RegisterFormat(name);
}

void TDragDataObject::SetData(const std::string& format, std::string bytes) {
    auto found = Find(FFormats, format);
    if (found != FFormats.end())
        found->second = std::move(bytes);
    else
        FFormats.emplace_back(format, std::move(bytes));
}

bool TDragDataObject::HasFormat(const std::string& format) const {
    return Find(FFormats, format) != FFormats.end();
}

const std::string* TDragDataObject::Data(const std::string& format) const {
    auto found = Find(FFormats, format);
    return found != FFormats.end() ? &found->second : nullptr;
}

std::vector<std::string> TDragDataObject::Formats() const {
    std::vector<std::string> names;
    names.reserve(FFormats.size());
    for (const auto& entry : FFormats)
        names.push_back(entry.first);
    return names;
}
