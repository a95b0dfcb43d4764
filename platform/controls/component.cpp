#include "platform/controls/component.h"

#include <algorithm>
#include <iterator>

#include "platform/controls/exceptions.h"
#include "platform/text/ansi_text.h"

namespace platform {
namespace {

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentPart(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

}  // namespace

bool IsValidIdent(std::string_view name) {
  if (name.empty() || !IsIdentStart(name.front())) return false;
  return std::all_of(name.begin() + 1, name.end(), IsIdentPart);
}

TComponent::TComponent(TComponent* owner) : liveness_(std::make_shared<TComponent*>(this)) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  BeginDestroy();
  // Each owned component takes itself out of the list as it goes.
  while (!components_.empty()) delete components_.back();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::BeginDestroy() {
  destroying_ = true;
  *liveness_ = nullptr;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  const auto found = byName_.find(LowerCase(name));
  return found == byName_.end() ? nullptr : found->second;
}

bool TComponent::NameAvailable(std::string_view name, const TComponent* except) const {
  if (name.empty()) return true;
  const TComponent* holder = FindComponent(name);
  if (holder && holder != except) return false;
  return !(nameRule_ && nameRule_(name));
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !IsValidIdent(name)) throw EComponentError("'" + name + "' is not a valid component name");
  if (owner_ && !owner_->NameAvailable(name, this))
    throw EComponentError("A component named " + name + " already exists");
  if (owner_ && !name_.empty()) owner_->byName_.erase(LowerCase(name_));
  name_ = name;
  if (owner_ && !name_.empty()) owner_->byName_[LowerCase(name_)] = this;
  NameChanged();
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component || component->owner_ == this) return;
  if (!NameAvailable(component->name_, component))
    throw EComponentError("A component named " + component->name_ + " already exists");
  if (component->owner_) component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
  if (!component->name_.empty()) byName_[LowerCase(component->name_)] = component;
}

void TComponent::RemoveComponent(TComponent* component) {
  // From the back: an owner being freed lets its components go last first.
  const auto found = std::find(components_.rbegin(), components_.rend(), component);
  if (found == components_.rend()) return;
  components_.erase(std::next(found).base());
  component->owner_ = nullptr;
  const auto named = byName_.find(LowerCase(component->name_));
  if (named != byName_.end() && named->second == component) byName_.erase(named);
}

}  // namespace platform
