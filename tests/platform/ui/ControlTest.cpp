#include "RecordingControl.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
struct Controls : ::testing::Test {
    std::unique_ptr<TestForm> form = std::make_unique<TestForm>(nullptr);
};
} // namespace

TEST_F(Controls, AlignedChildrenShareTheClientAreaInOrder) {
    auto* top = new RecordingControl(form.get(), form.get());
    auto* bottom = new RecordingControl(form.get(), form.get());
    auto* left = new RecordingControl(form.get(), form.get());
    auto* client = new RecordingControl(form.get(), form.get());
    top->SetHeight(10);
    top->SetAlign(alTop);
    bottom->SetHeight(20);
    bottom->SetAlign(alBottom);
    left->SetWidth(30);
    left->SetAlign(alLeft);
    client->SetAlign(alClient);

    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 200, 10));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 80, 200, 100));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 10, 30, 80));
    EXPECT_EQ(client->BoundsRect(), Rect(30, 10, 200, 80));

    form->SetClientWidth(300);
    EXPECT_EQ(client->BoundsRect(), Rect(30, 10, 300, 80)) << "re-aligned on resize";
    bottom->Hide();
    EXPECT_EQ(client->BoundsRect(), Rect(30, 10, 300, 100)) << "hidden controls take no room";
}

TEST_F(Controls, ResizingSendsWmSizeAndFiresOnResizeOnlyOnChange) {
    auto* control = new RecordingControl(form.get(), form.get());
    int resizes = 0;
    control->OnResize = [&](TObject*) { ++resizes; };

    control->SetBounds(5, 5, 40, 20);
    EXPECT_EQ(resizes, 0) << "only moved";
    control->SetWidth(50);
    control->SetHeight(-3);

    EXPECT_EQ(resizes, 2);
    EXPECT_EQ(control->Height(), 0) << "negative sizes become 0";
    EXPECT_EQ(control->ClientRect(), Rect(0, 0, 50, 0));
}

TEST_F(Controls, StateChangesAnnounceThemselves) {
    auto* control = new RecordingControl(form.get(), form.get());
    control->SetEnabled(false);
    control->SetVisible(false);
    control->SetCaption("OK");
    control->SetColor(clYellow);
    control->SetCaption("OK");

    for (UINT msg : {CM_ENABLEDCHANGED, CM_VISIBLECHANGED, CM_TEXTCHANGED, CM_COLORCHANGED})
        EXPECT_TRUE(control->Saw(msg)) << std::hex << msg;
    EXPECT_EQ(std::count(control->Received.begin(), control->Received.end(), CM_TEXTCHANGED), 1);
    EXPECT_FALSE(control->Showing());
}

TEST_F(Controls, ShowingNeedsEveryParentUpToAShownForm) {
    auto* panel = new RecordingControl(form.get(), form.get());
    auto* child = new RecordingControl(form.get(), panel);
    EXPECT_FALSE(child->Showing());
    form->Show();
    EXPECT_TRUE(child->Showing());
    panel->Hide();
    EXPECT_FALSE(child->Showing());
    EXPECT_FALSE(child->CanFocus());
    form->Hide();
}

TEST_F(Controls, AnchorsKeepTheDistanceToTheParentsEdges) {
    struct Case {
        TAnchors Anchors;
        TRect After; // the form's client area grows from 200 x 100 to 260 x 130
    };
    const Case cases[] = {
        {{akLeft, akTop}, Rect(150, 70, 190, 90)},
        {{akRight, akBottom}, Rect(210, 100, 250, 120)},
        {{akLeft, akTop, akRight}, Rect(150, 70, 250, 90)},
        {{akLeft, akTop, akRight, akBottom}, Rect(150, 70, 250, 120)},
    };
    for (const Case& c : cases) {
        TestForm form(nullptr);
        auto* button = new RecordingControl(&form, &form);
        button->SetBounds(150, 70, 40, 20);
        button->SetAnchors(c.Anchors);

        form.SetClientWidth(260);
        form.SetClientHeight(130);

        EXPECT_EQ(button->BoundsRect(), c.After);
    }
}
