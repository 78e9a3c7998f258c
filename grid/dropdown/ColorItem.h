#pragma once

#include "grid/dropdown/CollectionItem.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

#include <string>

// One named colour of the colour picker's list.
class TColorItem : public TCollectionItemBase {
public:
    explicit TColorItem(TButtonCollectionBase* Collection) : TCollectionItemBase(Collection) {}

    // From another colour item: caption and colour through their writes, enabled state and hint;
    // anything else is ignored.
    void Assign(const TObject* Source);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    const TRect& ItemRect() const { return FRect; }
    void SetItemRect(const TRect& Value) { FRect = Value; }

private:
    std::string FCaption;
    TColor FColor = clNone;
    bool FEnabled = true;
    TRect FRect{};
    std::string FHint;
};

using TColorItems = TButtonCollection<TColorItem>;
