#pragma once

#include "grid/dropdown/ColorSelectorPanel.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

class TImage;

// A 128 x 128 colour spectrum with a swatch of the chosen colour and one of the colour under the
// pointer beneath it; a press on the spectrum picks the colour under the pointer.
class TExColorSpectrumPanel : public TExCustomColorSelectorPanel {
public:
    static constexpr int SpectrumSize = 128;

    explicit TExColorSpectrumPanel(TComponent* AOwner);
    ~TExColorSpectrumPanel() override;

    // Sizes the panel, places the spectrum and the swatches, clears the hot colour (before each
    // showing).
    void ArrangeSpectrum();

    TImage* SpectrumImage() const { return FSpectrumImage; }
    // The spectrum's colour at a point of the picture; clNone outside it.
    TColor SpectrumColorAt(int X, int Y) const;
    TColor HotColor() const { return FHotColor; }
    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value) { FSelectedColor = Value; }
    const TRect& HotRect() const { return FHotRect; }
    const TRect& SelectedRect() const { return FSelectedRect; }

    // Fired after a press on the spectrum.
    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void SpectrumMouseMove(int X, int Y);
    void SpectrumMouseDown(int X, int Y);
    void DrawSwatch(const TRect& R, TColor Color);
    void InvalidateSwatch(const TRect& R);

    TImage* FSpectrumImage;
    TColor FHotColor = clNone;
    TColor FSelectedColor = clWhite;
    TRect FHotRect{};
    TRect FSelectedRect{};
};
