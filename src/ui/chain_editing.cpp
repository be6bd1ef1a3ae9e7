#include "ui/chain_editing.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QMimeData>
#include <QPointer>
#include <QUrl>

#include "entry/chain_file_reader.h"
#include "entry/chain_preview.h"
#include "entry/plane_settings.h"
#include "state/chain_error.h"
#include "ui/data_editor.h"
#include "ui/data_file_life.h"
#include "ui/editor_document.h"
#include "ui/form_table.h"
#include "ui/main_form.h"
#include "ui/recovery_store.h"
#include "ui/typed_run_feed.h"

namespace chainadj::ui {
namespace {

constexpr const char* kNoRecentFiles = "（没有）";

// The one local data file of a drop, or an empty name.
QString droppedFile(const QMimeData& dropped) {
  const QList<QUrl> urls = dropped.urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
  const QString path = urls.front().toLocalFile();
  return QFileInfo(path).isFile() ? path : QString();
}

// A new chain holding the plane lines of `data` as typed.
ChainDocument chainWithPlaneLines(const ChainData& data) {
  ChainDocument chain;
  for (const PlaneSettingOption& option : planeSettingOptions()) {
    if (const std::optional<std::string> text = data.setting(option.keyword)) {
      chain.apply(DocumentEdit::setting(std::string(option.keyword), *text));
    }
  }
  return chain;
}

}  // namespace

ChainEditing::ChainEditing(QMainWindow& window, MainForm& form, QSettings& store, Chooser chooser)
    : QObject(&window), window_(window), form_(form), document_(new EditorDocument(this)),
      editor_(new DataEditor(*document_)), dock_(new QDockWidget(QString::fromUtf8("数据编辑"), &window)),
      files_(new DataFileLife(*document_, store, std::move(chooser),
                              [this](const QString& message) { tell(message); }, &window)),
      recovery_(new RecoveryStore(*document_, &window)) {
  buildActions();
  buildDock();
  form_.setTypedRunGate([this] { return beforeTypedRun(); });
  form_.setEndGate([this] { return mayEnd(); });
  connect(&form_, &MainForm::runStarted, this, &ChainEditing::runStarted);
  connect(&form_, &MainForm::runFinished, this, &ChainEditing::runFinished);
  connect(editor_, &DataEditor::runRequested, this, &ChainEditing::runEditorChain);
  connect(document_, &EditorDocument::modificationChanged, this, &ChainEditing::followTitle);
  connect(document_, &EditorDocument::filePathChanged, this, &ChainEditing::followTitle);
  connect(document_, &EditorDocument::chainChanged, this, &ChainEditing::updateActions);
  connect(&document_->undoStack(), &QUndoStack::indexChanged, this, &ChainEditing::updateActions);
  connect(files_, &DataFileLife::recentFilesChanged, this, &ChainEditing::fillRecentMenu);
  connect(recovery_, &RecoveryStore::writeFailed, this, &ChainEditing::tell);
  followTitle();
}

ChainEditing::~ChainEditing() = default;

void ChainEditing::buildActions() {
  const auto make = [this](const char* text, const QKeySequence& keys) {
    auto* action = new QAction(QString::fromUtf8(text), this);
    action->setShortcut(keys);
    return action;
  };
  new_ = make("新建", QKeySequence(Qt::CTRL | Qt::Key_N));
  save_ = make("保存", QKeySequence(Qt::CTRL | Qt::Key_S));
  saveAs_ = make("另存为…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  undo_ = make("撤销", QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo_ = make("重做", QKeySequence(Qt::CTRL | Qt::Key_Y));
  connect(new_, &QAction::triggered, this, &ChainEditing::newChain);
  connect(save_, &QAction::triggered, this, &ChainEditing::save);
  connect(saveAs_, &QAction::triggered, this, &ChainEditing::saveAs);
  connect(undo_, &QAction::triggered, &document_->undoStack(), &QUndoStack::undo);
  connect(redo_, &QAction::triggered, &document_->undoStack(), &QUndoStack::redo);
  recent_ = new QMenu(QString::fromUtf8("最近的文件"), &window_);
  recent_->setObjectName("RecentMenu");
  fillRecentMenu();
}

void ChainEditing::buildDock() {
  dock_->setObjectName("DataEditorDock");
  dock_->setWidget(editor_);
  dock_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
  window_.addDockWidget(Qt::RightDockWidgetArea, dock_);
  // The form is drawn smaller where the screen has no room for it and the editor beside it; it
  // is fitted anew when the user shows, hides or floats the editor.
  const QPointer<QMenuBar> bar = window_.menuBar();
  const auto follow = [this, bar](bool refit) {
    const bool beside = !dock_->isHidden() && !dock_->isFloating();
    const QStatusBar* status = window_.findChild<QStatusBar*>();
    const int menu = (bar ? bar->sizeHint().height() : 0) + (status ? status->sizeHint().height() : 0);
    form_.setWindowExtras(QSize(beside ? dock_->sizeHint().width() : 0, menu));
    if (refit && window_.isVisible()) form_.fitToScreen();
  };
  connect(dock_, &QDockWidget::topLevelChanged, this, [follow] { follow(true); });
  connect(dock_->toggleViewAction(), &QAction::triggered, this, [follow] { follow(true); });
  follows_ = [follow] { follow(false); };
}

void ChainEditing::addFileActions(QMenu& file, QAction* after) {
  const QList<QAction*> items = file.actions();
  file.insertAction(items.isEmpty() ? nullptr : items.front(), new_);
  const int place = static_cast<int>(file.actions().indexOf(after)) + 1;
  QAction* next = place < file.actions().size() ? file.actions().at(place) : nullptr;
  file.insertMenu(next, recent_);
  file.insertAction(next, save_);
  file.insertAction(next, saveAs_);
}

void ChainEditing::addEditMenu(QMenuBar& bar, QAction* before) {
  auto* edit = new QMenu(QString::fromUtf8("编辑(&E)"), &bar);
  edit->setObjectName("EditMenu");
  edit->addAction(undo_);
  edit->addAction(redo_);
  edit->addSeparator();
  edit->addAction(editor_->insertRowsAction());
  edit->addAction(editor_->removeRowsAction());
  edit->addAction(editor_->pasteAction());
  edit->addSeparator();
  edit->addAction(editor_->runAction());
  bar.insertMenu(before, edit);
}

void ChainEditing::addViewActions(QMenu& view) {
  QAction* shown = dock_->toggleViewAction();
  shown->setText(QString::fromUtf8("数据编辑"));
  shown->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  view.addAction(shown);
}

void ChainEditing::fillRecentMenu() {
  recent_->clear();
  const QStringList files = files_->recentFiles();
  for (int k = 0; k < files.size(); ++k) {
    QAction* item = recent_->addAction(QStringLiteral("%1 %2").arg(k + 1).arg(QFileInfo(files[k]).fileName()));
    item->setToolTip(files[k]);
    item->setStatusTip(files[k]);
    connect(item, &QAction::triggered, this, [this, path = files[k]] { openFile(path); });
  }
  if (files.isEmpty()) recent_->addAction(QString::fromUtf8(kNoRecentFiles))->setEnabled(false);
}

void ChainEditing::setKeptQuality(const QualitySettings& settings) {
  kept_ = settings;
  editor_->setKeptQuality(settings);
}

bool ChainEditing::idle() const { return !form_.runInProgress() && !form_.platform().ending(); }

void ChainEditing::updateActions() {
  const bool now = idle();
  const bool hasData = document_->chain().hasData();
  new_->setEnabled(now);
  save_->setEnabled(now && (hasData || document_->isModified()));
  saveAs_->setEnabled(now && (hasData || document_->isModified()));
  recent_->setEnabled(now);
  undo_->setEnabled(now && document_->undoStack().canUndo());
  redo_->setEnabled(now && document_->undoStack().canRedo());
  undo_->setText(QString::fromUtf8("撤销 %1").arg(document_->undoStack().undoText()).trimmed());
  redo_->setText(QString::fromUtf8("重做 %1").arg(document_->undoStack().redoText()).trimmed());
  emit actionsChanged();
}

void ChainEditing::followTitle() {
  window_.setWindowTitle(files_->windowTitle(QString::fromUtf8(kWindowCaption)));
  window_.setWindowModified(document_->isModified());
  updateActions();
}

void ChainEditing::tell(const QString& message) { form_.platform().showMessage(message.toStdString()); }

void ChainEditing::newChain() {
  if (!idle() || !files_->maybeSave()) return;
  files_->newChain();
}

bool ChainEditing::save() { return idle() && files_->save(); }

bool ChainEditing::saveAs() { return idle() && files_->saveAs(); }

void ChainEditing::open() {
  if (!idle() || !files_->maybeSave()) return;
  if (const QString chosen = files_->chooseToOpen(); !chosen.isEmpty()) openChosen(chosen);
}

void ChainEditing::openFile(const QString& path) {
  if (!idle() || !files_->maybeSave()) return;
  openChosen(path);
}

// The file into the editor, then its run as if typed; a file the editor takes but a run could
// not (no triangles yet, a closure too large) stays in the editor, with the reader's message.
void ChainEditing::openChosen(const QString& path) {
  const std::optional<std::string> text = files_->load(path);
  if (!text) return;
  editor_->showTriangles();
  ChainData data;
  try {
    data = parseChainData(*text);
  } catch (const ChainError& error) {
    tell(QString::fromUtf8(error.what()));
    return;
  }
  form_.runChainData(data);
}

bool ChainEditing::accepts(const QMimeData& dropped) const {
  return idle() && !droppedFile(dropped).isEmpty();
}

void ChainEditing::drop(const QMimeData& dropped) {
  const QString path = droppedFile(dropped);
  if (!path.isEmpty()) openFile(path);
}

bool ChainEditing::mayEnd() {
  if (!endConfirmed_) endConfirmed_ = files_->maybeSave();
  return endConfirmed_;
}

void ChainEditing::endCleanly() { recovery_->discard(); }

// 计 算 types a new chain: the editor's is saved or dropped first, and fills with the answers. The
// new chain keeps the plane lines of the one it replaces, and the run reduces onto their plane.
bool ChainEditing::beforeTypedRun() {
  if (!files_->maybeSave()) return false;
  files_->newChain(chainWithPlaneLines(document_->chain().knownData()));
  form_.setTypedRunPlane(reductionSettingsOf(document_->chain().knownData()));
  feed_ = std::make_unique<TypedRunFeed>(*document_, form_.platform(), kept_.grade.triangleLimit);
  form_.setAnswerListener(feed_.get());
  return true;
}

void ChainEditing::runStarted() {
  document_->setReadOnly(true);
  updateActions();
}

void ChainEditing::runFinished() {
  form_.setAnswerListener(nullptr);
  feed_.reset();
  document_->setReadOnly(false);
  updateActions();
}

void ChainEditing::runEditorChain() {
  if (!idle()) return;
  // A cell still being edited is taken first.
  if (QWidget* focused = QApplication::focusWidget(); focused && editor_->isAncestorOf(focused)) {
    focused->clearFocus();
  }
  const ChainData data = document_->chain().data();
  if (const std::optional<std::string> refusal = runRefusal(data)) {
    tell(QString::fromUtf8("数据编辑里的锁还不能计算：%1。").arg(QString::fromStdString(*refusal)));
    return;
  }
  form_.runChainData(data, ListingAnswers::Answered);
}

}  // namespace chainadj::ui
