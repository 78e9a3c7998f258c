#include "platform/ui/Menus.h"

#include "RecordingControl.h"
#include "platform/core/Exception.h"
#include "platform/ui/Application.h"
#include "platform/ui/InputSimulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

class MenusTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TestForm>(nullptr);
        Form->Show();
        Control = new RecordingControl(Form.get(), Form.get());
        Control->SetBounds(20, 30, 60, 40);
        Menu = new TPopupMenu(Form.get());
        Open = AddItem(Menu->Items(), "&Open");
        AddItem(Menu->Items(), "-");
        Recent = AddItem(Menu->Items(), "Recent");
        First = AddItem(Recent, "first.xml");
    }

    TMenuItem* AddItem(TMenuItem* parent, const std::string& caption) {
        auto* item = new TMenuItem(Form.get());
        item->SetCaption(caption);
        item->OnClick = [this, item](TObject* sender) {
            EXPECT_EQ(sender, item);
            Clicked.push_back(item->Caption());
        };
        parent->Add(item);
        return item;
    }

    TTestSeam& Seam() { return Application->TestSeam(); }

    std::unique_ptr<TestForm> Form;
    RecordingControl* Control = nullptr;
    TPopupMenu* Menu = nullptr;
    TMenuItem* Open = nullptr;
    TMenuItem* Recent = nullptr;
    TMenuItem* First = nullptr;
    std::vector<std::string> Clicked;
};

TEST_F(MenusTest, ItemsFormATree) {
    TMenuItem* root = Menu->Items();
    ASSERT_EQ(root->Count(), 3);
    EXPECT_TRUE(root->Items(1)->IsLine());
    EXPECT_EQ(Recent->Parent(), root);
    EXPECT_EQ(root->IndexOf(Recent), 2);
    EXPECT_EQ(root->IndexOf(First), -1);
    EXPECT_EQ(root->Find("open"), Open);
    EXPECT_EQ(root->Find("&Recent"), Recent);
    EXPECT_EQ(root->Find("first.xml"), nullptr);
}

TEST_F(MenusTest, AddingAnItemTwiceOrIntoItselfIsRefused) {
    EXPECT_THROW(Menu->Items()->Add(First), Exception);
    EXPECT_THROW(First->Add(Recent), Exception);
    Menu->Items()->Remove(Recent);
    EXPECT_THROW(First->Add(Recent), Exception);
    EXPECT_EQ(Recent->Parent(), nullptr);
    EXPECT_EQ(First->Count(), 0);
    Menu->Items()->Add(Recent);
    EXPECT_EQ(Menu->Items()->Count(), 3);
}

TEST_F(MenusTest, FreeingAnItemTakesItOutAndFreesWhatItHolds) {
    const int owned = Form->ComponentCount();
    delete Recent;
    EXPECT_EQ(Menu->Items()->Count(), 2);
    // The held item went along and left its owner.
    EXPECT_EQ(Form->ComponentCount(), owned - 2);
}

TEST_F(MenusTest, PopupRecordsTheMenuAndPointAndClicksTheChosenItem) {
    int popups = 0;
    Menu->OnPopup = [&](TObject*) { ++popups; };
    Seam().QueuePopupChoice(First);
    Menu->Popup(120, 80);
    EXPECT_EQ(popups, 1);
    ASSERT_EQ(Seam().Popups().size(), 1u);
    EXPECT_EQ(Seam().Popups()[0].Menu, Menu);
    EXPECT_EQ(Seam().Popups()[0].Point, Point(120, 80));
    EXPECT_EQ(Menu->PopupPoint(), Point(120, 80));
    EXPECT_EQ(Clicked, std::vector<std::string>{"first.xml"});
}

TEST_F(MenusTest, ADismissedOrUnscriptedPopupClicksNothing) {
    Seam().QueuePopupDismiss();
    Menu->Popup(0, 0);
    Menu->Popup(0, 0);
    EXPECT_EQ(Seam().Popups().size(), 2u);
    EXPECT_TRUE(Clicked.empty());
}

TEST_F(MenusTest, OnlyAnEnabledEntryOfTheMenuShownCanBeChosen) {
    TPopupMenu other(nullptr);
    TMenuItem* stranger = AddItem(other.Items(), "Elsewhere");
    struct Case {
        const char* Name;
        std::function<TMenuItem*()> Prepare;
    };
    const Case cases[] = {
        {"disabled item",
         [&] {
             Open->SetEnabled(false);
             return Open;
         }},
        {"hidden item",
         [&] {
             Open->SetVisible(false);
             return Open;
         }},
        {"in a disabled sub-menu",
         [&] {
             Recent->SetEnabled(false);
             return First;
         }},
        {"a sub-menu itself", [&] { return Recent; }},
        {"the separator", [&] { return Menu->Items()->Items(1); }},
        {"item of another menu", [&] { return stranger; }},
    };
    for (const Case& c : cases) {
        Open->SetEnabled(true);
        Open->SetVisible(true);
        Recent->SetEnabled(true);
        Seam().QueuePopupChoice(c.Prepare());
        Menu->Popup(0, 0);
        EXPECT_TRUE(Clicked.empty()) << c.Name;
    }
}

TEST_F(MenusTest, AnItemFreedWhileTheMenuOpensIsNotClicked) {
    Menu->OnPopup = [&](TObject*) { delete First; };
    Seam().QueuePopupChoice(First);
    Menu->Popup(0, 0);
    EXPECT_TRUE(Clicked.empty());
}

TEST_F(MenusTest, AMenuFreedByItsOwnOnPopupShowsNothing) {
    Menu->OnPopup = [&](TObject*) { delete Menu; };
    Menu->Popup(0, 0);
    EXPECT_TRUE(Seam().Popups().empty());
}

TEST_F(MenusTest, ARightClickOpensTheControlsMenuAtThePointer) {
    Control->SetPopupMenu(Menu);
    Seam().QueuePopupChoice(Open);
    InputSimulation::Click(Control, {7, 9}, mbRight);
    ASSERT_EQ(Seam().Popups().size(), 1u);
    EXPECT_EQ(Seam().Popups()[0].Point, Control->ClientToScreen({7, 9}));
    EXPECT_EQ(Menu->PopupComponent(), Control);
    EXPECT_EQ(Clicked, std::vector<std::string>{"&Open"});
}

TEST_F(MenusTest, NoMenuOpensForALeftClickOrWithoutAutoPopup) {
    Control->SetPopupMenu(Menu);
    InputSimulation::Click(Control, {7, 9});
    Menu->SetAutoPopup(false);
    InputSimulation::Click(Control, {7, 9}, mbRight);
    EXPECT_TRUE(Seam().Popups().empty());
}

TEST_F(MenusTest, FreeingTheMenuFirstUnlinksTheControl) {
    Control->SetPopupMenu(Menu);
    delete Menu;
    EXPECT_EQ(Control->PopupMenu(), nullptr);
    InputSimulation::Click(Control, {7, 9}, mbRight);
    EXPECT_TRUE(Seam().Popups().empty());
}

TEST_F(MenusTest, FreeingTheControlFirstLeavesTheMenuNoDanglingComponent) {
    Control->SetPopupMenu(Menu);
    InputSimulation::Click(Control, {7, 9}, mbRight);
    delete Control;
    EXPECT_EQ(Menu->PopupComponent(), nullptr);
}

TEST_F(MenusTest, FreeingTheFormFreesMenuAndItemsInEitherOrder) {
    // Items created before their menu go after it, so the menu's root frees them first.
    std::vector<std::string> freed;
    struct NotedItem : TMenuItem {
        std::vector<std::string>& Freed;
        NotedItem(TComponent* owner, std::vector<std::string>& freed, const std::string& caption)
            : TMenuItem(owner), Freed(freed) {
            SetCaption(caption);
        }
        ~NotedItem() override { Freed.push_back(Caption()); }
    };
    struct NotedMenu : TPopupMenu {
        std::vector<std::string>& Freed;
        NotedMenu(TComponent* owner, std::vector<std::string>& freed)
            : TPopupMenu(owner), Freed(freed) {}
        ~NotedMenu() override { Freed.push_back("menu"); }
    };
    auto form = std::make_unique<TestForm>(nullptr);
    auto* early = new NotedItem(form.get(), freed, "early");
    auto* menu = new NotedMenu(form.get(), freed);
    auto* late = new NotedItem(form.get(), freed, "late");
    menu->Items()->Add(early);
    menu->Items()->Add(late);
    early->Add(new NotedItem(form.get(), freed, "nested"));

    form.reset();

    std::sort(freed.begin(), freed.end());
    EXPECT_EQ(freed, (std::vector<std::string>{"early", "late", "menu", "nested"}))
        << "each freed exactly once";
}

} // namespace
