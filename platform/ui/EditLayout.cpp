#include "platform/ui/EditLayout.h"

#include "platform/ui/Edit.h"
#include "platform/ui/internal/NativeHost.h"

#include <QLineEdit>

#include <algorithm>

namespace {
QLineEdit* LineOf(const TEdit* edit) {
    return qobject_cast<QLineEdit*>(NativeHost::Embedded(edit));
}
} // namespace

namespace EditLayout {

void SetTextRect(TEdit* edit, const TRect& rect) {
    QLineEdit* line = LineOf(edit);
    if (!line)
        return;
    if (rect.IsEmpty()) {
        line->setTextMargins(0, 0, 0, 0);
        return;
    }
    // Margins cannot be negative: a rectangle reaching past the client area keeps the edge.
    line->setTextMargins(std::max(rect.Left, 0), std::max(rect.Top, 0),
                         std::max(edit->ClientWidth() - rect.Right, 0),
                         std::max(edit->ClientHeight() - rect.Bottom, 0));
}

TRect TextRect(const TEdit* edit) {
    QLineEdit* line = LineOf(edit);
    if (!line)
        return edit->ClientRect();
    QMargins m = line->textMargins();
    return {m.left(), m.top(), edit->ClientWidth() - m.right(), edit->ClientHeight() - m.bottom()};
}

void SetAlignment(TEdit* edit, TAlignment alignment) {
    QLineEdit* line = LineOf(edit);
    if (!line)
        return;
    Qt::Alignment horizontal = alignment == taRightJustify ? Qt::AlignRight
                               : alignment == taCenter     ? Qt::AlignHCenter
                                                           : Qt::AlignLeft;
    line->setAlignment(horizontal | Qt::AlignVCenter);
}

TAlignment Alignment(const TEdit* edit) {
    QLineEdit* line = LineOf(edit);
    if (!line)
        return taLeftJustify;
    Qt::Alignment a = line->alignment();
    if (a & Qt::AlignRight)
        return taRightJustify;
    if (a & Qt::AlignHCenter)
        return taCenter;
    return taLeftJustify;
}

} // namespace EditLayout
