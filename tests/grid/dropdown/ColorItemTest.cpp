// The colour list's items: writes that change a value notify the collection, copies carry the
// caption, colour, enabled state and hint.
#include "grid/dropdown/ColorItem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ColorItems, OnlyChangedCaptionsAndColoursNotifyTheCollection) {
    TColorItems items(nullptr);
    TColorItem* item = items.Add();
    std::vector<TObject*> senders;
    items.OnChange = [&senders](TObject* sender) { senders.push_back(sender); };
    item->SetCaption("Red");
    item->SetCaption("Red");
    item->SetColor(clRed);
    item->SetColor(clRed);
    item->SetHint("warm");
    EXPECT_EQ(senders, (std::vector<TObject*>{&items, &items}));
    EXPECT_EQ(item->Color(), clRed);
}

TEST(ColorItems, CopiesCarryCaptionColourEnabledStateAndHint) {
    TColorItems items(nullptr);
    TColorItem* source = items.Add();
    source->SetCaption("Sea");
    source->SetColor(clNavy);
    source->SetEnabled(false);
    source->SetHint("deep");
    source->SetItemRect(Rect(1, 2, 3, 4));
    TColorItems copy(nullptr);
    copy.Assign(&items);
    const TColorItem* item = copy.GetItem(0);
    EXPECT_EQ(item->Caption(), "Sea");
    EXPECT_EQ(item->Color(), clNavy);
    EXPECT_FALSE(item->Enabled());
    EXPECT_EQ(item->Hint(), "deep");
    EXPECT_EQ(item->ItemRect(), TRect{}) << "the rectangle belongs to the list's layout";
    TColorItem fresh(nullptr);
    EXPECT_EQ(fresh.Color(), clNone);
    EXPECT_TRUE(fresh.Enabled());
}
