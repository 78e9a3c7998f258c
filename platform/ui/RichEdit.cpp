#include "platform/ui/RichEdit.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/internal/CanvasAccess.h"
#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtConvert.h"
#include "platform/ui/internal/ScrollStyle.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace {

// What the platform's text format cannot keep exactly rides along in properties of its own: the
// design's font name beside the substituted family drawn, the size in half points beside the
// pixel size drawn, and the offset in twips beside the baseline shift drawn.
constexpr int DesignFontNameProperty = QTextFormat::UserProperty + 1;
constexpr int HalfPointsProperty = QTextFormat::UserProperty + 2;
constexpr int OffsetTwipsProperty = QTextFormat::UserProperty + 3;

constexpr int TwipsPerHalfPoint = 10;

int HalfPointsToPixels(int halfPoints) {
    // Half points at 96 pixels per inch: 144 half points make an inch.
    return std::max(1, static_cast<int>(std::lround(halfPoints * TFont::PixelsPerInch / 144.0)));
}

int PixelsToHalfPoints(int pixels) {
    return static_cast<int>(std::lround(pixels * 144.0 / TFont::PixelsPerInch));
}

void SetFontName(QTextCharFormat& format, const std::string& name) {
    format.setProperty(DesignFontNameProperty, QtConvert::ToQString(name));
    format.setFontFamilies(QStringList{QtConvert::ToQString(SubstituteFontName(name))});
}

void SetSize(QTextCharFormat& format, int halfPoints) {
    format.setProperty(HalfPointsProperty, halfPoints);
    format.setProperty(QTextFormat::FontPixelSize, HalfPointsToPixels(halfPoints));
}

void SetStyle(QTextCharFormat& format, TFontStyles style) {
    format.setFontWeight(style.Contains(fsBold) ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style.Contains(fsItalic));
    format.setFontUnderline(style.Contains(fsUnderline));
    format.setFontStrikeOut(style.Contains(fsStrikeOut));
}

// The shift drawn is a share of the font's height, so it follows the size the text has.
void SetOffset(QTextCharFormat& format, int twips, int halfPoints) {
    format.setProperty(OffsetTwipsProperty, twips);
    format.setBaselineOffset(100.0 * twips / (halfPoints * TwipsPerHalfPoint));
}

QTextCharFormat ToQtFormat(const TRtfCharFormat& rtf, const TFont& editorFont) {
    QTextCharFormat format;
    TFontStyles style;
    if (rtf.Bold)
        style << fsBold;
    if (rtf.Italic)
        style << fsItalic;
    if (rtf.Underline)
        style << fsUnderline;
    if (rtf.StrikeOut)
        style << fsStrikeOut;
    SetStyle(format, style);
    if (!rtf.FontName.empty())
        SetFontName(format, rtf.FontName);
    if (rtf.SizeHalfPoints > 0)
        SetSize(format, rtf.SizeHalfPoints);
    if (rtf.Color)
        format.setForeground(QtConvert::ToQColor(static_cast<TColor>(*rtf.Color)));
    if (rtf.OffsetHalfPoints != 0) {
        const int size = rtf.SizeHalfPoints > 0 ? rtf.SizeHalfPoints : editorFont.Size() * 2;
        SetOffset(format, rtf.OffsetHalfPoints * TwipsPerHalfPoint, std::max(size, 1));
    }
    return format;
}

// A character's format with what it leaves unset taken from the editor's font; the colour stays
// unset (automatic) unless the character has one.
TRtfCharFormat FromQtFormat(const QTextCharFormat& format, const TFont& editorFont) {
    TRtfCharFormat rtf;
    const TFontStyles style = editorFont.Style();
    rtf.Bold = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() > QFont::Medium
                                                           : style.Contains(fsBold);
    rtf.Italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic()
                                                             : style.Contains(fsItalic);
    // The platform keeps underlining as a style or, from older formats, as a flag.
    rtf.Underline = format.hasProperty(QTextFormat::TextUnderlineStyle) ||
                            format.hasProperty(QTextFormat::FontUnderline)
                        ? format.fontUnderline()
                        : style.Contains(fsUnderline);
    rtf.StrikeOut = format.hasProperty(QTextFormat::FontStrikeOut) ? format.fontStrikeOut()
                                                                   : style.Contains(fsStrikeOut);
    if (format.hasProperty(DesignFontNameProperty))
        rtf.FontName = QtConvert::FromQString(format.stringProperty(DesignFontNameProperty));
    else if (const QStringList families = format.fontFamilies().toStringList(); !families.empty())
        rtf.FontName = QtConvert::FromQString(families.front());
    else
        rtf.FontName = editorFont.Name();
    if (format.hasProperty(HalfPointsProperty))
        rtf.SizeHalfPoints = format.intProperty(HalfPointsProperty);
    else if (format.hasProperty(QTextFormat::FontPixelSize))
        rtf.SizeHalfPoints = PixelsToHalfPoints(format.intProperty(QTextFormat::FontPixelSize));
    else if (format.hasProperty(QTextFormat::FontPointSize))
        rtf.SizeHalfPoints = static_cast<int>(std::lround(format.fontPointSize() * 2));
    else
        rtf.SizeHalfPoints = editorFont.Size() * 2;
    if (format.foreground().style() != Qt::NoBrush)
        rtf.Color = static_cast<uint32_t>(QtConvert::FromQColor(format.foreground().color()));
    rtf.OffsetHalfPoints = static_cast<int>(
        std::lround(format.intProperty(OffsetTwipsProperty) / double(TwipsPerHalfPoint)));
    return rtf;
}

// Text as the editor's users see it: a line break inside a paragraph is a paragraph end to them
// and to the RTF reader, embedded objects (pasted pictures) have no text.
std::string ShownText(QString text) {
    text.replace(QChar::LineSeparator, QChar('\n'));
    text.remove(QChar::ObjectReplacementCharacter);
    return QtConvert::FromQString(text);
}

} // namespace

struct TRichEdit::Impl {
    QTextEdit* Editor = nullptr;
    // Program changes report once, when the outermost one ends.
    int ProgramDepth = 0;
    bool ChangedInProgram = false;
    int ReportedSelStart = 0;
    int ReportedSelLength = 0;

    QTextDocument* Document() const { return Editor->document(); }

    // Runs a change made by the program: however many steps it takes, it is reported as one
    // change, and not as a modification by the user.
    template <typename F> void ProgramChange(TRichEdit& owner, F&& change) {
        ++ProgramDepth;
        change();
        if (--ProgramDepth > 0 || !ChangedInProgram)
            return;
        ChangedInProgram = false;
        owner.Change();
    }

    // Changes the given attributes of the selection, or of what is typed next.
    void Merge(TRichEdit& owner, const QTextCharFormat& change) {
        ProgramChange(owner, [&] { Editor->mergeCurrentCharFormat(change); });
    }

    TRtfCharFormat SelectionRtfFormat(const TRichEdit& owner) const {
        return FromQtFormat(SelectionFormat(), *owner.Font());
    }

    // The format reported for the selection: its first character's, or what is typed next.
    QTextCharFormat SelectionFormat() const {
        const QTextCursor cursor = Editor->textCursor();
        if (!cursor.hasSelection())
            return Editor->currentCharFormat();
        QTextCursor first(Editor->document());
        first.setPosition(cursor.selectionStart() + 1);
        return first.charFormat();
    }
};

TRichEdit::TRichEdit(TComponent* AOwner)
    : TWinControl(AOwner), FImpl(std::make_unique<Impl>()),
      FSelAttributes(new TTextAttributes(*this)) {
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 185, 89);
    FImpl->Editor = new QTextEdit();
    FImpl->Editor->setTabChangesFocus(true);
    NativeHost::Embed(this, FImpl->Editor);
    SetScrollBars(ssNone);
    QObject::connect(FImpl->Document(), &QTextDocument::contentsChanged, FImpl->Editor, [this] {
        if (FImpl->ProgramDepth > 0) {
            FImpl->ChangedInProgram = true;
            return;
        }
        FModified = true;
        Change();
    });
    auto selectionMoved = [this] {
        const int start = SelStart();
        const int length = SelLength();
        if (start == FImpl->ReportedSelStart && length == FImpl->ReportedSelLength)
            return;
        FImpl->ReportedSelStart = start;
        FImpl->ReportedSelLength = length;
        if (OnSelectionChange)
            OnSelectionChange(this);
    };
    QObject::connect(FImpl->Editor, &QTextEdit::cursorPositionChanged, FImpl->Editor,
                     selectionMoved);
    QObject::connect(FImpl->Editor, &QTextEdit::selectionChanged, FImpl->Editor, selectionMoved);
}

TRichEdit::~TRichEdit() {
    FImpl->Document()->disconnect(FImpl->Editor);
    FImpl->Editor->disconnect();
}

std::string TRichEdit::Text() const {
    QString text;
    for (QTextBlock block = FImpl->Document()->begin(); block.isValid(); block = block.next()) {
        if (block != FImpl->Document()->begin())
            text += QChar('\n');
        text += block.text();
    }
    return ShownText(text);
}

void TRichEdit::SetText(const std::string& value) {
    if (value == Text())
        return;
    FImpl->ProgramChange(*this, [&] { FImpl->Editor->setPlainText(QtConvert::ToQString(value)); });
    FModified = false;
    Perform(CM_TEXTCHANGED);
}

void TRichEdit::LoadFromRtf(std::string_view bytes) {
    const TRtfRuns runs = ReadRtf(bytes);
    FImpl->ProgramChange(*this, [&] {
        QTextDocument* document = FImpl->Document();
        // A load is not a step the user can undo.
        document->setUndoRedoEnabled(false);
        FImpl->Editor->clear();
        QTextCursor cursor(document);
        for (const TRtfRun& run : runs)
            cursor.insertText(QtConvert::ToQString(run.Text), ToQtFormat(run.Format, *Font()));
        document->setUndoRedoEnabled(true);
        FImpl->Editor->moveCursor(QTextCursor::Start);
    });
    FModified = false;
    Perform(CM_TEXTCHANGED);
}

TRtfRuns TRichEdit::Runs() const {
    TRtfRuns runs;
    const QTextDocument* document = FImpl->Document();
    TRtfCharFormat last;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        // The paragraph end takes the format of the text before it, so it starts no new run.
        if (block != document->begin())
            AppendRtfRun(runs, "\n", last);
        else
            last = FromQtFormat(block.charFormat(), *Font());
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            last = FromQtFormat(fragment.charFormat(), *Font());
            AppendRtfRun(runs, ShownText(fragment.text()), last);
        }
    }
    return runs;
}

std::string TRichEdit::SaveToRtf() const {
    return WriteRtf(Runs());
}

bool TRichEdit::ReadOnly() const {
    return FImpl->Editor->isReadOnly();
}

void TRichEdit::SetReadOnly(bool value) {
    FImpl->Editor->setReadOnly(value);
}

void TRichEdit::SetWordWrap(bool value) {
    FWordWrap = value;
    FImpl->Editor->setLineWrapMode(value ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TRichEdit::SetScrollBars(TScrollStyle value) {
    FScrollBars = value;
    ApplyScrollStyle(*FImpl->Editor, value);
}

void TRichEdit::SetWantTabs(bool value) {
    FWantTabs = value;
    FImpl->Editor->setTabChangesFocus(!value);
}

int TRichEdit::SelStart() const {
    return FImpl->Editor->textCursor().selectionStart();
}

void TRichEdit::SetSelStart(int value) {
    QTextCursor cursor = FImpl->Editor->textCursor();
    cursor.setPosition(std::clamp(value, 0, FImpl->Document()->characterCount() - 1));
    FImpl->Editor->setTextCursor(cursor);
}

int TRichEdit::SelLength() const {
    const QTextCursor cursor = FImpl->Editor->textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TRichEdit::SetSelLength(int value) {
    QTextCursor cursor = FImpl->Editor->textCursor();
    const int start = cursor.selectionStart();
    const int last = FImpl->Document()->characterCount() - 1;
    cursor.setPosition(start);
    cursor.setPosition(std::clamp(start + value, 0, last), QTextCursor::KeepAnchor);
    FImpl->Editor->setTextCursor(cursor);
}

std::string TRichEdit::SelText() const {
    return ShownText(
        FImpl->Editor->textCursor().selectedText().replace(QChar::ParagraphSeparator, '\n'));
}

void TRichEdit::SetSelText(const std::string& value) {
    FImpl->ProgramChange(*this,
                         [&] { FImpl->Editor->insertPlainText(QtConvert::ToQString(value)); });
}

void TRichEdit::SelectAll() {
    FImpl->Editor->selectAll();
}

int TRichEdit::SelOffset() const {
    return FImpl->SelectionFormat().intProperty(OffsetTwipsProperty);
}

void TRichEdit::SetSelOffset(int twips) {
    QTextCharFormat change;
    SetOffset(change, twips, std::max(FImpl->SelectionRtfFormat(*this).SizeHalfPoints, 1));
    FImpl->Merge(*this, change);
}

void TRichEdit::PaintTo(TCanvas* canvas, const TRect& rect) const {
    QPainter* painter = canvas != nullptr ? TCanvasAccess::Painter(*canvas) : nullptr;
    if (painter == nullptr || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    // A copy lays the text out for the rectangle, as wide as it is when the text wraps.
    std::unique_ptr<QTextDocument> copy(FImpl->Document()->clone());
    copy->setDocumentMargin(0);
    copy->setTextWidth(FWordWrap ? rect.Width() : -1);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = FImpl->Editor->palette();
    context.clip = QRectF(0, 0, rect.Width(), rect.Height());
    painter->save();
    painter->setClipRect(QtConvert::ToQRect(rect), Qt::IntersectClip);
    painter->translate(rect.Left, rect.Top);
    copy->documentLayout()->draw(painter, context);
    painter->restore();
}

void TRichEdit::WndProc(TMessage& Message) {
    TWinControl::WndProc(Message);
    if (Message.Msg != WM_GETDLGCODE)
        return;
    if (FWantReturns)
        Message.Result |= DLGC_WANTALLKEYS;
    if (FWantTabs)
        Message.Result |= DLGC_WANTTAB;
}

void TRichEdit::Change() {
    if (OnChange)
        OnChange(this);
    const QSizeF size = FImpl->Document()->size();
    RequestSize(Rect(0, 0, static_cast<int>(std::ceil(size.width())),
                     static_cast<int>(std::ceil(size.height()))));
}

void TRichEdit::RequestSize(const TRect& rect) {
    if (OnResizeRequest)
        OnResizeRequest(this, rect);
}

std::string TTextAttributes::Name() const {
    return FOwner.FImpl->SelectionRtfFormat(FOwner).FontName;
}

int TTextAttributes::Size() const {
    return (FOwner.FImpl->SelectionRtfFormat(FOwner).SizeHalfPoints + 1) / 2;
}

TColor TTextAttributes::Color() const {
    const TRtfCharFormat format = FOwner.FImpl->SelectionRtfFormat(FOwner);
    return format.Color ? static_cast<TColor>(*format.Color) : FOwner.Font()->Color();
}

TFontStyles TTextAttributes::Style() const {
    const TRtfCharFormat format = FOwner.FImpl->SelectionRtfFormat(FOwner);
    TFontStyles style;
    if (format.Bold)
        style << fsBold;
    if (format.Italic)
        style << fsItalic;
    if (format.Underline)
        style << fsUnderline;
    if (format.StrikeOut)
        style << fsStrikeOut;
    return style;
}

void TTextAttributes::SetName(const std::string& value) {
    QTextCharFormat change;
    SetFontName(change, value);
    FOwner.FImpl->Merge(FOwner, change);
}

void TTextAttributes::SetSize(int points) {
    QTextCharFormat change;
    ::SetSize(change, points * 2);
    FOwner.FImpl->Merge(FOwner, change);
}

void TTextAttributes::SetColor(TColor value) {
    QTextCharFormat change;
    change.setForeground(QtConvert::ToQColor(value));
    FOwner.FImpl->Merge(FOwner, change);
}

void TTextAttributes::SetStyle(TFontStyles value) {
    QTextCharFormat change;
    ::SetStyle(change, value);
    FOwner.FImpl->Merge(FOwner, change);
}

void TTextAttributes::Assign(const TFont& font) {
    QTextCharFormat change;
    SetFontName(change, font.Name());
    ::SetSize(change, font.Size() * 2);
    change.setForeground(QtConvert::ToQColor(font.Color()));
    ::SetStyle(change, font.Style());
    FOwner.FImpl->Merge(FOwner, change);
}
