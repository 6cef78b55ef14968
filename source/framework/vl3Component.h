// The component base every suite component derives from: an owner frees the
// components it owns, state flags tell loading from designing, and owners
// hear about components that are inserted or removed.
#pragma once

#include <string>
#include <vector>

#include "vl3Sets.h"

enum class TComponentStateFlag : unsigned char { csLoading = 0, csReading = 1, csDesigning = 2 };
using TComponentState = TSet<TComponentStateFlag, unsigned char>;

enum class TOperation { opInsert, opRemove };

class TComponent {
 public:
  // The new component is owned (and later freed) by owner when it is not null.
  explicit TComponent(TComponent* owner = nullptr);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_[index]; }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

  TComponentState ComponentState() const { return state_; }
  void SetComponentState(TComponentStateFlag flag, bool on) { state_.Set(flag, on); }

  // Asks to be told (through Notification) when `other` is destroyed, even
  // though this component does not own it.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

  // Called on the owner (and on free-notification partners) when a component
  // is inserted into or removed from it.
  virtual void Notification(TComponent* component, TOperation operation);

  // Hands an owned component to another owner (or to none).
  void RemoveComponent(TComponent* component);
  void InsertComponent(TComponent* component);

 private:
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;     // owned
  std::vector<TComponent*> freeNotifies_;  // not owned
  std::string name_;
  TComponentState state_;
};
