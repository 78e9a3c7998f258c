#include "RecordingControl.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/internal/NativeHost.h"

#include <QAbstractItemView>
#include <QComboBox>

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

TEST(ComboBoxDroppedWidth, OpensTheListAtLeastThatWide) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* combo = new TComboBox(form.get());
    combo->SetParent(form.get());
    combo->Items()->Add("one");
    auto* native = static_cast<QComboBox*>(NativeHost::Embedded(combo));

    EXPECT_EQ(combo->DroppedWidth(), 0);
    EXPECT_EQ(native->view()->minimumWidth(), 0) << "0: the list is as wide as the control";

    combo->SetDroppedWidth(300);
    EXPECT_EQ(combo->DroppedWidth(), 300);
    EXPECT_EQ(native->view()->minimumWidth(), 300);

    combo->SetDroppedWidth(-5);
    EXPECT_EQ(combo->DroppedWidth(), 0);
}

} // namespace
