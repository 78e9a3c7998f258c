#pragma once

#include "grid/foundation/HTMLPicture.h"
#include "platform/ui/Component.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A named picture of a container.
class TPictureItem : public TObject {
public:
    TPictureItem();
    ~TPictureItem() override;

    THTMLPicture* Picture() const { return FPicture.get(); }
    // Assigns (copies the picture's bytes).
    void SetPicture(const THTMLPicture* Value) { FPicture->Assign(Value); }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    void Assign(const TPictureItem& Source);

private:
    std::unique_ptr<THTMLPicture> FPicture;
    int FTag = 0;
    std::string FName;
};

class TPictureCollection : public TObject {
public:
    explicit TPictureCollection(TComponent* Owner) : FOwner(Owner) {}

    TComponent* Owner() const { return FOwner; }
    TPictureItem* Add();
    // Index is clamped into 0..Count.
    TPictureItem* Insert(int Index);
    void Delete(int Index);
    int Count() const { return static_cast<int>(FItems.size()); }
    // nullptr for an index out of range.
    TPictureItem* Items(int Index) const;
    // Copies Value into the item at Index.
    void SetItems(int Index, const TPictureItem& Value);
    bool Animate();

private:
    TComponent* FOwner;
    std::vector<std::unique_ptr<TPictureItem>> FItems;
};

// Named pictures that mark-up text shows by name (<IMG SRC="name">).
class TPictureContainer : public TComponent {
public:
    explicit TPictureContainer(TComponent* AOwner);
    ~TPictureContainer() override;

    TPictureCollection* Items() const { return FItems.get(); }
    // Takes the collection as the container's own.
    void SetItems(std::unique_ptr<TPictureCollection> Value);
    // The picture of the first item named Name, ignoring ASCII case; nullptr when none.
    virtual THTMLPicture* FindPicture(std::string_view Name) const;

private:
    std::unique_ptr<TPictureCollection> FItems;
};
