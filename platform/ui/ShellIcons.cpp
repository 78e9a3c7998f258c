#include "platform/ui/ShellIcons.h"

#include "platform/ui/internal/CanvasAccess.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>
#include <QStyle>

#include <cctype>
#include <iterator>
#include <string>

namespace {

bool IsIndex(const std::string& Path) {
    if (Path.empty())
        return false;
    for (const char ch : Path)
        if (!std::isdigit(static_cast<unsigned char>(ch)))
            return false;
    return true;
}

QIcon IconOf(const std::string& Path) {
    static const QFileIconProvider provider;
    const QString path = QString::fromStdString(Path);
    QIcon icon;
    bool folder = false;
    if (IsIndex(Path)) {
        // The shell's list starts with a document, a folder and the drives; the desktop's
        // provider knows a few such kinds and the rest cycle through them.
        static const QAbstractFileIconProvider::IconType Kinds[] = {
            QAbstractFileIconProvider::File,    QAbstractFileIconProvider::Folder,
            QAbstractFileIconProvider::Drive,   QAbstractFileIconProvider::Computer,
            QAbstractFileIconProvider::Desktop, QAbstractFileIconProvider::Network,
            QAbstractFileIconProvider::Trashcan};
        const auto kind = Kinds[std::stoul(Path.substr(0, 6)) % std::size(Kinds)];
        folder = kind != QAbstractFileIconProvider::File;
        icon = provider.icon(kind);
    } else if (const QFileInfo info(path); info.exists()) {
        folder = info.isDir();
        icon = provider.icon(info);
    } else {
        const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
        icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
    }
    // Without an icon theme the style's own file and folder pictures still show.
    if (icon.isNull())
        icon =
            QApplication::style()->standardIcon(folder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon);
    return icon;
}

} // namespace

namespace ShellIcons {

int IconSize(bool Large) {
    return Large ? 32 : 16;
}

void Draw(TCanvas* Canvas, int X, int Y, const std::string& Path, bool Large) {
    if (!Canvas)
        return;
    const int size = IconSize(Large);
    QImage image = IconOf(Path).pixmap(size, size).toImage();
    if (image.isNull())
        return;
    if (image.width() != size || image.height() != size)
        image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    TCanvasAccess::DrawImage(*Canvas, QPoint(X, Y), image);
}

} // namespace ShellIcons
