#include "chart/component.h"

#include <algorithm>
#include <cctype>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->Insert(this);
}

TComponent::~TComponent() {
    // Each owned component removes itself from components_ while it is destroyed.
    while (!components_.empty()) delete components_.back();
    if (owner_) owner_->Remove(this);
}

void TComponent::Remove(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it != components_.end()) components_.erase(it);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    auto same = [name](const TComponent* c) {
        const std::string& own = c->Name();
        return own.size() == name.size() &&
               std::equal(own.begin(), own.end(), name.begin(), [](unsigned char a, unsigned char b) {
                   return std::tolower(a) == std::tolower(b);
               });
    };
    auto it = std::find_if(components_.begin(), components_.end(), same);
    return it == components_.end() ? nullptr : *it;
}

bool TComponent::IsLoading() const {
    return loading_ || (owner_ && owner_->IsLoading());
}

void TComponent::BeginLoading() {
    loading_ = true;
}

void TComponent::EndLoading() {
    loading_ = false;
    Loaded();
    const std::vector<TComponent*> owned = components_;
    for (TComponent* c : owned) c->Loaded();
}
