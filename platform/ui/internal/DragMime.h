#pragma once

// Drag data objects as Qt's MIME data, for the .cpp files of platform/ui.

#include "platform/ui/DragDrop.h"

#include <QMimeData>

// MIME data made from a data object of this program: other programs read the MIME types,
// targets of this program get the data object back as it was.
class DragMimeData : public QMimeData {
public:
    explicit DragMimeData(TDragDataObject data);
    const TDragDataObject& DataObject() const { return FData; }

private:
    TDragDataObject FData;
};

namespace DragMime {
// Text formats become text/plain, file lists and links text/uri-list, RTF text/rtf, every other
// named format a MIME type of its own carrying the format's bytes unchanged.
void Fill(const TDragDataObject& data, QMimeData& mime);
// The data object of dropped MIME data: the one this program gave, or the formats read from the
// MIME types (text/plain gives both text formats, as another program's text would offer them).
TDragDataObject DataObject(const QMimeData& mime);
// The MIME type that carries a named format.
QString MimeType(const std::string& format);
} // namespace DragMime
