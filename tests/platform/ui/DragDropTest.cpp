#include "RecordingControl.h"

#include "platform/ui/DragBlocks.h"
#include "platform/ui/DragDrop.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct DragDrop : ::testing::Test {
    std::unique_ptr<TestForm> form = std::make_unique<TestForm>(nullptr);
    RecordingControl* control = new RecordingControl(form.get(), form.get());
    std::string log;
    TDropEffect answer = DROPEFFECT_COPY;
    TDragDataObject entered;
    TDragDataObject dropped;

    void SetUp() override { DragDropTestSeam().Reset(); }
    void TearDown() override { DragDropTestSeam().Reset(); }

    static std::string Keys(TDragKeyState keys) { return std::to_string(keys); }

    void Register() {
        TDropTargetEvents events;
        events.OnDragEnter = [this](const TDragDataObject& data, TDragKeyState keys, TPoint,
                                    TDropEffect& effect) {
            entered = data;
            log += "enter" + Keys(keys) + "/" + std::to_string(effect) + " ";
            effect = answer;
        };
        events.OnDragOver = [this](TDragKeyState keys, TPoint, TDropEffect& effect) {
            log += "over" + Keys(keys) + "/" + std::to_string(effect) + " ";
            effect = answer;
        };
        events.OnDragLeave = [this] { log += "leave "; };
        events.OnDrop = [this](const TDragDataObject& data, TDragKeyState keys, TPoint,
                               TDropEffect& effect) {
            dropped = data;
            log += "drop" + Keys(keys) + "/" + std::to_string(effect) + " ";
            effect = answer;
        };
        RegisterDragDrop(control, events);
    }

    static TDragDataObject Text(const std::string& text) {
        TDragDataObject data;
        data.SetData(DragFormat::UnicodeText, UnicodeTextBlock(text));
        return data;
    }
};

constexpr TDropEffect CopyOrMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;

} // namespace

TEST_F(DragDrop, RegisteredTargetGetsTheDragWithItsKeysAllowedEffectsAndData) {
    Register();
    const TDragDataObject data = Text("x");
    EXPECT_EQ(
        DragDropSimulation::DragEnter(control, data, MK_LBUTTON | MK_CONTROL, {3, 4}, CopyOrMove),
        DROPEFFECT_COPY);
    answer = DROPEFFECT_MOVE;
    EXPECT_EQ(DragDropSimulation::DragOver(control, data, MK_LBUTTON, {5, 4}, CopyOrMove),
              DROPEFFECT_MOVE);
    EXPECT_EQ(DragDropSimulation::Drop(control, data, MK_SHIFT | MK_ALT, {5, 4}, CopyOrMove),
              DROPEFFECT_MOVE);
    EXPECT_EQ(log, "enter9/3 over1/3 drop36/3 ");
    EXPECT_EQ(entered, data);
    EXPECT_EQ(dropped, data);
}

TEST_F(DragDrop, PointsReachTheTargetInScreenCoordinates) {
    TPoint seen;
    TDropTargetEvents events;
    events.OnDrop = [&](const TDragDataObject&, TDragKeyState, TPoint p, TDropEffect&) {
        seen = p;
    };
    RegisterDragDrop(control, events);
    DragDropSimulation::DragEnter(control, Text("x"), 0, {7, 8}, DROPEFFECT_COPY);
    DragDropSimulation::Drop(control, Text("x"), 0, {7, 8}, DROPEFFECT_COPY);
    EXPECT_EQ(seen, control->ClientToScreen({7, 8}));
}

TEST_F(DragDrop, RefusedDragShowsNoEffectAndIsNeverDroppedButTheTargetIsAskedOnMovesAndLeave) {
    Register();
    answer = DROPEFFECT_NONE;
    const TDragDataObject data = Text("x");
    EXPECT_EQ(DragDropSimulation::DragEnter(control, data, 0, {1, 1}, CopyOrMove), DROPEFFECT_NONE);
    EXPECT_EQ(DragDropSimulation::DragOver(control, data, 0, {2, 1}, CopyOrMove), DROPEFFECT_NONE);
    DragDropSimulation::DragLeave(control);
    EXPECT_EQ(DragDropSimulation::Drop(control, data, 0, {2, 1}, CopyOrMove), DROPEFFECT_NONE);
    EXPECT_EQ(log, "enter0/3 over0/3 leave ");
}

TEST_F(DragDrop, DropReachesTheTargetOnlyWhenItTookTheLastEnterOrMove) {
    struct Case {
        const char* Why;
        TDropEffect EnterAnswer;
        TDropEffect OverAnswer;
        TDropEffect Dropped;
        const char* Log;
    };
    const Case cases[] = {
        {"taken throughout", DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_MOVE,
         "enter0/3 over0/3 drop0/3 "},
        {"refused on the last move", DROPEFFECT_COPY, DROPEFFECT_NONE, DROPEFFECT_NONE,
         "enter0/3 over0/3 leave "},
        {"refused on entering, taken on the move", DROPEFFECT_NONE, DROPEFFECT_COPY,
         DROPEFFECT_COPY, "enter0/3 over0/3 drop0/3 "},
    };
    Register();
    const TDragDataObject data = Text("x");
    for (const Case& c : cases) {
        log.clear();
        answer = c.EnterAnswer;
        DragDropSimulation::DragEnter(control, data, 0, {1, 1}, CopyOrMove);
        answer = c.OverAnswer;
        DragDropSimulation::DragOver(control, data, 0, {2, 1}, CopyOrMove);
        answer = c.OverAnswer; // the drop keeps the target's last answer
        EXPECT_EQ(DragDropSimulation::Drop(control, data, 0, {2, 1}, CopyOrMove), c.Dropped)
            << c.Why;
        EXPECT_EQ(log, c.Log) << c.Why;
    }
    // A drag refused on entering and dropped at once is left as well.
    log.clear();
    answer = DROPEFFECT_NONE;
    DragDropSimulation::DragEnter(control, data, 0, {1, 1}, CopyOrMove);
    answer = DROPEFFECT_COPY;
    EXPECT_EQ(DragDropSimulation::Drop(control, data, 0, {1, 1}, CopyOrMove), DROPEFFECT_NONE);
    EXPECT_EQ(log, "enter0/3 leave ");
}

TEST_F(DragDrop, UnregisteredOrRevokedControlTakesNoDrop) {
    EXPECT_FALSE(IsDragDropRegistered(control));
    EXPECT_EQ(DragDropSimulation::Drop(control, Text("x"), 0, {1, 1}, CopyOrMove), DROPEFFECT_NONE);

    Register();
    Register(); // a second registration replaces the first
    EXPECT_TRUE(IsDragDropRegistered(control));
    DragDropSimulation::DragEnter(control, Text("x"), 0, {1, 1}, CopyOrMove);
    EXPECT_EQ(DragDropSimulation::Drop(control, Text("x"), 0, {1, 1}, CopyOrMove), DROPEFFECT_COPY);
    EXPECT_EQ(log, "enter0/3 drop0/3 ") << "one registration answers";

    RevokeDragDrop(control);
    EXPECT_FALSE(IsDragDropRegistered(control));
    EXPECT_EQ(DragDropSimulation::DragEnter(control, Text("x"), 0, {1, 1}, CopyOrMove),
              DROPEFFECT_NONE);
    EXPECT_EQ(DragDropSimulation::Drop(control, Text("x"), 0, {1, 1}, CopyOrMove), DROPEFFECT_NONE);
}

TEST_F(DragDrop, DragStartedInTestsTakesTheScriptedEffectAndTellsTheSourceTheEnd) {
    std::string source;
    TDragSourceEvents events;
    events.OnGiveFeedback = [&](TDropEffect effect) {
        source += "feedback" + std::to_string(effect) + " ";
        return DRAGDROP_S_USEDEFAULTCURSORS;
    };
    events.OnQueryContinueDrag = [&](bool escape, TDragKeyState keys) {
        source += std::string("query") + (escape ? "Esc" : "") + std::to_string(keys) + " ";
        return DRAGDROP_S_DROP;
    };
    DragDropTestSeam().OnDragStart = [](const TDragDataObject&, TDropEffect allowed) {
        return allowed & DROPEFFECT_MOVE;
    };

    TDropEffect effect = 99;
    EXPECT_EQ(DoDragDrop(Text("x"), events, CopyOrMove, effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_EQ(source, "feedback2 query0 ");
    ASSERT_EQ(DragDropTestSeam().Started.size(), 1u);
    EXPECT_EQ(DragDropTestSeam().Started[0], Text("x"));

    // Nothing takes it, or the source cancels at the end: cancelled with no effect.
    DragDropTestSeam().OnDragStart = [](const TDragDataObject&, TDropEffect) {
        return DROPEFFECT_NONE;
    };
    EXPECT_EQ(DoDragDrop(Text("x"), events, CopyOrMove, effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    DragDropTestSeam().OnDragStart = [](const TDragDataObject&, TDropEffect) {
        return DROPEFFECT_COPY;
    };
    events.OnQueryContinueDrag = [](bool, TDragKeyState) { return DRAGDROP_S_CANCEL; };
    EXPECT_EQ(DoDragDrop(Text("x"), events, CopyOrMove, effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
}

TEST_F(DragDrop, UnscriptedDragInTestsIsCancelledAtOnceAndAnEffectNotAllowedIsNone) {
    TDropEffect effect = 99;
    EXPECT_EQ(DoDragDrop(Text("x"), {}, CopyOrMove, effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);

    DragDropTestSeam().OnDragStart = [](const TDragDataObject&, TDropEffect) {
        return DROPEFFECT_MOVE;
    };
    EXPECT_EQ(DoDragDrop(Text("x"), {}, DROPEFFECT_COPY, effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
}
