#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// The text of one grid cell in 16 bytes: up to 15 bytes live inline, longer texts on the heap.
// Most table cells hold short numbers and names, so this keeps a large grid small.
class TGridCellText {
public:
    static constexpr std::size_t InlineCapacity = 15;

    TGridCellText() = default;
    explicit TGridCellText(std::string_view text) { Assign(text); }
    TGridCellText(const TGridCellText& other) { Assign(other.View()); }
    TGridCellText(TGridCellText&& other) noexcept;
    TGridCellText& operator=(const TGridCellText& other);
    TGridCellText& operator=(TGridCellText&& other) noexcept;
    ~TGridCellText() { Release(); }

    // Short texts replacing short texts (the common write) stay inline here, without a call.
    void Assign(std::string_view text) {
        if (text.size() <= InlineCapacity && !OnHeap()) {
            CopyShort(FBytes, text.data(), text.size());
            FBytes[InlineCapacity] = static_cast<unsigned char>(text.size());
            return;
        }
        AssignSlow(text);
    }
    std::string_view View() const {
        if (OnHeap())
            return HeapView();
        return {reinterpret_cast<const char*>(FBytes), FBytes[InlineCapacity]};
    }
    bool Empty() const { return View().empty(); }

private:
    static constexpr unsigned char HeapTag = 0xFF;

    // Copies up to 15 bytes with a few overlapping word moves instead of a library call; every
    // load comes before the stores, so the source may be these very bytes.
    static void CopyShort(unsigned char* to, const char* from, std::size_t size) {
        if (size >= 8) {
            std::uint64_t head, tail;
            std::memcpy(&head, from, 8);
            std::memcpy(&tail, from + size - 8, 8);
            std::memcpy(to, &head, 8);
            std::memcpy(to + size - 8, &tail, 8);
        } else if (size >= 4) {
            std::uint32_t head, tail;
            std::memcpy(&head, from, 4);
            std::memcpy(&tail, from + size - 4, 4);
            std::memcpy(to, &head, 4);
            std::memcpy(to + size - 4, &tail, 4);
        } else if (size > 0) {
            const char first = from[0], middle = from[size / 2], last = from[size - 1];
            to[0] = static_cast<unsigned char>(first);
            to[size / 2] = static_cast<unsigned char>(middle);
            to[size - 1] = static_cast<unsigned char>(last);
        }
    }

    bool OnHeap() const { return FBytes[InlineCapacity] == HeapTag; }
    std::string* HeapText() const;
    std::string_view HeapView() const;
    void AssignSlow(std::string_view text);
    void Release();

    alignas(8) unsigned char FBytes[InlineCapacity + 1] = {};
};

static_assert(sizeof(TGridCellText) == 16);
