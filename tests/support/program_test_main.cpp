#include <gtest/gtest.h>

#include "support/program_env.h"

namespace {
// Every test here drives the one main window of the program under test.
class ProgramEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { StartProgramOnce(); }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new ProgramEnvironment);
}  // namespace
