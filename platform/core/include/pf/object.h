#pragma once
// Runtime class information and the registry that recreates persistent objects by name.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pf {

class Archive;
class Object;

struct RuntimeClass {
  const char* name;
  int schema;                  // file layout version of the class
  Object* (*create)();         // null when the class cannot be created by name
  const RuntimeClass* base;    // null at the root

  bool IsDerivedFrom(const RuntimeClass* other) const;
};

// Root of every persistent or dynamically identified class.
class Object {
 public:
  virtual ~Object() = default;
  virtual const RuntimeClass* GetRuntimeClass() const;
  virtual void Serialize(Archive& ar);

  bool IsKindOf(const RuntimeClass* cls) const;

  static const RuntimeClass classObject;
};

// Filled by explicit Register calls at program start and in each test main.
class ClassRegistry {
 public:
  static ClassRegistry& Instance();

  // Registering the same class twice is harmless; another class under a taken name is refused.
  bool Register(const RuntimeClass& cls);
  const RuntimeClass* Find(std::string_view name) const;
  std::unique_ptr<Object> Create(std::string_view name) const;
  std::size_t Size() const { return classes_.size(); }

 private:
  std::vector<const RuntimeClass*> classes_;
};

}  // namespace pf

// Declares the runtime class of a class (inside its body); kRuntimeClass names it for templates.
#define PF_DECLARE_RUNTIME(Class)                                           \
 public:                                                                    \
  static const ::pf::RuntimeClass class##Class;                             \
  static constexpr const ::pf::RuntimeClass* kRuntimeClass = &class##Class; \
  const ::pf::RuntimeClass* GetRuntimeClass() const override;

// Defines it for a class that cannot be created by name.
#define PF_IMPLEMENT_RUNTIME(Class, Base, schema)                                           \
  const ::pf::RuntimeClass Class::class##Class = {#Class, schema, nullptr, &Base::class##Base}; \
  const ::pf::RuntimeClass* Class::GetRuntimeClass() const { return &class##Class; }

// Defines it for a default-constructible class that the registry can create.
#define PF_IMPLEMENT_SERIAL(Class, Base, schema)                                   \
  static ::pf::Object* pf_Create##Class() { return new Class; }                    \
  const ::pf::RuntimeClass Class::class##Class = {#Class, schema, &pf_Create##Class, \
                                                  &Base::class##Base};             \
  const ::pf::RuntimeClass* Class::GetRuntimeClass() const { return &class##Class; }

#define PF_RUNTIME_CLASS(Class) (&Class::class##Class)
