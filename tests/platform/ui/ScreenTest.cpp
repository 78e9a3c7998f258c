#include "RecordingControl.h"

#include "platform/ui/Screen.h"

#include <QApplication>
#include <QCursor>

#include <gtest/gtest.h>

TEST(Screen, TheApplicationCursorOverridesUntilSetBack) {
    Screen->SetCursor(crHourGlass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen->SetCursor(crHandPoint);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);

    Screen->SetCursor(crDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST(Screen, MetricsOfTheScreenAndTheStyle) {
    EXPECT_GT(Screen->Width(), 0);
    EXPECT_GT(Screen->Height(), 0);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), Screen->Width());
    EXPECT_GT(GetSystemMetrics(SM_CXVSCROLL), 0);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL));
    EXPECT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
    EXPECT_GT(GetDoubleClickTime(), 0u);
}
