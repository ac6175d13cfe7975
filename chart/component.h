// A named object owned by another: the owner destroys what it owns, in reverse order of creation.
// Components read from a form description are created inside BeginLoading/EndLoading; Loaded runs
// on each owned component when loading ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TComponent {
  public:
    explicit TComponent(TComponent* owner = nullptr);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    TComponent* Owner() const { return owner_; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
    // The owned component with this name (letter case ignored), or nullptr.
    TComponent* FindComponent(std::string_view name) const;

    // True while this component, or its owner, is being read from a form description.
    bool IsLoading() const;
    void BeginLoading();
    // Ends loading and runs Loaded on this component and then on every owned component.
    void EndLoading();

  protected:
    // Runs once when loading ends; the place to resolve references stored by name.
    virtual void Loaded() {}

  private:
    void Insert(TComponent* component) { components_.push_back(component); }
    void Remove(TComponent* component);

    TComponent* owner_;
    std::string name_;
    std::vector<TComponent*> components_;
    bool loading_ = false;
};
