// The window suites run without a display: the offscreen platform unless one is given. The
// user's settings of the program go to a folder of the run's own, never to the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QTemporaryDir settingsFolder;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
