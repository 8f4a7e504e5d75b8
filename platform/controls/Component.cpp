#include "platform/controls/Component.h"

#include <algorithm>

namespace qvx {

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner)
{
    if (FOwner != nullptr) FOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    FComponentState.Include(csDestroying);
    // Owned components go in reverse order of creation; each one removes
    // itself from the list as it dies.
    while (!FComponents.empty()) delete FComponents.back();
    if (FOwner != nullptr) FOwner->RemoveComponent(this);
}

void TComponent::RemoveComponent(TComponent* c)
{
    const auto it = std::find(FComponents.begin(), FComponents.end(), c);
    if (it != FComponents.end()) FComponents.erase(it);
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    for (TComponent* c : FComponents)
        if (c->Name() == name) return c;
    return nullptr;
}

void TComponent::BeginLoading()
{
    FComponentState.Include(csLoading);
    for (TComponent* c : FComponents) c->BeginLoading();
}

void TComponent::EndLoading()
{
    // Copy first: a Loaded handler may create components.
    const std::vector<TComponent*> owned = FComponents;
    for (TComponent* c : owned) c->EndLoading();
    if (FComponentState.Contains(csLoading)) Loaded();
}

void TComponent::Loaded()
{
    FComponentState.Exclude(csLoading);
}

void TComponent::SetDesigning(bool value)
{
    if (value) FComponentState.Include(csDesigning);
    else FComponentState.Exclude(csDesigning);
    for (TComponent* c : FComponents) c->SetDesigning(value);
}

}  // namespace qvx
