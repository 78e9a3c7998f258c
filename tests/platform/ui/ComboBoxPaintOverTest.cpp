#include "RecordingControl.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ComboBox.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Draws a red square over the platform's painting, as a combo with its own button would.
class MarkingCombo : public TComboBox {
public:
    using TComboBox::TComboBox;
    int Paints = 0;

protected:
    void PaintOver() override {
        ++Paints;
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(Rect(0, 0, 4, 4));
    }
};

TEST(ComboBoxPaintOver, DrawsOverThePlatformsPainting) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* combo = new MarkingCombo(form.get());
    combo->SetParent(form.get());
    combo->SetStyle(csDropDownList);

    TBitmap bitmap(combo->Width(), combo->Height());
    combo->PaintTo(bitmap.Canvas(), 0, 0);

    EXPECT_GE(combo->Paints, 1);
    EXPECT_EQ(bitmap.Pixel(1, 1), clRed);
    EXPECT_NE(bitmap.Pixel(10, 10), clRed);
}

} // namespace
