#include "ui/recovery_store.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QWidget>

#include "state/chain_error.h"
#include "ui/editor_document.h"

namespace chainadj::ui {
namespace {

constexpr const char* kRecoveryFolder = "recovery";
constexpr const char* kSuffix = ".recovery";
constexpr const char* kLockSuffix = ".lock";

// A name of this window's own: the process and the windows it opened before.
QString ownName() {
  static int windows = 0;
  return QStringLiteral("chain-%1-%2").arg(QCoreApplication::applicationPid()).arg(++windows);
}

std::string pathOf(const QString& name) { return QFile::encodeName(name).toStdString(); }

bool askWithMessageBox(QWidget* window, const QString& description) {
  QMessageBox box(QMessageBox::Question, window->windowTitle().remove(QStringLiteral("[*]")),
                  description, QMessageBox::Yes | QMessageBox::No, window);
  box.button(QMessageBox::Yes)->setText(QString::fromUtf8("恢复"));
  box.button(QMessageBox::No)->setText(QString::fromUtf8("放弃"));
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

QString describe(const RecoveredChain& chain, const QFileInfo& file) {
  const QString what = chain.filePath.empty()
                           ? QString::fromUtf8("一条新的锁")
                           : QString::fromUtf8("“%1” 的改动").arg(QFile::decodeName(chain.filePath.c_str()));
  return QString::fromUtf8("上次程序没有正常结束，%1还没有保存（%2 个三角形，最后改动于 %3）。\n"
                           "要把它恢复到数据编辑里吗？")
      .arg(what)
      .arg(chain.document.rowCount())
      .arg(file.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

}  // namespace

QString RecoveryStore::folder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
      .filePath(QString::fromUtf8(kRecoveryFolder));
}

RecoveryStore::RecoveryStore(EditorDocument& document, QWidget* window)
    : QObject(window), document_(document), name_(ownName()),
      lock_(QDir(folder()).filePath(name_ + QString::fromUtf8(kLockSuffix))),
      journal_(pathOf(QDir(folder()).filePath(name_ + QString::fromUtf8(kSuffix)))),
      ask_([window](const QString& description) { return askWithMessageBox(window, description); }) {
  QDir().mkpath(folder());
  lock_.setStaleLockTime(0);
  lock_.tryLock(0);
  connect(&document_, &EditorDocument::replaced, this, &RecoveryStore::rebase);
  connect(&document_, &EditorDocument::saved, this, &RecoveryStore::rebase);
  connect(&document_, &EditorDocument::edited, this, &RecoveryStore::record);
  rebase();
}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::path() const { return QFile::decodeName(journal_.path().c_str()); }

// A chain just opened or saved needs no recovery file until it changes; a restored one needs
// one at once.
void RecoveryStore::rebase() {
  base_ = document_.chain().text();
  basePath_ = pathOf(document_.filePath());
  if (document_.isModified()) {
    failed_ = !journal_.start(basePath_, base_);
  } else {
    journal_.remove();
  }
}

void RecoveryStore::record(const EditBatch& applied) {
  bool written = journal_.started() || journal_.start(basePath_, base_);
  written = written && journal_.append(applied);
  if (!written && !failed_) {
    emit writeFailed(QString::fromUtf8("恢复文件 “%1” 不能写入：程序意外结束时，这以后的改动不能恢复。")
                         .arg(path()));
  }
  failed_ = !written;
}

void RecoveryStore::discard() { journal_.remove(); }

bool RecoveryStore::offerRestore() {
  QDir dir(folder());
  const QFileInfoList files =
      dir.entryInfoList({QStringLiteral("*") + QString::fromUtf8(kSuffix)}, QDir::Files, QDir::Time);
  for (const QFileInfo& file : files) {
    if (file.absoluteFilePath() == path()) continue;
    QLockFile owner(dir.filePath(file.completeBaseName() + QString::fromUtf8(kLockSuffix)));
    owner.setStaleLockTime(0);
    if (!owner.tryLock(0)) continue;  // its window is still open
    QFile text(file.absoluteFilePath());
    std::optional<RecoveredChain> recovered;
    if (text.open(QIODevice::ReadOnly)) {
      try {
        recovered = readRecovery(text.readAll().toStdString());
      } catch (const ChainError&) {
      }
    }
    text.close();
    if (recovered && recovered->document.hasData() && ask_(describe(*recovered, file))) {
      document_.replace(std::move(recovered->document),
                        QFile::decodeName(recovered->filePath.c_str()), true);
      QFile::remove(file.absoluteFilePath());
      return true;
    }
    QFile::remove(file.absoluteFilePath());
  }
  return false;
}

}  // namespace chainadj::ui
