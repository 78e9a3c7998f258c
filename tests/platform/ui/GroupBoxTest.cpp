#include "RecordingControl.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Panel.h"

#include <gtest/gtest.h>

#include <memory>

TEST(GroupBox, AlignedChildrenStayInsideTheFrameBelowTheCaption) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* box = new TGroupBox(form.get());
    box->SetParent(form.get());
    box->SetCaption("Options");
    box->SetBounds(0, 0, 120, 80);
    auto* child = new TPanel(form.get());
    child->SetParent(box);
    child->SetAlign(alClient);

    TCanvas measure;
    measure.Font()->Assign(*box->Font());
    const int captionHeight = measure.TextHeight("0");
    EXPECT_EQ(child->BoundsRect(), Rect(2, captionHeight + 2, 118, 78));
}
