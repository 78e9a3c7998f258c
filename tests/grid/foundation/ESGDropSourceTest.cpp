#include "grid/foundation/BeginDragDrop.h"
#include "grid/foundation/GridDragBlocks.h"
#include "platform/ui/DragBlocks.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

class RecordingSource : public TESGDropSource {
public:
    std::string Log;

protected:
    void DragDropEnded() override { Log += "ended "; }
    void CurrentEffect(TDropEffect effect) override {
        Log += "effect" + std::to_string(effect) + " ";
    }
    void QueryDrag() override { Log += "query "; }
};

// Scripts the drags of one test: what the target answers, and what was dragged.
struct DragScript {
    DragScript(TDropEffect answer) {
        DragDropTestSeam().Reset();
        DragDropTestSeam().OnDragStart = [answer](const TDragDataObject&, TDropEffect) {
            return answer;
        };
    }
    ~DragScript() { DragDropTestSeam().Reset(); }
    const TDragDataObject& Dragged() const { return DragDropTestSeam().Started.at(0); }
};

constexpr TDropEffect SourceCopyOrMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;

} // namespace

TEST(ESGDropSource, EscCancelsReleasedButtonDropsElseTheDragGoesOn) {
    struct Case {
        bool Escape;
        TDragKeyState Keys;
        HRESULT Result;
        std::string Log;
    };
    const Case cases[] = {
        {true, MK_LBUTTON, DRAGDROP_S_CANCEL, "ended query "},
        {false, 0, DRAGDROP_S_DROP, "ended query "},
        {false, MK_RBUTTON, DRAGDROP_S_DROP, "ended query "},
        {false, MK_LBUTTON | MK_CONTROL, S_OK, "query "},
    };
    for (const Case& c : cases) {
        RecordingSource source;
        EXPECT_EQ(source.QueryContinueDrag(c.Escape, c.Keys), c.Result) << c.Keys;
        EXPECT_EQ(source.Log, c.Log) << c.Keys;
    }
}

TEST(ESGDropSource, FeedbackRemembersWhetherATargetWouldTakeTheDrop) {
    RecordingSource source;
    EXPECT_EQ(source.GiveFeedback(DROPEFFECT_NONE), DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_TRUE(source.NoAccept());
    source.GiveFeedback(DROPEFFECT_MOVE);
    EXPECT_FALSE(source.NoAccept());
    EXPECT_EQ(source.Log, "effect0 effect2 ");
}

TEST(BeginDragDrop, TextDragCarriesTextAndCellsAndEndsOnceWithTheTargetsEffect) {
    DragScript script(DROPEFFECT_MOVE);
    RecordingSource source;
    const std::string cells = "cell stream";
    TDropEffect effect = DROPEFFECT_NONE;
    EXPECT_EQ(BeginTextDragDrop(source, "a\tb", "{\\rtf1}", effect, SourceCopyOrMove, &cells),
              DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_EQ(source.Log, "effect2 ended query ") << "released button: ended once, then query";

    const TDragDataObject& dragged = script.Dragged();
    EXPECT_EQ(ReadAnsiTextBlock(*dragged.Data(DragFormat::Text)), "a\tb");
    EXPECT_EQ(ReadUnicodeTextBlock(*dragged.Data(DragFormat::UnicodeText)), "a\tb");
    EXPECT_EQ(ReadGridCellsBlock(*dragged.Data(CFSTR_GRIDCELLS)), cells);
    EXPECT_FALSE(dragged.HasFormat(CFSTR_GRIDCOLUMN));
}

TEST(BeginDragDrop, DragNoTargetTookIsCancelled) {
    DragScript script(DROPEFFECT_NONE);
    RecordingSource source;
    TDropEffect effect = DROPEFFECT_MOVE;
    EXPECT_EQ(BeginTextDragDrop(source, "a", "", effect, SourceCopyOrMove, nullptr), DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_TRUE(source.NoAccept());
    EXPECT_FALSE(script.Dragged().HasFormat(CFSTR_GRIDCELLS));
}

TEST(BeginDragDrop, ColumnDragOffersOnlyTheColumn) {
    DragScript script(DROPEFFECT_COPY);
    RecordingSource source;
    TDropEffect effect = DROPEFFECT_NONE;
    EXPECT_EQ(BeginColumnDragDrop(source, 3, SourceCopyOrMove, effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    EXPECT_EQ(script.Dragged().Formats(), (std::vector<std::string>{CFSTR_GRIDCOLUMN}));
    EXPECT_EQ(ReadGridColumnBlock(*script.Dragged().Data(CFSTR_GRIDCOLUMN)), 3);
}
