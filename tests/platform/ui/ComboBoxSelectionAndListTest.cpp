#include "RecordingControl.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/internal/NativeHost.h"

#include <QAbstractItemView>
#include <QComboBox>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

TEST(ComboBoxDroppedWidth, OpensTheListAtLeastThatWide) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* combo = new TComboBox(form.get());
    combo->SetParent(form.get());
    combo->Items()->Add("one");
    auto* native = static_cast<QComboBox*>(NativeHost::Embedded(combo));

    EXPECT_EQ(combo->DroppedWidth(), 0);
    EXPECT_EQ(native->view()->minimumWidth(), 0) << "0: the list is as wide as the control";

    combo->SetDroppedWidth(300);
    EXPECT_EQ(combo->DroppedWidth(), 300);
    EXPECT_EQ(native->view()->minimumWidth(), 300);

    combo->SetDroppedWidth(-5);
    EXPECT_EQ(combo->DroppedWidth(), 0);
}

struct SelectionCase {
    const char* Name;
    int Start;
    int Length;
    int ExpectedStart;
    int ExpectedLength;
    std::string Selected;
};

class ComboBoxSelection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(ComboBoxSelection, SelectsInTheEditOfAnEditableCombo) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* combo = new TComboBox(form.get());
    combo->SetParent(form.get());
    combo->SetText("Gateway");

    combo->SetSelStart(GetParam().Start);
    combo->SetSelLength(GetParam().Length);

    EXPECT_EQ(combo->SelStart(), GetParam().ExpectedStart);
    EXPECT_EQ(combo->SelLength(), GetParam().ExpectedLength);
    EXPECT_EQ(combo->SelText(), GetParam().Selected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ComboBoxSelection,
                         ::testing::Values(SelectionCase{"Tail", 4, 3, 4, 3, "way"},
                                           SelectionCase{"CaretOnly", 2, 0, 2, 0, ""},
                                           SelectionCase{"PastTheEnd", 5, 10, 5, 2, "ay"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ComboBoxSelection, DropDownListHasNoEditToSelectIn) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* combo = new TComboBox(form.get());
    combo->SetParent(form.get());
    combo->SetStyle(csDropDownList);
    combo->Items()->Add("Gateway");
    combo->SetItemIndex(0);
    combo->SelectAll();
    combo->SetSelStart(3);
    EXPECT_EQ(combo->SelStart(), 0);
    EXPECT_EQ(combo->SelLength(), 0);
    EXPECT_EQ(combo->SelText(), "");
}

TEST(ComboBoxSelection, SelectAllTakesTheWholeText) {
    auto form = std::make_unique<TestForm>(nullptr);
    auto* combo = new TComboBox(form.get());
    combo->SetParent(form.get());
    combo->SetText("12 mA");
    combo->SelectAll();
    EXPECT_EQ(combo->SelText(), "12 mA");
}

} // namespace
