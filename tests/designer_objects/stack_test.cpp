// The designer's stack and the selection list functions.
#include "designer/objects/regions.h"
#include "designer/objects/stack.h"
#include "tests/designer_support/designer_fixture.h"

namespace tessel_test {
namespace {

using StackTest = DesignerTest;

TEST_F(StackTest, LastInFirstOutAndNullWhenEmpty) {
  designer::TStack stack(nullptr);
  EXPECT_EQ(stack.Pop(), nullptr);
  EXPECT_EQ(stack.Peek(), nullptr);
  EXPECT_EQ(stack.Count(), 0);
  stack.Push(form().ScrollBox2);
  stack.Push(form().REPORT);
  EXPECT_EQ(stack.Peek(), form().REPORT);
  EXPECT_EQ(stack.Pop(), form().REPORT);
  EXPECT_EQ(stack.Pop(), form().ScrollBox2);
  EXPECT_EQ(stack.Pop(), nullptr);
}

TEST_F(StackTest, AFreedEntryReadsAsNull) {
  designer::TStack stack(nullptr);
  auto* region = new designer::TRegion(form().REPORT);
  stack.Push(region);
  delete region;
  EXPECT_EQ(stack.Peek(), nullptr);
}

TEST_F(StackTest, ListFunctions) {
  designer::TControlList list;
  EXPECT_EQ(designer::ListIndexOf(list, form().REPORT), -1);
  EXPECT_EQ(designer::ListPopLast(list), nullptr);
  list.emplace_back(form().REPORT);
  EXPECT_EQ(designer::ListIndexOf(list, form().REPORT), 0);
  list.emplace_back(form().ScrollBox2);
  EXPECT_EQ(designer::ListPopLast(list), form().ScrollBox2);
  EXPECT_EQ(list.size(), 1u);
}

}  // namespace
}  // namespace tessel_test
