// The dialog of an export (文件 → 导出): the file to write, and for the CASS coordinate file its
// encoding (GBK or UTF-8), for the CSV whether it begins with the byte-order mark (带 BOM, ticked
// at first: Excel on a Chinese Windows needs it). A name without an extension gets the format's.
#pragma once

#include <QDialog>
#include <QString>

#include "report/cass_coordinates.h"
#include "report/coordinate_csv.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace chainadj::ui {

enum class ExportFormat { Dxf, Cass, Workbook, Csv, Json };
inline constexpr ExportFormat kExportFormats[] = {ExportFormat::Dxf, ExportFormat::Cass,
                                                  ExportFormat::Workbook, ExportFormat::Csv,
                                                  ExportFormat::Json};

// How a format is named in the menu, the dialog and the message that a file was written.
struct ExportFormatText {
  const char* item;       // the menu item
  const char* title;      // the dialog's title
  const char* kind;       // what the file is, in the message that it was written
  const char* filter;     // of the file dialog
  const char* extension;  // added to a name without one
};
ExportFormatText exportFormatText(ExportFormat format);

// What the user chose: the file, and the settings of the formats that have them.
struct ExportChoice {
  QString file;
  TextEncoding encoding = TextEncoding::Gbk;  // of the CASS file
  ByteOrderMark mark = ByteOrderMark::With;   // of the CSV
};

// `file` with the format's extension added when it has none.
QString withExtension(const QString& file, ExportFormat format);

class ExportDialog : public QDialog {
  Q_OBJECT

 public:
  // Opens with the choice made last (its file, encoding and mark).
  ExportDialog(ExportFormat format, const ExportChoice& last, QWidget* parent = nullptr);

  // The choice, its file with the extension of the format; what the format does not ask for as
  // it was last.
  ExportChoice choice() const;

  QLineEdit* fileBox() const { return file_; }
  // The encoding of a CASS file, the mark of a CSV; nullptr for the other formats.
  QComboBox* encodingBox() const { return encoding_; }
  QCheckBox* byteOrderMarkBox() const { return mark_; }
  QPushButton* okButton() const { return ok_; }

 private:
  void browse();

  ExportFormat format_;
  ExportChoice last_;
  QLineEdit* file_ = nullptr;
  QComboBox* encoding_ = nullptr;
  QCheckBox* mark_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace chainadj::ui
