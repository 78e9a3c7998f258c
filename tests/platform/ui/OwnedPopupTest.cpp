#include "RecordingControl.h"

#include "platform/ui/InputSimulation.h"
#include "platform/ui/OwnedPopup.h"
#include "platform/ui/internal/NativeHost.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

class OwnedPopupTest : public ::testing::Test {
protected:
    OwnedPopupTest() : Owner(std::make_unique<TestForm>(nullptr)) {
        Owner->SetBounds(50, 50, 300, 200);
        Inside = new RecordingControl(Owner.get(), Owner.get());
        Popup = new TForm(Owner.get());
        Popup->SetBorderStyle(bsNone);
        PopupChild = new RecordingControl(Popup, Popup);
        Owner->Show();
        MakeOwnedPopup(Popup, Inside, true);
        WatchOwnedPopup(Popup, [this] {
            ++Lost;
            Popup->Hide();
        });
    }

    void ShowPopup() { ShowOwnedPopup(Popup, Bounds(60, 100, 120, 80)); }

    std::unique_ptr<TestForm> Owner;
    RecordingControl* Inside;
    TForm* Popup;
    RecordingControl* PopupChild;
    int Lost = 0;
};

TEST_F(OwnedPopupTest, IsATopMostToolWindowOfTheOwnersWindow) {
    QWidget* widget = NativeHost::Widget(Popup);
    EXPECT_TRUE(widget->isWindow());
    EXPECT_EQ(OwnedPopupOwner(Popup), Owner.get()) << "the window holding the control";
    EXPECT_TRUE(widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(widget->windowFlags().testFlag(Qt::FramelessWindowHint));
    ShowPopup();
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(widget->geometry(), QRect(60, 100, 120, 80));
}

TEST_F(OwnedPopupTest, ShadowFollowsThePopupUnderItsRightAndBottomEdges) {
    QWidget* widget = NativeHost::Widget(Popup);
    auto* shadow = widget->findChild<QWidget*>("velmaro_owned_popup_shadow");
    ASSERT_NE(shadow, nullptr);
    EXPECT_TRUE(shadow->windowFlags().testFlag(Qt::WindowTransparentForInput));
    EXPECT_FALSE(shadow->isVisible());
    ShowPopup();
    EXPECT_TRUE(shadow->isVisible());
    EXPECT_EQ(shadow->geometry(), QRect(64, 104, 120, 80));
    Popup->SetBounds(70, 110, 50, 40);
    EXPECT_EQ(shadow->geometry(), QRect(74, 114, 50, 40));
    QImage image(shadow->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    shadow->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_GT(qAlpha(image.pixel(47, 20)), 0) << "right of the popup";
    EXPECT_GT(qAlpha(image.pixel(20, 37)), 0) << "below the popup";
    EXPECT_EQ(qAlpha(image.pixel(10, 10)), 0) << "under the popup itself";
    Popup->Hide();
    EXPECT_FALSE(shadow->isVisible());

    MakeOwnedPopup(Popup, Inside, false);
    EXPECT_EQ(widget->findChild<QWidget*>("velmaro_owned_popup_shadow"), nullptr);
}

TEST_F(OwnedPopupTest, PressInAnotherWindowEndsIt) {
    ShowPopup();
    InputSimulation::MouseDown(PopupChild, mbLeft, {1, 1});
    EXPECT_EQ(Lost, 0) << "a press inside the popup";
    InputSimulation::MouseDown(Inside, mbLeft, {1, 1});
    EXPECT_EQ(Lost, 1);
    InputSimulation::MouseDown(Inside, mbLeft, {1, 1});
    EXPECT_EQ(Lost, 1) << "nothing more while hidden";
    ShowPopup();
    InputSimulation::MouseDown(Inside, mbLeft, {1, 1});
    EXPECT_EQ(Lost, 2) << "again once shown again";
}

TEST_F(OwnedPopupTest, WindowsThePopupOwnsBelongToIt) {
    auto* second = new TForm(Popup);
    second->SetBorderStyle(bsNone);
    auto* secondChild = new RecordingControl(second, second);
    MakeOwnedPopup(second, PopupChild, false);
    EXPECT_TRUE(IsWithinOwnedPopup(Popup, second));
    EXPECT_TRUE(IsWithinOwnedPopup(Popup, secondChild));
    EXPECT_FALSE(IsWithinOwnedPopup(Popup, Inside));
    ShowPopup();
    ShowOwnedPopup(second, Bounds(70, 190, 50, 50));
    InputSimulation::MouseDown(secondChild, mbLeft, {1, 1});
    EXPECT_EQ(Lost, 0);
    EXPECT_TRUE(Popup->Visible());
}

TEST_F(OwnedPopupTest, ActivatingAnotherWindowEndsIt) {
    auto other = std::make_unique<TestForm>(nullptr);
    other->SetBounds(500, 50, 100, 100);
    other->Show();
    ShowPopup();
    QCoreApplication::processEvents();
    EXPECT_EQ(Lost, 0) << "the other window's activation came before the popup's";
    NativeHost::Widget(other.get())->activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(Lost, 1);
}

TEST_F(OwnedPopupTest, EndedWatchReportsNothing) {
    WatchOwnedPopup(Popup, nullptr);
    ShowPopup();
    InputSimulation::MouseDown(Inside, mbLeft, {1, 1});
    EXPECT_EQ(Lost, 0);
}

TEST(OwnedPopup, WorkAreaOfTheScreenHoldingThePointOrTheNearestOne) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const TRect expected =
        Bounds(available.x(), available.y(), available.width(), available.height());
    EXPECT_EQ(WorkAreaAt({available.x() + 5, available.y() + 5}), expected);
    EXPECT_EQ(WorkAreaAt({-100000, 100000}), expected) << "the nearest screen";
}

} // namespace
