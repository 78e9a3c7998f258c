#include "platform/ui/Component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Notes its own destruction in a shared log.
class LoggedComponent : public TComponent {
public:
    LoggedComponent(TComponent* owner, std::string name, std::vector<std::string>& log)
        : TComponent(owner), Log(log) {
        SetName(std::move(name));
    }
    ~LoggedComponent() override { Log.push_back(Name()); }
    std::vector<std::string>& Log;
};

} // namespace

TEST(Component, OwnerFreesWhatItOwnsLastCreatedFirst) {
    std::vector<std::string> log;
    auto* owner = new LoggedComponent(nullptr, "owner", log);
    auto* first = new LoggedComponent(owner, "first", log);
    new LoggedComponent(first, "grandchild", log);
    new LoggedComponent(owner, "second", log);
    ASSERT_EQ(owner->ComponentCount(), 2);

    delete owner;

    EXPECT_EQ(log, (std::vector<std::string>{"owner", "second", "first", "grandchild"}));
}

TEST(Component, FreeingAnOwnedComponentRemovesItFromItsOwner) {
    std::vector<std::string> log;
    TComponent owner(nullptr);
    auto* child = new LoggedComponent(&owner, "child", log);
    new LoggedComponent(&owner, "other", log);

    delete child;

    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0)->Name(), "other");
    EXPECT_EQ(owner.FindComponent("CHILD"), nullptr);
    EXPECT_EQ(owner.FindComponent("Other"), owner.Components(0));
}

TEST(Component, ClassNameIsTheClassOwnName) {
    std::vector<std::string> log;
    LoggedComponent component(nullptr, "x", log);
    EXPECT_EQ(component.ClassName(), "LoggedComponent");
    TComponent plain(nullptr);
    EXPECT_EQ(plain.ClassName(), "TComponent");
}

namespace {

// Keeps a link to another component and notes what it hears going.
class LinkKeeper : public TComponent {
public:
    explicit LinkKeeper(TComponent* owner) : TComponent(owner) {}
    TComponentLink<TComponent> Linked{this};
    std::vector<TComponent*> Heard;

protected:
    void Notification(TComponent* component, bool removing) override {
        if (removing) {
            Heard.push_back(component);
            if (component == Linked)
                Linked = nullptr;
        }
        TComponent::Notification(component, removing);
    }
};

} // namespace

TEST(Component, ALinkedComponentIsLetGoWhenFreedWhoeverOwnsIt) {
    TComponent form(nullptr);
    TComponent* owners[] = {nullptr, &form};
    for (TComponent* owner : owners) {
        LinkKeeper keeper(nullptr);
        auto* linked = new TComponent(owner);
        keeper.Linked = linked;
        keeper.Linked = linked; // asked twice, told once
        delete linked;
        EXPECT_EQ(static_cast<TComponent*>(keeper.Linked), nullptr);
        EXPECT_EQ(keeper.Heard, (std::vector<TComponent*>{linked}));
    }
}

TEST(Component, AKeeperFreedFirstIsNotToldLater) {
    auto* linked = new TComponent(nullptr);
    {
        LinkKeeper keeper(nullptr);
        keeper.Linked = linked;
    }
    delete linked; // the sanitizer catches a call into the freed keeper
    LinkKeeper other(nullptr);
    auto* second = new TComponent(nullptr);
    other.FreeNotification(second);
    other.RemoveFreeNotification(second);
    delete second;
    EXPECT_TRUE(other.Heard.empty());
}
