#include "platform/ui/Clipboard.h"

#include <gtest/gtest.h>

TEST(Clipboard, TextAndNamedFormatsGatheredBetweenOpenAndClose) {
    TClipboardFormat cells = TClipboard::RegisterFormat("Velmaro Test Cells");
    EXPECT_EQ(TClipboard::RegisterFormat("Velmaro Test Cells"), cells);
    EXPECT_NE(TClipboard::RegisterFormat("Velmaro Test Other"), cells);

    TClipboard* clipboard = Clipboard();
    clipboard->Open();
    clipboard->SetAsText("a\tb\r\n");
    clipboard->SetFormatData(cells, std::string("\x01\x00\x02", 3));
    clipboard->Close();

    EXPECT_TRUE(clipboard->HasFormat(CF_TEXT));
    EXPECT_EQ(clipboard->AsText(), "a\tb\r\n");
    ASSERT_TRUE(clipboard->HasFormat(cells));
    EXPECT_EQ(clipboard->FormatData(cells), std::string("\x01\x00\x02", 3));

    clipboard->SetAsText("only text");
    EXPECT_FALSE(clipboard->HasFormat(cells)) << "a write outside Open/Close replaces everything";
    EXPECT_EQ(clipboard->AsText(), "only text");
}
