// main() of the GUI test programs: one QApplication for all cases, on the
// offscreen platform unless the caller chose another. It is set here, not only
// in CTest's environment, because test discovery runs the program bare.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
