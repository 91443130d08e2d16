#include "Classes.h"

#include <algorithm>

#include "TypInfo.h"

namespace vt {

const TClassInfo& TPersistent::StaticClassInfo() {
  static const TClassInfo info = TClassInfoBuilder<TPersistent>("TPersistent", nullptr).Build();
  return info;
}

const std::string& TPersistent::ClassName() const {
  return ClassInfo().Name;
}

bool TPersistent::InheritsFrom(const TClassInfo& cls) const {
  return ClassInfo().InheritsFrom(cls);
}

void TPersistent::Assign(const TPersistent& source) {
  source.AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& dest) const {
  throw EConvertError("Cannot assign a " + ClassName() + " to a " + dest.ClassName());
}

// ---- TComponent -------------------------------------------------------------------

const TClassInfo& TComponent::StaticClassInfo() {
  static const TClassInfo info =
      TClassInfoBuilder<TComponent>("TComponent", &TPersistent::StaticClassInfo())
          .Property<TComponentNameType>("Name", &TComponent::GetName, &TComponent::SetName,
                                        [](const TComponent&) { return false; })
          .Property("Tag", &TComponent::GetTag, &TComponent::SetTag,
                    [](const TComponent& c) { return c.GetTag() != 0; })
          .Build();
  return info;
}

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  NotifyDestruction();
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::NotifyDestruction() {
  // A peer may unregister others while being told; work on a snapshot and re-check.
  while (!FFreeNotifies.empty()) {
    TComponent* peer = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    auto& back = peer->FFreeNotifies;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
    peer->Notification(this, TOperation::opRemove);
  }
  if (FOwner) FOwner->Notification(this, TOperation::opRemove);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) return nullptr;
  return FComponents[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  const auto& list = FOwner->FComponents;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : FComponents)
    if (SameText(c->FName, name)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->FOwner) component->FOwner->RemoveComponent(component);
  FComponents.push_back(component);
  ++FComponentsVersion;
  component->FOwner = this;
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  auto it = std::find(FComponents.begin(), FComponents.end(), component);
  if (it == FComponents.end()) return;
  FComponents.erase(it);
  ++FComponentsVersion;
  component->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    FComponents.pop_back();
    ++FComponentsVersion;
    last->FOwner = nullptr;
    delete last;
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
    FFreeNotifies.push_back(component);
    component->FFreeNotifies.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  auto drop = [](std::vector<TComponent*>& list, TComponent* c) {
    list.erase(std::remove(list.begin(), list.end(), c), list.end());
  };
  drop(FFreeNotifies, component);
  drop(component->FFreeNotifies, this);
}

void TComponent::Notification(TComponent* /*component*/, TOperation /*operation*/) {}

}  // namespace vt
