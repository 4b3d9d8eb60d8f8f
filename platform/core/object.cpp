#include "pf/object.h"

#include <algorithm>

namespace pf {

const RuntimeClass Object::classObject = {"Object", 0, nullptr, nullptr};

bool RuntimeClass::IsDerivedFrom(const RuntimeClass* other) const {
  for (const RuntimeClass* c = this; c != nullptr; c = c->base) {
    if (c == other) return true;
  }
  return false;
}

const RuntimeClass* Object::GetRuntimeClass() const { return &classObject; }

void Object::Serialize(Archive&) {}

bool Object::IsKindOf(const RuntimeClass* cls) const {
  return GetRuntimeClass()->IsDerivedFrom(cls);
}

ClassRegistry& ClassRegistry::Instance() {
  static ClassRegistry registry;
  return registry;
}

bool ClassRegistry::Register(const RuntimeClass& cls) {
  const RuntimeClass* known = Find(cls.name);
  if (known != nullptr) return known == &cls;
  classes_.push_back(&cls);
  return true;
}

const RuntimeClass* ClassRegistry::Find(std::string_view name) const {
  auto it = std::find_if(classes_.begin(), classes_.end(),
                         [name](const RuntimeClass* c) { return name == c->name; });
  return it == classes_.end() ? nullptr : *it;
}

std::unique_ptr<Object> ClassRegistry::Create(std::string_view name) const {
  const RuntimeClass* cls = Find(name);
  if (cls == nullptr || cls->create == nullptr) return nullptr;
  return std::unique_ptr<Object>(cls->create());
}

}  // namespace pf
