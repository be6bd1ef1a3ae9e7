// chainadj-screenshot [--chain-view] [--results-table] PATH.png [FILE.chain]: shows the window
// and writes a picture of it. Without a data file the demonstration chain fills it through one
// run of 计 算; with one, the file is opened into the data editor and run from there (计算), and
// the editor shows the first triangle over its limit. With --chain-view the picture shows the
// dock 网图 in front of the editor; with --results-table it is the picture of the results table.
// Used by scripts/screenshot only.
#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QTableView>
#include <QTimer>
#include <cstdio>

#include "entry/chain_preview.h"
#include "ui/chain_editing.h"
#include "ui/chain_view_dock.h"
#include "ui/data_editor.h"
#include "ui/data_file_life.h"
#include "ui/demo_chain.h"
#include "ui/editor_document.h"
#include "ui/main_form.h"
#include "ui/main_window.h"
#include "ui/qt_translation.h"
#include "ui/results_table_dialog.h"
#include "ui/triangle_table_model.h"

namespace {

using namespace chainadj::ui;

// The editor's chain run, and its first triangle over the limit brought into sight.
void runFromTheEditor(MainWindow& window, const QString& chain) {
  ChainEditing& editing = window.editing();
  if (!editing.files().load(chain)) return;
  editing.editor().showTriangles();
  editing.runEditorChain();
  const chainadj::ChainDocument& document = editing.document().chain();
  QTableView& table = *editing.editor().triangleView();
  for (int row = 0; row < document.rowCount(); ++row) {
    if (!chainadj::rowClosure(document.row(row)).overLimit(editing.editor().closureLimit())) continue;
    const QModelIndex over = table.model()->index(row, 0);
    table.setCurrentIndex(over);
    table.scrollTo(over, QAbstractItemView::PositionAtCenter);
    break;
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  chainadj::ui::installQtTranslations(app);
  QStringList arguments = QApplication::arguments();
  const bool chainView = arguments.removeAll(QStringLiteral("--chain-view")) > 0;
  const bool resultsTable = arguments.removeAll(QStringLiteral("--results-table")) > 0;
  if (arguments.size() != 2 && arguments.size() != 3) {
    std::fprintf(stderr, "usage: chainadj-screenshot [--chain-view] [--results-table] PATH.png [FILE.chain]\n");
    return 2;
  }
  const QString path = arguments.at(1);

  MainWindow window;
  MainForm& form = window.form();
  form.platform().setInputBox(demoChainAnswers());
  // The picture taken, the program ends without asking to save the chain it ran.
  window.editing().files().setSaveQuestion([](const QString&) { return SaveAnswer::Discard; });
  form.platform().setMessageBox([](const QString& message) {
    std::fprintf(stderr, "message: %s\n", message.toUtf8().constData());
  });
  window.fitToScreen();
  window.show();

  int status = 1;
  QTimer::singleShot(200, [&] {
    if (arguments.size() == 3) {
      runFromTheEditor(window, arguments.at(2));
    } else {
      form.Command1_Click();
    }
    if (chainView) window.chainView().toggleAction()->trigger();
    QWidget* pictured = &window;
    if (resultsTable) {
      window.showResultsTable();
      if (window.resultsTableDialog() != nullptr) pictured = window.resultsTableDialog();
    }
    QCoreApplication::processEvents();
    if (pictured->grab().save(path, "PNG")) status = 0;
    app.quit();
  });
  app.exec();
  if (status != 0) std::fprintf(stderr, "could not write %s\n", path.toUtf8().constData());
  return status;
}
