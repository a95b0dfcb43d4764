// Every test binary runs headless: Qt on its offscreen platform, the print
// dialog answered by hooks, message boxes recorded or sent to standard error.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
