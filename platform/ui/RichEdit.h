#pragma once

#include "platform/core/RtfText.h"
#include "platform/ui/Control.h"
#include "platform/ui/Font.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class TCanvas;
class TRichEdit;

// The character format of a rich edit's selection, or of what is typed next when nothing is
// selected. Reading answers for the selection's first character; writing changes only the
// attribute written, on every selected character.
class TTextAttributes {
public:
    TTextAttributes(const TTextAttributes&) = delete;
    TTextAttributes& operator=(const TTextAttributes&) = delete;

    // The design's font name (e.g. "Tahoma"); the family drawn is its substitute.
    std::string Name() const;
    void SetName(const std::string& value);
    // Points, at 96 pixels per inch as TFont's.
    int Size() const;
    void SetSize(int points);
    // The editor's font colour where the text has none of its own.
    TColor Color() const;
    void SetColor(TColor value);
    TFontStyles Style() const;
    void SetStyle(TFontStyles value);
    // Name, size, colour and style of a font at once.
    void Assign(const TFont& font);

private:
    friend class TRichEdit;
    explicit TTextAttributes(TRichEdit& owner) : FOwner(owner) {}

    TRichEdit& FOwner;
};

// The content size a rich edit needs, in pixels from its top left corner.
using TRichEditResizeEvent = std::function<void(TObject* Sender, TRect Rect)>;

// A text edit with character formatting: bold, italic, underline, strike-out, font, size,
// colour and a vertical offset. It loads and saves RTF as byte text (the reader and writer of
// platform/core: RtfText.h). Text is the plain text, paragraphs joined with "\n"; selection
// positions count UTF-16 units, a paragraph end one. OnChange fires once for every change of
// the content, typed or made by the program (a whole load or SetText is one change), and
// OnResizeRequest follows it with the size the content needs. OnSelectionChange fires when the
// caret or the selection moves.
class TRichEdit : public TWinControl {
public:
    explicit TRichEdit(TComponent* AOwner);
    ~TRichEdit() override;

    std::string Text() const override;
    // Replaces the content with plain text in the editor's font.
    void SetText(const std::string& value) override;
    void Clear() { SetText(""); }

    // RTF is read with ReadRtf (bytes that are not RTF show as Windows-1252 plain text); what
    // it cannot show is dropped. The editor's font fills in what the RTF leaves unset.
    void LoadFromRtf(std::string_view bytes);
    // 7-bit RTF of the content; every character carries its font name and size.
    std::string SaveToRtf() const;
    // The content as formatted runs, fonts and sizes filled in as SaveToRtf writes them.
    TRtfRuns Runs() const;

    bool ReadOnly() const;
    void SetReadOnly(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value);
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }

    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    std::string SelText() const;
    // Replaces the selection (or inserts at the caret) in the format of what is typed next.
    void SetSelText(const std::string& value);
    void SelectAll();
    TTextAttributes* SelAttributes() const { return FSelAttributes.get(); }
    // The vertical offset of the selection's characters in twips (1/1440 inch), raised when
    // positive; reading answers for the selection's first character. RTF keeps it in half
    // points, so a saved offset is rounded to 10 twips.
    int SelOffset() const;
    void SetSelOffset(int twips);

    // Draws the content into a rectangle of a canvas, clipped to it, on a clear background.
    void PaintTo(TCanvas* canvas, const TRect& rect) const;

    void WndProc(TMessage& Message) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelectionChange;
    TRichEditResizeEvent OnResizeRequest;

protected:
    virtual void Change();
    virtual void RequestSize(const TRect& rect);

private:
    friend class TTextAttributes;
    struct Impl;
    std::unique_ptr<Impl> FImpl;
    std::unique_ptr<TTextAttributes> FSelAttributes;
    bool FWordWrap = true;
    TScrollStyle FScrollBars = ssNone;
    bool FWantReturns = true;
    bool FWantTabs = false;
    bool FModified = false;
};
