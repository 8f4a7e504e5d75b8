#pragma once
// TComponent: named objects with an owner. An owner destroys what it owns;
// a component destroyed earlier leaves its owner's list. Loading from a
// stored description is bracketed by BeginLoading/EndLoading, which ends in
// the virtual Loaded of every component loaded with it.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/Object.h"

namespace qvx {

enum class TComponentStateFlag : uint8_t { csLoading, csDesigning, csDestroying, csReading };

class TComponentState {
public:
    constexpr bool Contains(TComponentStateFlag f) const { return (FBits & Bit(f)) != 0; }
    constexpr void Include(TComponentStateFlag f) { FBits |= Bit(f); }
    constexpr void Exclude(TComponentStateFlag f) { FBits &= uint8_t(~Bit(f)); }

private:
    static constexpr uint8_t Bit(TComponentStateFlag f) { return uint8_t(1u << unsigned(f)); }
    uint8_t FBits = 0;
};

constexpr TComponentStateFlag csLoading = TComponentStateFlag::csLoading;
constexpr TComponentStateFlag csDesigning = TComponentStateFlag::csDesigning;
constexpr TComponentStateFlag csDestroying = TComponentStateFlag::csDestroying;

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    ~TComponent() override;

    std::string ClassName() const override { return "TComponent"; }

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& value) { FName = value; }
    intptr_t Tag() const { return FTag; }
    void SetTag(intptr_t value) { FTag = value; }
    TComponentState ComponentState() const { return FComponentState; }
    int ComponentCount() const { return int(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(size_t(index)); }
    TComponent* FindComponent(const std::string& name) const;

    // Marks this component and everything it owns as loading.
    void BeginLoading();
    // Ends loading: Loaded runs once on every component that was loading,
    // owned components first.
    void EndLoading();
    // Switches the designing state (on the component and what it owns).
    void SetDesigning(bool value);

protected:
    // Called once after the component's stored settings have been read;
    // overrides must call the inherited Loaded, which ends the loading state.
    virtual void Loaded();

private:
    void InsertComponent(TComponent* c) { FComponents.push_back(c); }
    void RemoveComponent(TComponent* c);

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::string FName;
    intptr_t FTag = 0;

protected:
    TComponentState FComponentState;
};

}  // namespace qvx
