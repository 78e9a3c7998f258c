#include "platform/ui/Dialogs.h"
#include "platform/ui/internal/FileDialogFilters.h"
#include "platform/ui/internal/MessageBoxWidget.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(MessageBox, OffersOnlyTheSystemMenuAndTheCloseBox) {
    const std::unique_ptr<QMessageBox> box =
        MakeMessageBox("Overwrite the file?", "Confirm", mtConfirmation, mbYesNo);
    const Qt::WindowFlags flags = box->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::Dialog));
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
}

TEST(MessageBox, ShowsTheTextCaptionIconAndButtonsAskedFor) {
    const std::unique_ptr<QMessageBox> box = MakeMessageBox("Disk full", "Error", mtError, {});
    EXPECT_EQ(box->text().toStdString(), "Disk full");
    EXPECT_EQ(box->windowTitle().toStdString(), "Error");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    ASSERT_EQ(box->buttons().size(), 1) << "no buttons asked for: OK";
    EXPECT_EQ(box->standardButton(box->buttons().front()), QMessageBox::Ok);

    const std::unique_ptr<QMessageBox> question =
        MakeMessageBox("Save?", "Confirm", mtConfirmation, mbYesNoCancel);
    EXPECT_EQ(question->standardButtons(),
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

TEST(FileDialogFilters, BecomeDescriptionsWithTheirPatternsOnce) {
    struct Case {
        const char* Filter;
        std::vector<std::string> Expected;
    };
    const Case cases[] = {
        {"Text|*.gsd", {"Text (*.gsd)"}},
        {"Generic Station Description (*.gsd)|*.gsd", {"Generic Station Description (*.gsd)"}},
        {"CSV (MS-DOS) (*.csv)|*.csv", {"CSV (MS-DOS) (*.csv)"}},
        {"CSV (MS-DOS)|*.csv", {"CSV (MS-DOS) (*.csv)"}},
        {"Language files (*.lng;*.txt)|*.lng;*.txt", {"Language files (*.lng *.txt)"}},
        {"Language files (*.txt, *.lng)|*.lng;*.txt", {"Language files (*.lng *.txt)"}},
        {"Station (*.GSD)|*.gsd", {"Station (*.gsd)"}},
        {"Only GSD (*.gsd)|*.gsd;*.gse", {"Only GSD (*.gsd) (*.gsd *.gse)"}},
        {"Management Information Base (*.mib)|*.mib|All files|*.*",
         {"Management Information Base (*.mib)", "All files (*.*)"}},
        {"Anything|", {"Anything (*)"}},
        {"|*.eds", {"(*.eds)"}},
        {"", {}},
        {"Dangling description", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileDialogFilters(c.Filter), c.Expected) << c.Filter;
}

} // namespace
