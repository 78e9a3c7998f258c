#include "RecordingControl.h"

#include "platform/ui/PopupWindow.h"
#include "platform/ui/internal/NativeHost.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

TEST(PopupWindow, OptionsBecomeTheWindowsKind) {
    for (TPopupWindowOptions options :
         {TPopupWindowOptions{}, TPopupWindowOptions{pwoToolWindow},
          TPopupWindowOptions{pwoTopMost, pwoDisabled},
          TPopupWindowOptions{pwoToolWindow, pwoTopMost, pwoDisabled}}) {
        auto form = std::make_unique<TestForm>(nullptr);
        auto* popup = new RecordingControl(form.get(), form.get());
        MakePopupWindow(popup, options);
        QWidget* widget = NativeHost::Widget(popup);
        EXPECT_TRUE(IsPopupWindow(popup));
        EXPECT_TRUE(widget->isWindow());
        EXPECT_EQ(widget->parentWidget(), NativeHost::Widget(form.get())) << "owned by the form";
        EXPECT_EQ(PopupWindowOptions(popup), options) << options.ToBits();
        EXPECT_EQ(widget->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus),
                  options.Contains(pwoDisabled));
    }
}

TEST(PopupWindow, PlacedInScreenPositionsAndShownWithItsControl) {
    auto form = std::make_unique<TestForm>(nullptr);
    form->SetBounds(100, 100, 200, 100);
    auto* popup = new RecordingControl(form.get(), form.get());
    popup->Hide();
    MakePopupWindow(popup, {pwoToolWindow});
    EXPECT_FALSE(NativeHost::Widget(popup)->isVisible());

    popup->SetBounds(7, 9, 11, 10);
    popup->Show();
    QWidget* widget = NativeHost::Widget(popup);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(widget->pos(), QPoint(7, 9)) << "Left and Top are screen positions";
    EXPECT_EQ(widget->size(), QSize(11, 10));
    popup->Hide();
    EXPECT_FALSE(widget->isVisible());
}

TEST(PopupWindow, RegionKeepsOnlyThePolygon) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* popup = new RecordingControl(form.get(), form.get());
    popup->SetBounds(0, 0, 10, 10);
    MakePopupWindow(popup, {});
    EXPECT_TRUE(WindowRegionContains(popup, {9, 9})) << "the whole window without a region";

    SetWindowRegion(popup, {{0, 0}, {10, 0}, {0, 10}});
    EXPECT_TRUE(WindowRegionContains(popup, {1, 1}));
    EXPECT_FALSE(WindowRegionContains(popup, {8, 8}));
    EXPECT_FALSE(WindowRegionContains(popup, {10, 1})) << "outside the window";

    SetWindowRegion(popup, {});
    EXPECT_TRUE(WindowRegionContains(popup, {8, 8}));
}
