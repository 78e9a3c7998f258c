#pragma once

#include <cstdint>
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

    void Assign(std::string_view text);
    std::string_view View() const;
    bool Empty() const { return View().empty(); }

private:
    static constexpr unsigned char HeapTag = 0xFF;

    bool OnHeap() const { return FBytes[InlineCapacity] == HeapTag; }
    std::string* HeapText() const;
    void Release();

    alignas(8) unsigned char FBytes[InlineCapacity + 1] = {};
};

static_assert(sizeof(TGridCellText) == 16);
