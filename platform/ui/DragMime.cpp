#include "platform/ui/internal/DragMime.h"

#include "platform/ui/DragBlocks.h"
#include "platform/ui/internal/QtConvert.h"

#include <QList>
#include <QUrl>

#include <vector>

namespace {

constexpr const char* RichTextFormat = "Rich Text Format";
const QString PlainTextMime = QStringLiteral("text/plain");
const QString RtfMime = QStringLiteral("text/rtf");
const QString AlternateRtfMime = QStringLiteral("application/rtf");
const QString NamedFormatPrefix = QStringLiteral("application/x-velmaro-format-");

struct KnownFormat {
    const char* Name;
    const char* Mime;
};
// Named formats with MIME types of their own; the others are named inside theirs.
constexpr KnownFormat KnownFormats[] = {
    {"Grid Column", "application/x-velmaro-grid-column"},
    {"TExStringGrid Cells", "application/x-velmaro-grid-cells"},
};

bool IsStandard(const std::string& format) {
    return format == DragFormat::Text || format == DragFormat::UnicodeText ||
           format == DragFormat::FileDrop || format == DragFormat::URL || format == RichTextFormat;
}

QByteArray ToBytes(const std::string& bytes) {
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string FromBytes(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// The format a MIME type names, or empty when it names none.
std::string FormatOfMime(const QString& mime) {
    for (const KnownFormat& known : KnownFormats)
        if (mime == QLatin1String(known.Mime))
            return known.Name;
    if (!mime.startsWith(NamedFormatPrefix))
        return {};
    return FromBytes(QByteArray::fromHex(mime.mid(NamedFormatPrefix.size()).toLatin1()));
}

void FillText(const TDragDataObject& data, QMimeData& mime) {
    if (const std::string* unicode = data.Data(DragFormat::UnicodeText))
        mime.setText(QtConvert::ToQString(ReadUnicodeTextBlock(*unicode)));
    else if (const std::string* ansi = data.Data(DragFormat::Text))
        mime.setText(QtConvert::ToQString(ReadAnsiTextBlock(*ansi)));
}

void FillUrls(const TDragDataObject& data, QMimeData& mime) {
    QList<QUrl> urls;
    std::vector<std::string> names;
    if (const std::string* files = data.Data(DragFormat::FileDrop);
        files && ReadFileDropBlock(*files, names))
        for (const std::string& name : names)
            urls.push_back(QUrl::fromLocalFile(QtConvert::ToQString(name)));
    if (const std::string* url = data.Data(DragFormat::URL))
        urls.push_back(QUrl(QtConvert::ToQString(ReadAnsiTextBlock(*url))));
    if (!urls.isEmpty())
        mime.setUrls(urls);
}

void ReadUrls(const QMimeData& mime, TDragDataObject& data) {
    std::vector<std::string> files;
    QString link;
    for (const QUrl& url : mime.urls()) {
        if (url.isLocalFile())
            files.push_back(QtConvert::FromQString(url.toLocalFile()));
        else if (link.isEmpty())
            link = url.toString();
    }
    if (!files.empty())
        data.SetData(DragFormat::FileDrop, FileDropBlock(files));
    if (link.isEmpty())
        return;
    const std::string text = QtConvert::FromQString(link);
    data.SetData(DragFormat::URL, AnsiTextBlock(text));
    // A link passes as the drop's text; a program that offers no text of its own gives it here.
    if (!data.HasFormat(DragFormat::UnicodeText)) {
        data.SetData(DragFormat::Text, AnsiTextBlock(text));
        data.SetData(DragFormat::UnicodeText, UnicodeTextBlock(text));
    }
}

} // namespace

DragMimeData::DragMimeData(TDragDataObject data) : FData(std::move(data)) {
    DragMime::Fill(FData, *this);
}

namespace DragMime {

QString MimeType(const std::string& format) {
    if (format == RichTextFormat)
        return RtfMime;
    for (const KnownFormat& known : KnownFormats)
        if (format == known.Name)
            return QLatin1String(known.Mime);
    return NamedFormatPrefix + QString::fromLatin1(ToBytes(format).toHex());
}

void Fill(const TDragDataObject& data, QMimeData& mime) {
    FillText(data, mime);
    FillUrls(data, mime);
    if (const std::string* rtf = data.Data(RichTextFormat)) {
        // Other programs read RTF without the block's closing NUL.
        const std::string_view text(*rtf);
        mime.setData(RtfMime, ToBytes(std::string(text.substr(0, text.find('\0')))));
    }
    for (const std::string& format : data.Formats())
        if (!IsStandard(format))
            mime.setData(MimeType(format), ToBytes(*data.Data(format)));
}

TDragDataObject DataObject(const QMimeData& mime) {
    if (auto own = dynamic_cast<const DragMimeData*>(&mime))
        return own->DataObject();
    TDragDataObject data;
    if (mime.hasFormat(PlainTextMime)) {
        const std::string text = QtConvert::FromQString(mime.text());
        data.SetData(DragFormat::Text, AnsiTextBlock(text));
        data.SetData(DragFormat::UnicodeText, UnicodeTextBlock(text));
    }
    if (mime.hasUrls())
        ReadUrls(mime, data);
    for (const QString& rtfMime : {RtfMime, AlternateRtfMime}) {
        if (!mime.hasFormat(rtfMime))
            continue;
        std::string rtf = FromBytes(mime.data(rtfMime));
        rtf.push_back('\0');
        data.SetData(RichTextFormat, std::move(rtf));
        break;
    }
    for (const QString& type : mime.formats()) {
        std::string format = FormatOfMime(type);
        if (!format.empty() && !IsStandard(format))
            data.SetData(format, FromBytes(mime.data(type)));
    }
    return data;
}

} // namespace DragMime
