#pragma once

#include "platform/ui/HintWindow.h"

#include <string>

class TImageList;
class TPictureContainer;

// What the grid hands its HTML hint window with a hint: the pictures its mark-up refers to and
// the font name packed wide text is drawn in.
class THTMLHintData : public TObject {
public:
    const TImageList* Images = nullptr;
    TPictureContainer* PictureContainer = nullptr;
    std::string FontName;
};

// The grid's hint window for mini-HTML and packed wide hint texts: HTML is laid out by the
// mini-HTML renderer, packed wide text is unpacked and drawn on one line. A raised frame
// surrounds the text.
class THTMLHintWindow : public THintWindow {
public:
    explicit THTMLHintWindow(TComponent* AOwner);

    // Sized to the text (up to 1008 pixels wide), placed at R's top-left corner and moved to
    // end 2 pixels inside the monitor where it would pass its right or bottom edge.
    void ActivateHint(TRect R, const std::string& AHint) override;
    // Takes the pictures and the font name from a THTMLHintData first.
    void ActivateHintData(TRect R, const std::string& AHint, TObject* AData) override;
    TRect CalcHintRect(int MaxWidth, const std::string& AHint, TObject* AData) override;

    const TImageList* Images = nullptr;
    TPictureContainer* PictureContainer = nullptr;
    // Packed wide text is drawn in this font (empty: the window's own).
    std::string FontName;

protected:
    void Paint() override;

private:
    void TakeData(TObject* AData);
    // Measures the hint within MaxWidth and remembers what Paint needs; returns the window size.
    TSize Measure(const std::string& AHint, int MaxWidth);

    bool FPackedWide = false;
    std::string FUnpacked;
    int FTextWidth = 0;
    int FTextHeight = 0;
};
