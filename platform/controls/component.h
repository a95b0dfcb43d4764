#pragma once
// TComponent: an object that has a name and an owner. The owner holds its
// components by name (unique among them without regard to case, and an
// identifier) and frees them when it goes. TRef is a reference that reads
// as null once its component has been freed, so that nothing the author can
// delete is ever reached through a stale pointer.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

class TObject {
 public:
  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
};

// A letter or underscore, then letters, digits or underscores (ASCII).
bool IsValidIdent(std::string_view name);

class TComponent : public TObject {
 public:
  // The owner takes the new component at once; null: nobody frees it.
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  const std::string& Name() const { return name_; }
  // Raises EComponentError for a name that is no identifier (the empty name
  // is allowed) or that another component of the same owner has, compared
  // without regard to case, or that the owner's name rule refuses.
  void SetName(const std::string& name);

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }
  // The owned component of that name, without regard to case; null when none.
  TComponent* FindComponent(std::string_view name) const;

  // Moves a component into this one's ownership (RemoveComponent from the
  // old owner first). Raises EComponentError when its name is taken here.
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  // Extra names the owner refuses for its components, beyond the names in
  // use: a component error like a taken name.
  using NameRule = std::function<bool(std::string_view name)>;
  void SetNameRule(NameRule refuses) { nameRule_ = std::move(refuses); }
  // Whether name would be accepted for a component of this owner other
  // than except.
  bool NameAvailable(std::string_view name, const TComponent* except = nullptr) const;

  // True from the start of destruction on.
  bool Destroying() const { return destroying_; }

  // The shared cell that TRef reads; emptied when destruction begins.
  const std::shared_ptr<TComponent*>& Liveness() const { return liveness_; }

 protected:
  virtual void NameChanged() {}
  // Called first by the destructors of the control classes, so that every
  // TRef reads null while the rest of the object is torn down.
  void BeginDestroy();

 private:
  std::string name_;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  // Lower-cased name to component: designs own thousands of components and
  // every placement and every read looks names up.
  std::unordered_map<std::string, TComponent*> byName_;
  NameRule nameRule_;
  bool destroying_ = false;
  std::shared_ptr<TComponent*> liveness_;
};

// A reference to a component that becomes null when the component is freed.
template <class T>
class TRef {
 public:
  TRef() = default;
  TRef(T* component) { Reset(component); }  // NOLINT: converts like a pointer
  TRef& operator=(T* component) {
    Reset(component);
    return *this;
  }
  T* Get() const { return (cell_ && *cell_) ? pointer_ : nullptr; }
  T* operator->() const { return Get(); }
  explicit operator bool() const { return Get() != nullptr; }
  operator T*() const { return Get(); }  // NOLINT: reads like a pointer
  void Reset(T* component = nullptr) {
    pointer_ = component;
    cell_ = component ? component->Liveness() : nullptr;
  }

 private:
  T* pointer_ = nullptr;
  std::shared_ptr<TComponent*> cell_;
};

}  // namespace platform
