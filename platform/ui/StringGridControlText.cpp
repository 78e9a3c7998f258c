#include "platform/ui/StringGridControlText.h"

#include <cstring>
#include <utility>

TGridCellText::TGridCellText(TGridCellText&& other) noexcept {
    std::memcpy(FBytes, other.FBytes, sizeof FBytes);
    std::memset(other.FBytes, 0, sizeof other.FBytes);
}

TGridCellText& TGridCellText::operator=(const TGridCellText& other) {
    if (this != &other)
        Assign(other.View());
    return *this;
}

TGridCellText& TGridCellText::operator=(TGridCellText&& other) noexcept {
    if (this != &other) {
        Release();
        std::memcpy(FBytes, other.FBytes, sizeof FBytes);
        std::memset(other.FBytes, 0, sizeof other.FBytes);
    }
    return *this;
}

std::string* TGridCellText::HeapText() const {
    std::string* text = nullptr;
    std::memcpy(&text, FBytes, sizeof text);
    return text;
}

void TGridCellText::Release() {
    if (OnHeap())
        delete HeapText();
    std::memset(FBytes, 0, sizeof FBytes);
}

void TGridCellText::AssignSlow(std::string_view text) {
    if (OnHeap() && text.size() > InlineCapacity) {
        // The view may point into the string being replaced; assign copes with that.
        HeapText()->assign(text.data(), text.size());
        return;
    }
    if (text.size() > InlineCapacity) {
        auto* heap = new std::string(text);
        Release();
        std::memcpy(FBytes, &heap, sizeof heap);
        FBytes[InlineCapacity] = HeapTag;
        return;
    }
    unsigned char copy[InlineCapacity] = {};
    if (!text.empty())
        std::memcpy(copy, text.data(), text.size());
    Release();
    std::memcpy(FBytes, copy, text.size());
    FBytes[InlineCapacity] = static_cast<unsigned char>(text.size());
}

std::string_view TGridCellText::HeapView() const {
    return *HeapText();
}
