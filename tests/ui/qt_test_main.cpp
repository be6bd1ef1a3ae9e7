// The window suites run without a display: the offscreen platform unless one is given. The
// user's settings and data of the program (the recovery files) go to folders of the run's own,
// never to the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QTemporaryDir dataFolder;
  qputenv("XDG_DATA_HOME", dataFolder.path().toUtf8());
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName("chainadj");
  const QTemporaryDir settingsFolder;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
