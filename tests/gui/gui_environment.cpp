// The layer is started once for the whole test program, as the product does.
#include <gtest/gtest.h>

#include "gui/layer.h"

namespace {

class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_TRUE(InitGuiLayer(GetModuleHandleW(nullptr))); }
  void TearDown() override { ShutDownGuiLayer(); }
};

::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace
