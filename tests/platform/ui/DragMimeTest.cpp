// The drag formats' byte layouts through Qt's MIME data, as another program sends and reads them.
#include "platform/ui/internal/DragMime.h"
#include "platform/ui/DragBlocks.h"
#include "platform/ui/DragDrop.h"

#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

std::string CellsBlock(const std::string& stream) {
    std::string block;
    AppendUInt32(block, static_cast<uint32_t>(stream.size()));
    AppendUInt32(block, 0);
    return block + stream;
}

std::string Bytes(const QMimeData& mime, const char* type) {
    QByteArray bytes = mime.data(QString::fromLatin1(type));
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace

TEST(DragMime, EveryFormatCrossesQtMimeDataWithItsByteLayout) {
    const std::string stream(100, '\x5A');
    struct Case {
        const char* Format;
        std::string Bytes;
        const char* MimeType;
        std::string MimeBytes;
    };
    const Case cases[] = {
        {"Rich Text Format", "{\\rtf1 a}\0"s, "text/rtf", "{\\rtf1 a}"},
        {"Rich Text Format", "\0"s, "text/rtf", ""},
        {"Grid Column", "\x07\x00\x00\x00"s, "application/x-velmaro-grid-column",
         "\x07\x00\x00\x00"s},
        {"TExStringGrid Cells", CellsBlock(stream), "application/x-velmaro-grid-cells",
         CellsBlock(stream)},
        {"Some Other Format", "\x01\x00\x02"s,
         "application/x-velmaro-format-"
         "536f6d65204f7468657220466f726d6174",
         "\x01\x00\x02"s},
    };
    for (const Case& c : cases) {
        TDragDataObject sent;
        sent.SetData(c.Format, c.Bytes);
        QMimeData mime; // plain MIME data, as another program would hand it over
        DragMime::Fill(sent, mime);
        EXPECT_EQ(Bytes(mime, c.MimeType), c.MimeBytes) << c.Format;

        TDragDataObject received = DragMime::DataObject(mime);
        ASSERT_NE(received.Data(c.Format), nullptr) << c.Format;
        EXPECT_EQ(*received.Data(c.Format), c.Bytes) << c.Format;
    }
}

TEST(DragMime, CellsBlockOfAHundredByteStreamIsOneHundredAndEightBytes) {
    TDragDataObject sent;
    sent.SetData("TExStringGrid Cells", CellsBlock(std::string(100, 'x')));
    QMimeData mime;
    DragMime::Fill(sent, mime);
    const std::string block = Bytes(mime, "application/x-velmaro-grid-cells");
    ASSERT_EQ(block.size(), 108u);
    EXPECT_EQ(block.substr(0, 8), "\x64\0\0\0\0\0\0\0"s);
}

TEST(DragMime, TextTravelsAsPlainTextAndComesBackInBothTextFormats) {
    TDragDataObject sent;
    sent.SetData(DragFormat::UnicodeText, UnicodeTextBlock("a\tb \xE2\x82\xAC"));
    QMimeData mime;
    DragMime::Fill(sent, mime);
    EXPECT_EQ(mime.text().toStdString(), "a\tb \xE2\x82\xAC");

    TDragDataObject received = DragMime::DataObject(mime);
    ASSERT_TRUE(received.HasFormat(DragFormat::Text));
    EXPECT_EQ(*received.Data(DragFormat::UnicodeText), UnicodeTextBlock("a\tb \xE2\x82\xAC"));
    EXPECT_EQ(*received.Data(DragFormat::Text), "a\tb \x80\0"s);

    TDragDataObject ansiOnly;
    ansiOnly.SetData(DragFormat::Text, AnsiTextBlock("caf\xC3\xA9"));
    QMimeData ansiMime;
    DragMime::Fill(ansiOnly, ansiMime);
    EXPECT_EQ(ansiMime.text().toStdString(), "caf\xC3\xA9");
}

TEST(DragMime, FilesAndLinksTravelAsUriList) {
    TDragDataObject sent;
    sent.SetData(DragFormat::FileDrop, FileDropBlock({"/tmp/a b.xml", "/tmp/c.txt"}));
    sent.SetData(DragFormat::URL, AnsiTextBlock("https://example.invalid/x"));
    QMimeData mime;
    DragMime::Fill(sent, mime);
    ASSERT_EQ(mime.urls().size(), 3);
    EXPECT_EQ(mime.urls()[0].toLocalFile().toStdString(), "/tmp/a b.xml");
    EXPECT_EQ(mime.urls()[2].toString().toStdString(), "https://example.invalid/x");

    TDragDataObject received = DragMime::DataObject(mime);
    std::vector<std::string> names;
    ASSERT_TRUE(ReadFileDropBlock(*received.Data(DragFormat::FileDrop), names));
    EXPECT_EQ(names, (std::vector<std::string>{"/tmp/a b.xml", "/tmp/c.txt"}));
    EXPECT_EQ(ReadAnsiTextBlock(*received.Data(DragFormat::URL)), "https://example.invalid/x");
    EXPECT_EQ(ReadUnicodeTextBlock(*received.Data(DragFormat::UnicodeText)),
              "https://example.invalid/x")
        << "a link without text of its own passes as the drop's text";
}

TEST(DragMime, ForeignMimeTypesAndBadNamedTypesAreNoFormats) {
    QMimeData mime;
    mime.setData("application/x-unknown", "abc");
    mime.setData("application/x-velmaro-format-zz", "abc");
    mime.setData("application/x-velmaro-format-", "abc");
    EXPECT_TRUE(DragMime::DataObject(mime).Empty());
}

TEST(DragMime, ThisProgramsDataObjectArrivesUnchanged) {
    TDragDataObject sent;
    sent.SetData(DragFormat::Text, AnsiTextBlock("only single-byte text"));
    DragMimeData mime(sent);
    EXPECT_EQ(DragMime::DataObject(mime), sent) << "no Unicode text is made up in the program";
    EXPECT_EQ(mime.text().toStdString(), "only single-byte text") << "others still read it";
}
