#include "ui/data_file_life.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include "entry/chain_file_reader.h"
#include "state/chain_error.h"
#include "state/whole_file.h"
#include "ui/editor_document.h"

namespace chainadj::ui {
namespace {

constexpr const char* kRecentKey = "files/recent";
constexpr const char* kFolderKey = "files/lastFolder";
constexpr int kRecentFiles = 8;
constexpr const char* kUntitled = "未命名";
constexpr const char* kProposedName = "三角锁";

std::string pathOf(const QString& name) { return QFile::encodeName(name).toStdString(); }

SaveAnswer askWithMessageBox(QWidget* window, const QString& chainName) {
  QMessageBox box(QMessageBox::Warning, window->windowTitle().remove(QStringLiteral("[*]")),
                  QString::fromUtf8("“%1” 的数据有改动还没有保存。要保存吗？").arg(chainName),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
  box.button(QMessageBox::Save)->setText(QString::fromUtf8("保存"));
  box.button(QMessageBox::Discard)->setText(QString::fromUtf8("不保存"));
  box.button(QMessageBox::Cancel)->setText(QString::fromUtf8("取消"));
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save: return SaveAnswer::Save;
    case QMessageBox::Discard: return SaveAnswer::Discard;
    default: return SaveAnswer::Cancel;
  }
}

// A name of the file system's taste for a part of a proposed file name.
QString fileNamePart(const std::string& text) {
  QString part = QString::fromStdString(text).trimmed();
  part.replace(QLatin1Char('/'), QLatin1Char('_'));
  return part;
}

}  // namespace

DataFileLife::DataFileLife(EditorDocument& document, QSettings& store, Chooser chooser,
                           Teller tell, QWidget* window)
    : QObject(window), document_(document), store_(store), choose_(std::move(chooser)),
      tell_(std::move(tell)),
      ask_([window](const QString& name) { return askWithMessageBox(window, name); }) {}

QString DataFileLife::chainName() const {
  return document_.filePath().isEmpty() ? QString::fromUtf8(kUntitled)
                                        : QFileInfo(document_.filePath()).fileName();
}

QString DataFileLife::windowTitle(const QString& caption) const {
  return chainName() + QStringLiteral("[*] - ") + caption;
}

bool DataFileLife::maybeSave() {
  if (!document_.isModified()) return true;
  switch (ask_(chainName())) {
    case SaveAnswer::Save: return save();
    case SaveAnswer::Discard: return true;
    case SaveAnswer::Cancel: break;
  }
  return false;
}

bool DataFileLife::save() {
  if (document_.filePath().isEmpty()) return saveAs();
  return write(document_.filePath());
}

bool DataFileLife::saveAs() {
  const QString path = choose_(FileDialogPurpose::SaveData);
  return !path.isEmpty() && write(path);
}

bool DataFileLife::write(const QString& path) {
  const std::string text = document_.chain().text();
  try {
    writeWholeFile(pathOf(path), "不能写入数据文件 “" + path.toStdString() + "”。",
                   [&text](std::ostream& file) { file << text; });
  } catch (const ChainError& error) {
    tell_(QString::fromUtf8(error.what()));
    return false;
  }
  document_.markSaved(path);
  remember(path);
  tellUnfinishedRows();
  return true;
}

void DataFileLife::tellUnfinishedRows() {
  const ChainDocument& chain = document_.chain();
  QStringList rows;
  for (int row = 0; row < chain.rowCount(); ++row) {
    if (!ChainDocument::complete(chain.row(row))) rows << QString::number(row + 1);
  }
  if (rows.isEmpty()) return;
  tell_(QString::fromUtf8("第 %1 个三角形的三个角没有输入完整：它们保存为注释行（%2…），"
                          "计算时不算在内；在数据编辑里补全以后再保存。")
            .arg(rows.join(QString::fromUtf8("、")), QString::fromUtf8(kUnfinishedTriangleMark.data(),
                                                                    static_cast<int>(kUnfinishedTriangleMark.size()))));
}

void DataFileLife::newChain(ChainDocument start) {
  document_.replace(std::move(start), QString(), false);
}

std::optional<std::string> DataFileLife::load(const QString& path) {
  try {
    std::string text = readChainFileText(pathOf(path));
    document_.replace(ChainDocument::read(text), QFileInfo(path).absoluteFilePath(), false);
    remember(QFileInfo(path).absoluteFilePath());
    return text;
  } catch (const ChainError& error) {
    tell_(QString::fromUtf8(error.what()));
    forgetMissing(path);
    return std::nullopt;
  }
}

// A file that is gone leaves the recent files.
void DataFileLife::forgetMissing(const QString& path) {
  if (QFileInfo::exists(path)) return;
  QStringList recent = recentFiles();
  if (recent.removeAll(QFileInfo(path).absoluteFilePath()) == 0) return;
  store_.setValue(kRecentKey, recent);
  emit recentFilesChanged();
}

void DataFileLife::remember(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList recent = recentFiles();
  recent.removeAll(absolute);
  recent.prepend(absolute);
  while (recent.size() > kRecentFiles) recent.removeLast();
  store_.setValue(kRecentKey, recent);
  store_.setValue(kFolderKey, QFileInfo(absolute).absolutePath());
  emit recentFilesChanged();
}

QStringList DataFileLife::recentFiles() const { return store_.value(kRecentKey).toStringList(); }

QString DataFileLife::lastFolder() const {
  const QString folder = store_.value(kFolderKey).toString();
  return folder.isEmpty() || !QDir(folder).exists() ? QDir::homePath() : folder;
}

QString DataFileLife::startPath(FileDialogPurpose purpose) const {
  QString base = QFileInfo(document_.filePath()).completeBaseName();
  if (base.isEmpty()) {
    const ChainDocument& chain = document_.chain();
    const QString first = fileNamePart(chain.name(0));
    const QString last = fileNamePart(chain.name(chain.nameCount() - 1));
    base = first.isEmpty() || last.isEmpty() || chain.nameCount() < 2
               ? QString::fromUtf8(kProposedName)
               : first + QLatin1Char('-') + last;
  }
  const QDir folder(lastFolder());
  switch (purpose) {
    case FileDialogPurpose::OpenData: return folder.path();
    case FileDialogPurpose::SaveData: return folder.filePath(base + QString::fromUtf8(kChainFileExtension));
    case FileDialogPurpose::SaveReportPdf: return folder.filePath(base + QStringLiteral(".pdf"));
  }
  return folder.path();
}

}  // namespace chainadj::ui
