// Starts the framework once before any test runs.
#include "tests/stage/core/stage_test_support.h"

namespace {

const auto* const environment = ::testing::AddGlobalTestEnvironment(new stagetest::StageEnvironment);

}  // namespace
