#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Component.h"

#include <memory>
#include <vector>

class TBitmap;
class TCanvas;
class TImageList;

// Tells its holder that an image list changed; the list forgets the link when the link goes,
// and the link forgets the list (Sender becomes nullptr) when the list goes.
class TChangeLink {
public:
    TChangeLink() = default;
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;
    ~TChangeLink();

    TImageList* Sender() const { return FSender; }
    TNotifyEvent OnChange;

private:
    friend class TImageList;
    TImageList* FSender = nullptr;
};

// Pictures of one size, kept in order and drawn by index: glyphs for actions, menus and buttons.
class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* AOwner);
    ~TImageList() override;

    // Changing the size empties the list, as its pictures no longer fit. Sizes below 1 throw.
    int Width() const { return FWidth; }
    void SetWidth(int value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    int Count() const { return static_cast<int>(FImages.size()); }

    // Adds the picture, cut into as many pictures of the list's width as it holds (at least
    // one); pixels of MaskColor become transparent (clNone: none). Returns the index of the first
    // picture added, or -1 (and adds nothing) for a missing or empty bitmap.
    int Add(const TBitmap* Image, TColor MaskColor);
    void Delete(int Index);
    void Clear();

    // Draws picture Index with its transparent pixels left out; nothing for an index out of
    // range.
    void Draw(TCanvas* Canvas, int X, int Y, int Index) const;

    void RegisterChanges(TChangeLink* Value);
    void UnRegisterChanges(TChangeLink* Value);
    TNotifyEvent OnChange;

private:
    void Change();
    void Resize(int width, int height);

    int FWidth = 16;
    int FHeight = 16;
    std::vector<std::unique_ptr<TBitmap>> FImages;
    std::vector<TChangeLink*> FLinks;
};
