// The splitter bar: a drag resizes the control beyond it, within the least sizes.
#include "RecordingControl.h"

#include "platform/ui/InputSimulation.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Splitter.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A form of 200 x 300 with, on the side under test, a panel of 100, the bar beyond it, and a
// client panel filling the rest.
struct TSplitterForm {
    explicit TSplitterForm(TAlign side) {
        Form->SetClientWidth(200);
        Form->SetClientHeight(300);
        Sized = Make(side, 100);
        Bar = new TSplitter(Form.get());
        Bar->SetParent(Form.get());
        Bar->SetAlign(side);
        if (side == alTop || side == alBottom)
            Bar->SetHeight(3);
        else
            Bar->SetWidth(3);
        // Aligned controls stack in the order they were placed: the bar goes after the panel.
        if (side == alBottom)
            Bar->SetTop(Sized->Top() - 3);
        if (side == alRight)
            Bar->SetLeft(Sized->Left() - 3);
        Client = Make(alClient, 0);
    }
    TPanel* Make(TAlign align, int size) {
        auto* panel = new TPanel(Form.get());
        panel->SetParent(Form.get());
        panel->SetBounds(0, 0, size, size);
        panel->SetAlign(align);
        return panel;
    }
    // Drags the bar by `by` pixels along its axis, from its middle.
    void Drag(int by, bool release = true) {
        const bool vertical = Bar->Align() == alTop || Bar->Align() == alBottom;
        const TPoint from{Bar->Width() / 2, Bar->Height() / 2};
        const TPoint to = vertical ? TPoint{from.X, from.Y + by} : TPoint{from.X + by, from.Y};
        InputSimulation::MouseDown(Bar, mbLeft, from);
        InputSimulation::MouseMove(Bar, to, TShiftState{ssLeft});
        if (release)
            InputSimulation::MouseUp(Bar, mbLeft, to);
    }
    int Size(const TControl* control) const {
        return Bar->Align() == alTop || Bar->Align() == alBottom ? control->Height()
                                                                 : control->Width();
    }

    std::unique_ptr<TestForm> Form = std::make_unique<TestForm>(nullptr);
    TPanel* Sized = nullptr;
    TSplitter* Bar = nullptr;
    TPanel* Client = nullptr;
};

TEST(Splitter, ADragResizesTheControlBeyondTheBarOnEverySide) {
    struct Case {
        TAlign Side;
        int By;
        int Size; // of the sized panel afterwards
    };
    const Case cases[] = {
        {alTop, 40, 140},      {alTop, -40, 60},  {alBottom, -40, 140}, {alBottom, 40, 60},
        {alLeft, 30, 130},     {alLeft, -30, 70}, {alRight, -30, 130},  {alRight, 30, 70},
        {alTop, -90, 30},      // no smaller than the least size
        {alLeft, 500, 167},    // the client panel keeps its least size: 200 - 3 - 30
        {alBottom, -500, 267}, // 300 - 3 - 30
    };
    for (const Case& c : cases) {
        TSplitterForm form(c.Side);
        int moved = 0;
        form.Bar->OnMoved = [&](TObject*) { ++moved; };
        form.Drag(c.By);
        EXPECT_EQ(form.Size(form.Sized), c.Size) << c.Side << " by " << c.By;
        const int room = c.Side == alTop || c.Side == alBottom ? 300 : 200;
        EXPECT_EQ(form.Size(form.Sized) + 3 + form.Size(form.Client), room);
        EXPECT_EQ(moved, 1);
    }
}

// The sized control keeps its place among the controls stacked on its side.
TEST(Splitter, TheSizedControlKeepsItsPlaceInItsStack) {
    for (const TAlign side : {alBottom, alRight}) {
        TSplitterForm form(side);
        TPanel* outer = form.Make(side, 40); // lies beyond the sized panel, at the edge
        if (side == alBottom)
            outer->SetTop(300);
        else
            outer->SetLeft(200);
        const int edge = side == alBottom ? outer->Top() : outer->Left();
        form.Drag(-20);
        if (side == alBottom) {
            EXPECT_EQ(outer->Top(), edge);
            EXPECT_EQ(form.Sized->Top() + form.Sized->Height(), edge);
        } else {
            EXPECT_EQ(outer->Left(), edge);
            EXPECT_EQ(form.Sized->Left() + form.Sized->Width(), edge);
        }
        EXPECT_EQ(form.Size(form.Sized), 120) << side;
    }
}

TEST(Splitter, WithoutAControlBeyondItNothingMoves) {
    TSplitterForm form(alBottom);
    form.Sized->SetVisible(false);
    int moved = 0;
    form.Bar->OnMoved = [&](TObject*) { ++moved; };
    form.Drag(-40);
    EXPECT_EQ(form.Sized->Height(), 100);
    EXPECT_EQ(moved, 0);
}

} // namespace
