// The main of the UI test programs: the platform runs on Qt's offscreen backend, so no display is
// needed, and the application's test seam is on, so no dialog ever waits for a person.

#include "platform/ui/Application.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Every test starts with empty dialog scripts and records.
class SeamReset : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        Application->TestSeam().Reset();
        Application->TestSeam().SetActive(true);
    }
};

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    Application->Initialize();
    Application->TestSeam().SetActive(true);
    ::testing::UnitTest::GetInstance()->listeners().Append(new SeamReset);
    int result = RUN_ALL_TESTS();
    Application->Finalize();
    return result;
}
