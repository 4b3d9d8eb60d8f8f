#include "pf/object.h"

#include <gtest/gtest.h>

namespace {

using pf::ClassRegistry;
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

class ObjectRegistry : public testing::Test {
 protected:
  void SetUp() override {
    for (const pf::RuntimeClass* c :
         {PF_RUNTIME_CLASS(TestShape), PF_RUNTIME_CLASS(TestCircle), PF_RUNTIME_CLASS(TestTool)}) {
      ASSERT_TRUE(registry.Register(*c));
    }
  }
  ClassRegistry& registry = ClassRegistry::Instance();
};

TEST_F(ObjectRegistry, RegisteringTwiceIsHarmless) {
  const std::size_t size = registry.Size();
  EXPECT_TRUE(registry.Register(*PF_RUNTIME_CLASS(TestCircle)));
  EXPECT_EQ(registry.Size(), size);
  EXPECT_EQ(registry.Find("TestCircle"), PF_RUNTIME_CLASS(TestCircle));
}

TEST_F(ObjectRegistry, AnotherClassUnderATakenNameIsRefused) {
  static const pf::RuntimeClass impostor = {"TestCircle", 9, nullptr, &Object::classObject};
  const std::size_t size = registry.Size();
  EXPECT_FALSE(registry.Register(impostor));
  EXPECT_EQ(registry.Size(), size);
  EXPECT_EQ(registry.Find("TestCircle"), PF_RUNTIME_CLASS(TestCircle));
}

TEST_F(ObjectRegistry, FindMatchesTheWholeNameExactly) {
  EXPECT_EQ(registry.Find(std::string_view("TestCircleXYZ", 10)), PF_RUNTIME_CLASS(TestCircle));
  EXPECT_EQ(registry.Find("TestCircl"), nullptr);
  EXPECT_EQ(registry.Find("TestCircleX"), nullptr);
  EXPECT_EQ(registry.Find("testcircle"), nullptr);
  EXPECT_EQ(registry.Find(""), nullptr);
  EXPECT_EQ(registry.Find("TestShape")->schema, 3);
}

TEST_F(ObjectRegistry, CreatesByNameOnlyWhatCanBeCreated) {
  std::unique_ptr<Object> circle = registry.Create("TestCircle");
  ASSERT_NE(circle, nullptr);
  EXPECT_EQ(circle->GetRuntimeClass(), PF_RUNTIME_CLASS(TestCircle));
  EXPECT_NE(dynamic_cast<TestCircle*>(circle.get()), nullptr);
  EXPECT_EQ(registry.Create("TestTool"), nullptr);
  EXPECT_EQ(registry.Create("NoSuchClass"), nullptr);
}

TEST(ObjectKind, FollowsTheBaseChain) {
  const TestCircle circle;
  const TestShape shape;
  const TestTool tool;
  const Object object;
  struct Case {
    const Object& obj;
    const pf::RuntimeClass* cls;
    bool kind;
  } cases[] = {
      {circle, PF_RUNTIME_CLASS(TestCircle), true}, {circle, PF_RUNTIME_CLASS(TestShape), true},
      {circle, PF_RUNTIME_CLASS(Object), true},     {circle, PF_RUNTIME_CLASS(TestTool), false},
      {shape, PF_RUNTIME_CLASS(TestCircle), false}, {shape, PF_RUNTIME_CLASS(Object), true},
      {tool, PF_RUNTIME_CLASS(Object), true},       {tool, PF_RUNTIME_CLASS(TestShape), false},
      {object, PF_RUNTIME_CLASS(Object), true},     {object, PF_RUNTIME_CLASS(TestShape), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.obj.IsKindOf(c.cls), c.kind)
        << c.obj.GetRuntimeClass()->name << " kind of " << c.cls->name;
  }
}

}  // namespace
