#include "DropRTFSetting.h"

#include "grid/foundation/ESGDropTarget.h"
#include "grid/foundation/GridDragBlocks.h"
#include "platform/ui/DragBlocks.h"
#include "platform/ui/Form.h"
#include "platform/ui/Panel.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace std::string_literals;

namespace {

// Writes down every operation the target hands a drag to.
class RecordingTarget : public TESGDropTarget {
public:
    std::string Log;
    bool AllowMove = true;
    TDropFormats MoveFormats;
    TPoint LastPoint;

protected:
    void DropText(TPoint pt, const std::string& s) override { Add(pt, "text(" + s + ")"); }
    void DropStream(TPoint pt, std::string cells) override { Add(pt, "stream(" + cells + ")"); }
    void DropCol(TPoint pt, int col) override { Add(pt, "col(" + std::to_string(col) + ")"); }
    void DropRTF(TPoint pt, const std::string& s) override { Add(pt, "rtf(" + s + ")"); }
    void DropFiles(TPoint pt, const TStringList& files) override {
        Add(pt, "files(" + files.Text() + ")");
    }
    void DropURL(TPoint pt, const std::string& s) override { Add(pt, "url(" + s + ")"); }
    void DragMouseMove(TPoint pt, bool& Allow, TDropFormats formats) override {
        MoveFormats = formats;
        Add(pt, std::string("move") + (Allow ? "+" : "-"));
        Allow = Allow && AllowMove;
    }
    void DragMouseEnter() override { Log += "enter "; }
    void DragMouseLeave() override { Log += "leave "; }

private:
    void Add(TPoint pt, const std::string& entry) {
        LastPoint = pt;
        Log += entry + " ";
    }
};

constexpr TDropEffect CopyOrMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;
constexpr TDropEffect SameAsDrop = 0xFF;

TDragDataObject Data(std::initializer_list<std::pair<const char*, std::string>> formats) {
    TDragDataObject data;
    for (const auto& [name, bytes] : formats)
        data.SetData(name, bytes);
    return data;
}

const std::pair<const char*, std::string> Text = {DragFormat::UnicodeText, UnicodeTextBlock("t")};

} // namespace

TEST(ESGDropTarget, AcceptsByOfferedFormatsAndHandsEachDropToItsOperations) {
    struct Case {
        const char* Name;
        TDragDataObject Data;
        bool AcceptText = true;
        bool AcceptCols = false;
        bool RTFEnabled = false;
        TDropEffect Effect; // of the drop
        std::string Dropped;
        TDropEffect Entered = SameAsDrop;
    };
    const std::string badCells = "\x50\0\0\0\0\0\0\0ab"s;
    const Case cases[] = {
        {"Unicode text", Data({Text}), true, false, false, DROPEFFECT_MOVE, "text(t) "},
        {"single-byte text alone is no text", Data({{DragFormat::Text, AnsiTextBlock("t")}}), true,
         false, false, DROPEFFECT_NONE, ""},
        {"text refused", Data({Text}), false, false, false, DROPEFFECT_NONE, ""},
        {"column and text: only the column", Data({Text, {CFSTR_GRIDCOLUMN, GridColumnBlock(3)}}),
         true, true, false, DROPEFFECT_MOVE, "col(3) "},
        {"column refused", Data({{CFSTR_GRIDCOLUMN, GridColumnBlock(3)}}), true, false, false,
         DROPEFFECT_NONE, ""},
        {"cells and text: only the cells", Data({Text, {CFSTR_GRIDCELLS, *GridCellsBlock("c")}}),
         false, false, false, DROPEFFECT_MOVE, "stream(c) "},
        {"text and files: both", Data({Text, {DragFormat::FileDrop, FileDropBlock({"/a", "/b"})}}),
         true, false, false, DROPEFFECT_MOVE, "text(t) files(/a\n/b) "},
        {"RTF while RTF is off: the text", Data({Text, {CFSTR_RTF, AnsiTextBlock("{r}")}}), true,
         false, false, DROPEFFECT_MOVE, "text(t) "},
        {"RTF while RTF is on: the RTF", Data({Text, {CFSTR_RTF, AnsiTextBlock("{r}")}}), true,
         false, true, DROPEFFECT_MOVE, "rtf({r}) "},
        {"RTF alone while RTF is off", Data({{CFSTR_RTF, AnsiTextBlock("{r}")}}), true, false,
         false, DROPEFFECT_NONE, ""},
        {"link: its text as text and as the URL", Data({Text, {CFSTR_URL, AnsiTextBlock("t")}}),
         true, false, false, DROPEFFECT_MOVE, "text(t) url(t) "},
        // Blocks that cannot be read count as not offered: the next format is dropped instead,
        // and a drop that delivered nothing has no effect, so the source keeps its cells.
        {"bad cells block and text: the text", Data({Text, {CFSTR_GRIDCELLS, badCells}}), true,
         false, false, DROPEFFECT_MOVE, "text(t) "},
        {"bad column block and text: the text", Data({Text, {CFSTR_GRIDCOLUMN, "\x03"s}}), true,
         true, false, DROPEFFECT_MOVE, "text(t) "},
        {"bad cells block alone: nothing", Data({{CFSTR_GRIDCELLS, badCells}}), true, false, false,
         DROPEFFECT_NONE, "", DROPEFFECT_MOVE},
        {"file list without names alone: nothing",
         Data({{DragFormat::FileDrop, FileDropBlock({})}}), true, false, false, DROPEFFECT_NONE, "",
         DROPEFFECT_MOVE},
    };
    for (const Case& c : cases) {
        DropRTFSetting rtf(c.RTFEnabled);
        RecordingTarget target;
        target.SetAcceptText(c.AcceptText);
        target.SetAcceptCols(c.AcceptCols);
        TDropEffect enter = CopyOrMove;
        EXPECT_EQ(target.DragEnter(c.Data, MK_LBUTTON, {1, 2}, enter), S_OK) << c.Name;
        EXPECT_EQ(enter, c.Entered == SameAsDrop ? c.Effect : c.Entered) << c.Name;
        TDropEffect drop = CopyOrMove;
        target.Log.clear();
        EXPECT_EQ(target.Drop(c.Data, 0, {5, 6}, drop), S_OK) << c.Name;
        EXPECT_EQ(drop, c.Effect) << c.Name;
        EXPECT_EQ(target.Log, c.Dropped) << c.Name;
        if (!c.Dropped.empty()) {
            EXPECT_EQ(target.LastPoint, (TPoint{5, 6})) << c.Name;
        }
    }
}

TEST(ESGDropTarget, RecordsOfferedFormatsWhetherOrNotItTakesThem) {
    DropRTFSetting rtf(false);
    RecordingTarget target;
    TDragDataObject data = Data({Text,
                                 {CFSTR_RTF, AnsiTextBlock("{r}")},
                                 {CFSTR_GRIDCOLUMN, GridColumnBlock(0)},
                                 {CFSTR_GRIDCELLS, *GridCellsBlock("")},
                                 {DragFormat::FileDrop, FileDropBlock({"/a"})},
                                 {CFSTR_URL, AnsiTextBlock("u")}});
    TDropEffect effect = CopyOrMove;
    target.DragEnter(data, 0, {}, effect);
    EXPECT_EQ(target.DropFormats(),
              (TDropFormats{dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells}));
    EXPECT_EQ(target.DropFormats().ToBits(), 63u);
}

TEST(ESGDropTarget, EffectIsCopyWithCtrlElseMoveWhenAllowedElseCopy) {
    EXPECT_EQ(ChooseDropEffect(MK_CONTROL, CopyOrMove), DROPEFFECT_COPY);
    EXPECT_EQ(ChooseDropEffect(MK_CONTROL | MK_LBUTTON, DROPEFFECT_MOVE), DROPEFFECT_COPY);
    EXPECT_EQ(ChooseDropEffect(0, CopyOrMove), DROPEFFECT_MOVE);
    EXPECT_EQ(ChooseDropEffect(MK_SHIFT | MK_LBUTTON, CopyOrMove), DROPEFFECT_MOVE);
    EXPECT_EQ(ChooseDropEffect(0, DROPEFFECT_COPY), DROPEFFECT_COPY);

    struct Case {
        TDragKeyState Keys;
        TDropEffect Allowed;
        TDropEffect Effect;
    };
    const Case cases[] = {
        {MK_LBUTTON | MK_CONTROL, CopyOrMove, DROPEFFECT_COPY},
        {MK_LBUTTON, CopyOrMove, DROPEFFECT_MOVE},
        {MK_LBUTTON, DROPEFFECT_COPY, DROPEFFECT_COPY},
    };
    for (const Case& c : cases) {
        RecordingTarget target;
        const TDragDataObject data = Data({Text});
        TDropEffect enter = c.Allowed, over = c.Allowed, drop = c.Allowed;
        target.DragEnter(data, c.Keys, {}, enter);
        target.DragOver(c.Keys, {}, over);
        target.Drop(data, c.Keys, {}, drop);
        EXPECT_EQ(enter, c.Effect) << c.Keys << "/" << c.Allowed;
        EXPECT_EQ(over, c.Effect) << c.Keys << "/" << c.Allowed;
        EXPECT_EQ(drop, c.Effect) << c.Keys << "/" << c.Allowed;
    }
}

TEST(ESGDropTarget, MouseMoveCanRefuseAPointAndLeaveIsPassedOn) {
    RecordingTarget target;
    TDropEffect effect = CopyOrMove;
    target.DragEnter(Data({Text}), 0, {}, effect);
    effect = CopyOrMove;
    target.DragOver(0, {3, 4}, effect);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_EQ(target.MoveFormats, TDropFormats{dfText});

    target.AllowMove = false;
    effect = CopyOrMove;
    target.DragOver(0, {3, 4}, effect);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    target.DragLeave();
    EXPECT_EQ(target.Log, "enter move+ move+ leave ");

    RecordingTarget refusing;
    refusing.SetAcceptText(false);
    effect = CopyOrMove;
    refusing.DragEnter(Data({Text}), 0, {}, effect);
    refusing.DragOver(0, {3, 4}, effect);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(refusing.Log, "enter move- ") << "the refused drag is still shown to the target";
}

TEST(ESGDropTarget, RegisteredOnAControlItTakesDragsOfThePlatform) {
    auto form = std::make_unique<TForm>(nullptr);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 100, 50);
    auto target = std::make_shared<RecordingTarget>();
    RegisterDropTarget(panel, target);

    const TDragDataObject data = Data({Text});
    EXPECT_EQ(
        DragDropSimulation::DragEnter(panel, data, MK_LBUTTON | MK_CONTROL, {5, 5}, CopyOrMove),
        DROPEFFECT_COPY);
    EXPECT_EQ(DragDropSimulation::DragOver(panel, data, MK_LBUTTON, {6, 5}, CopyOrMove),
              DROPEFFECT_MOVE);
    EXPECT_EQ(DragDropSimulation::Drop(panel, data, 0, {6, 5}, CopyOrMove), DROPEFFECT_MOVE);
    EXPECT_EQ(target->Log, "enter move+ text(t) ");
    EXPECT_EQ(target->LastPoint, panel->ClientToScreen({6, 5}));
}
