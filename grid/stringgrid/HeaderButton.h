#pragma once

#include "platform/ui/Object.h"

#include <string>

class TButtonCollectionBase;

// A button on the header strip of a drop-down. Caption, Enabled and Width changes notify the
// collection; Height and ImageIndex are only stored.
class THeaderButton : public TObject {
public:
    explicit THeaderButton(TButtonCollectionBase* Collection = nullptr) : FCollection(Collection) {}

    // Copies from any header or footer button through the setters; other sources are ignored.
    virtual void Assign(const TObject* Source);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }

    TButtonCollectionBase* Collection() const { return FCollection; }

private:
    void Changed();

    TButtonCollectionBase* FCollection;
    std::string FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    int FWidth = 0;
    int FHeight = 0;
};
