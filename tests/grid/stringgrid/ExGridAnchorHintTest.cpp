// The hint of an HTML cell's anchors follows the mouse from one anchor to the next within the
// cell, by real mouse moves over a grid on show.
#include "ExGridMouseTestGrid.h"

#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/HintMonitor.h"
#include "platform/ui/HintWindow.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {

struct AnchorHintGrid {
    AnchorHintGrid() {
        form->SetBounds(0, 0, 600, 400);
        grid = new TMouseTestGrid(form.get());
        grid->SetParent(form.get());
        grid->SetColWidths(2, 300);
        form->Show();
        Application->ProcessMessages();
        for (int i = 0; i < grid->ComponentCount() && monitor == nullptr; ++i)
            monitor = dynamic_cast<THintMonitor*>(grid->Components(i));
    }

    // The middle of each anchor along a line through the cell, found by moving the mouse over
    // it while no hints show.
    std::map<std::string, TPoint> AnchorMiddles(int ACol, int ARow) {
        std::map<std::string, std::pair<int, int>> spans;
        const TRect r = grid->CellRect(ACol, ARow);
        const int y = r.Top + 8;
        std::string under;
        grid->OnAnchorEnter = [&](TObject*, int, int, const std::string& A) { under = A; };
        grid->OnAnchorExit = [&](TObject*, int, int, const std::string&) { under.clear(); };
        for (int x = r.Left; x < r.Right; ++x) {
            grid->Move(TPoint{x, y});
            if (under.empty())
                continue;
            auto [it, fresh] = spans.try_emplace(under, x, x);
            it->second.second = x;
        }
        grid->OnAnchorEnter = nullptr;
        grid->OnAnchorExit = nullptr;
        grid->Move(grid->Centre(4, 6));
        std::map<std::string, TPoint> middles;
        for (const auto& [anchor, span] : spans)
            middles[anchor] = TPoint{(span.first + span.second) / 2, y};
        return middles;
    }

    // The text of the hint shown once it says Expected, or what shows after waiting for it.
    std::string HintShownAfterRest(const std::string& Expected) {
        for (int i = 0; i < 50; ++i) {
            Application->ProcessMessages();
            const THintWindow* w = monitor->HintWindow();
            if (w != nullptr && w->Caption() == Expected)
                break;
        }
        const THintWindow* w = monitor->HintWindow();
        return w != nullptr ? w->Caption() : std::string("(no hint)");
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TMouseTestGrid* grid = nullptr;
    THintMonitor* monitor = nullptr;
};

} // namespace

TEST(ExGridAnchorHint, MovingOnToAnotherAnchorOfTheCellShowsThatAnchorsHint) {
    struct Case {
        const char* what;
        const char* text;
        const char* firstHint;
        const char* secondHint;
    } cases[] = {
        {"anchors with titles",
         "<a href=\"a1\" title=\"First one\">first</a> and <a href=\"a2\" "
         "title=\"Second one\">second</a>",
         "First one", "Second one"},
        {"anchors without titles show their names",
         "<a href=\"a1\">first</a><a href=\"a2\">second</a>", "a1", "a2"},
    };
    for (const Case& c : cases) {
        AnchorHintGrid shown;
        ASSERT_NE(shown.monitor, nullptr);
        TMouseTestGrid& grid = *shown.grid;
        grid.SetCells(2, 3, c.text);
        const std::map<std::string, TPoint> middles = shown.AnchorMiddles(2, 3);
        ASSERT_EQ(middles.size(), 2u) << c.what;

        grid.SetShowHint(true);
        grid.AnchorHint = true;
        shown.monitor->HintPause = 0;
        shown.monitor->HintShortPause = 0;
        grid.Move(middles.at("a1"));
        EXPECT_EQ(shown.HintShownAfterRest(c.firstHint), c.firstHint) << c.what;
        // One move straight onto the other anchor, still inside the cell the hint belongs to.
        grid.Move(middles.at("a2"));
        EXPECT_EQ(shown.HintShownAfterRest(c.secondHint), c.secondHint) << c.what;
        // Back onto the first: its hint returns.
        grid.Move(middles.at("a1"));
        EXPECT_EQ(shown.HintShownAfterRest(c.firstHint), c.firstHint) << c.what;
    }
}
