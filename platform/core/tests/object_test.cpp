#include "pf/object.h"

#include <gtest/gtest.h>

namespace {

using pf::Object;

class TestShape : public pf::Object {
  PF_DECLARE_RUNTIME(TestShape)
};
PF_IMPLEMENT_SERIAL(TestShape, Object, 3)

class TestCircle : public TestShape {
  PF_DECLARE_RUNTIME(TestCircle)
};
PF_IMPLEMENT_SERIAL(TestCircle, TestShape, 1)

// Identified at run time but never created from a file.
class TestTool : public pf::Object {
  PF_DECLARE_RUNTIME(TestTool)
};
PF_IMPLEMENT_RUNTIME(TestTool, Object, 0)

TEST(ClassRegistry, FindsAndCreatesByTheExactName) {
  pf::ClassRegistry& registry = pf::ClassRegistry::Instance();
  for (const pf::RuntimeClass* c :
       {PF_RUNTIME_CLASS(TestShape), PF_RUNTIME_CLASS(TestCircle), PF_RUNTIME_CLASS(TestTool)}) {
    ASSERT_TRUE(registry.Register(*c));
  }
  EXPECT_TRUE(registry.Register(*PF_RUNTIME_CLASS(TestCircle)));  // twice is harmless
  static const pf::RuntimeClass impostor = {"TestCircle", 9, nullptr, &Object::classObject};
  EXPECT_FALSE(registry.Register(impostor));

  EXPECT_EQ(registry.Find(std::string_view("TestCircleXYZ", 10)), PF_RUNTIME_CLASS(TestCircle));
  for (const char* name : {"TestCircl", "TestCircleX", "testcircle", ""})
    EXPECT_EQ(registry.Find(name), nullptr) << name;

  std::unique_ptr<Object> circle = registry.Create("TestCircle");
  ASSERT_NE(circle, nullptr);
  EXPECT_EQ(circle->GetRuntimeClass(), PF_RUNTIME_CLASS(TestCircle));
  // Kinds follow the base chain, never down or across it.
  EXPECT_TRUE(circle->IsKindOf(PF_RUNTIME_CLASS(TestShape)));
  EXPECT_TRUE(circle->IsKindOf(PF_RUNTIME_CLASS(Object)));
  EXPECT_FALSE(TestShape().IsKindOf(PF_RUNTIME_CLASS(TestCircle)));
  EXPECT_FALSE(TestTool().IsKindOf(PF_RUNTIME_CLASS(TestShape)));
  EXPECT_EQ(registry.Create("TestTool"), nullptr);
  EXPECT_EQ(registry.Create("NoSuchClass"), nullptr);
}

}  // namespace
