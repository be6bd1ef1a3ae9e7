#include "ui/report_pdf.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <cstdio>
#include <memory>

#include "report/report_tables.h"
#include "state/chain_error.h"
#include "state/whole_file.h"
#include "ui/report_pages.h"

namespace chainadj {
namespace {

// Dots per inch of the PDF's coordinates: fine enough for hairlines and small names.
constexpr int kPdfResolution = 600;

// A program without a Qt application (the console) draws on the offscreen platform, which needs
// no display; the fonts come from the system's font configuration as in the window.
std::unique_ptr<QGuiApplication> offscreenApplicationIfNone() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  // Its notes about the environment (no runtime directory for a user without a session) are no
  // concern of a console run; only Qt's critical messages are let through.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
      std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
  });
  // The application keeps argc and argv and takes the options it reads out of them: they are set
  // again for every application, or the second one would look for a display.
  static char program[] = "chainadj";
  static char platformOption[] = "-platform";
  static char offscreen[] = "offscreen";
  static int argc;
  static char* argv[4];
  argc = 3;
  argv[0] = program;
  argv[1] = platformOption;
  argv[2] = offscreen;
  argv[3] = nullptr;
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

void writeReportPdf(const RunReport& report, const std::string& path) {
  const std::string cannotWrite = "不能写入 PDF 成果报告 “" + path + "”。";
  const std::unique_ptr<QGuiApplication> application = offscreenApplicationIfNone();
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    throw ChainError(cannotWrite);
  }
  // A plain file is replaced only once the PDF is complete; a device, a named pipe or a link is
  // written straight through, so that it stays what it is.
  const QString name = QString::fromStdString(path);
  const bool straightThrough = isWrittenStraightThrough(path);
  const std::unique_ptr<QFileDevice> file =
      straightThrough ? std::unique_ptr<QFileDevice>(std::make_unique<QFile>(name))
                      : std::unique_ptr<QFileDevice>(std::make_unique<QSaveFile>(name));
  if (!file->open(QIODevice::WriteOnly)) throw ChainError(cannotWrite);
  bool painted = false;
  {
    QPdfWriter writer(file.get());
    writer.setResolution(kPdfResolution);
    writer.setTitle(QString::fromUtf8(kReportTitle));
    writer.setCreator(QStringLiteral("chainadj"));
    ui::useReportPageLayout(writer);
    painted = ui::paintReport(report, writer);
  }
  const bool written = straightThrough ? file->flush() && file->error() == QFileDevice::NoError
                                       : static_cast<QSaveFile&>(*file).commit();
  if (!painted || !written) throw ChainError(cannotWrite);
}

}  // namespace chainadj
