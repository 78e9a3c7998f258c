#pragma once

#include "platform/ui/Control.h"

#include <memory>
#include <string>

class TBitmap;

// The picture an image shows.
class TPicture : public TObject {
public:
    TPicture();
    ~TPicture() override;

    // The picture as a bitmap; an empty one is made on first use.
    TBitmap* Bitmap();
    bool Empty() const;
    int Width() const;
    int Height() const;
    // BMP files. Throws EFileError naming the file; the picture shown before stays then.
    void LoadFromFile(const std::string& path);
    // Copies the bitmap; nullptr empties the picture.
    void Assign(const TBitmap* source);
    void Clear() { Assign(nullptr); }

    TNotifyEvent OnChange;

private:
    void Changed();

    std::unique_ptr<TBitmap> FBitmap;
};

// Shows a picture: at its own size from the top left, centred, or stretched to the control
// (keeping its aspect ratio when Proportional). With Transparent the picture's transparent
// colour (its bottom-left pixel) lets the parent show through.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture.get(); }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Takes the picture's size whenever the picture changes.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);

    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FProportional = false;
    bool FCenter = false;
    bool FTransparent = false;
    bool FAutoSize = false;
};
