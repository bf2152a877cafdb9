// main() of the window tests: the offscreen platform unless told otherwise, one application
// object for the whole run, and no real dialog ever.
#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/Application.h"
#include "tests/support/ScriptedDialogs.h"

int main(int argc, char** argv) {
    // Test discovery runs the binary without the tests' environment.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    // Any box outside a test's own script fails that test.
    application.SetDialogs(std::make_unique<ScriptedDialogs>());
    return RUN_ALL_TESTS();
}
