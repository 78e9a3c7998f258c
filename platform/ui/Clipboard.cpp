#include "platform/ui/Clipboard.h"

#include "platform/ui/Application.h"
#include "platform/ui/internal/QtConvert.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace {

struct FormatRegistry {
    std::mutex Lock;
    std::map<std::string, TClipboardFormat> Numbers;
    std::vector<std::string> Names;
};

FormatRegistry& Registry() {
    static FormatRegistry registry;
    return registry;
}

constexpr TClipboardFormat FirstPrivateFormat = 0xC000;

QString MimeType(TClipboardFormat format) {
    FormatRegistry& registry = Registry();
    std::lock_guard lock(registry.Lock);
    size_t index = format - FirstPrivateFormat;
    if (format < FirstPrivateFormat || index >= registry.Names.size())
        return {};
    return QStringLiteral("application/x-velmaro-") +
           QString::fromUtf8(QByteArray(registry.Names[index].c_str()).toHex());
}

bool IsText(TClipboardFormat format) {
    return format == CF_TEXT || format == CF_UNICODETEXT;
}

// The content gathered between Open and Close.
std::unique_ptr<QMimeData>& Pending() {
    static std::unique_ptr<QMimeData> pending;
    return pending;
}

QClipboard* SystemClipboard() {
    Application->Initialize();
    return QGuiApplication::clipboard();
}

const QMimeData* Current() {
    if (Pending())
        return Pending().get();
    return SystemClipboard()->mimeData();
}

// Writes go into the open batch, or replace the clipboard's content.
void Write(const std::function<void(QMimeData&)>& fill) {
    if (Pending()) {
        fill(*Pending());
        return;
    }
    auto data = std::make_unique<QMimeData>();
    fill(*data);
    SystemClipboard()->setMimeData(data.release());
}

} // namespace

TClipboardFormat TClipboard::RegisterFormat(const std::string& name) {
    FormatRegistry& registry = Registry();
    std::lock_guard lock(registry.Lock);
    auto found = registry.Numbers.find(name);
    if (found != registry.Numbers.end())
        return found->second;
    TClipboardFormat number =
        FirstPrivateFormat + static_cast<TClipboardFormat>(registry.Names.size());
    registry.Names.push_back(name);
    registry.Numbers.emplace(name, number);
    return number;
}

std::string TClipboard::AsText() const {
    const QMimeData* data = Current();
    return data && data->hasText() ? QtConvert::FromQString(data->text()) : std::string();
}

void TClipboard::SetAsText(const std::string& text) {
    Write([&](QMimeData& data) { data.setText(QtConvert::ToQString(text)); });
}

bool TClipboard::HasFormat(TClipboardFormat format) const {
    const QMimeData* data = Current();
    if (!data)
        return false;
    if (IsText(format))
        return data->hasText();
    QString mime = MimeType(format);
    return !mime.isEmpty() && data->hasFormat(mime);
}

std::string TClipboard::FormatData(TClipboardFormat format) const {
    if (IsText(format))
        return AsText();
    const QMimeData* data = Current();
    QString mime = MimeType(format);
    if (!data || mime.isEmpty())
        return {};
    return data->data(mime).toStdString();
}

void TClipboard::SetFormatData(TClipboardFormat format, const std::string& bytes) {
    if (IsText(format)) {
        SetAsText(bytes);
        return;
    }
    QString mime = MimeType(format);
    if (mime.isEmpty())
        return;
    Write([&](QMimeData& data) {
        data.setData(mime, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    });
}

void TClipboard::Clear() {
    if (Pending())
        Pending() = std::make_unique<QMimeData>();
    else
        SystemClipboard()->clear();
}

void TClipboard::Open() {
    if (FOpenCount++ == 0)
        Pending() = std::make_unique<QMimeData>();
}

void TClipboard::Close() {
    if (FOpenCount == 0 || --FOpenCount > 0)
        return;
    SystemClipboard()->setMimeData(Pending().release());
}

TClipboard* Clipboard() {
    static TClipboard clipboard;
    return &clipboard;
}
