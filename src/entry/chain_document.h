// The chain the window's data editor edits: the data of a chain data file together with the
// file's own lines, so that saving rewrites only the lines whose data changed and keeps every
// comment, blank line and spacing where it stood (a file opened and saved unchanged is the same
// to the byte). New data get lines of their own where a saved file would have them: a value
// after the values before it, a name after the names, a triangle among the triangles.
//
// A triangle whose three angles are not all given yet (a row just inserted, a typed run stopped
// part-way) cannot be a triangle line: it is written as the comment
//   # 未完成的三角形：53.52001 ? ?
// which a run ignores and this document reads back as the unfinished row.
//
// The document changes only through edits (document_edit.h); applying one gives its undo. Every
// line has an id that no edit changes, so that the undo of a removal brings back the very lines.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "entry/chain_data.h"
#include "entry/chain_file_reader.h"
#include "entry/document_edit.h"

namespace chainadj {

// The comment that stands for an unfinished triangle, and the mark of a missing angle in it.
inline constexpr std::string_view kUnfinishedTriangleMark = "# 未完成的三角形：";
inline constexpr std::string_view kMissingAngleMark = "?";

// How a line of a file ends: a lone CR ends only a file's last line.
enum class FileLineEnd : unsigned char { None, Feed, CarriageReturnFeed, CarriageReturn };

class ChainDocument {
 public:
  // A new chain: only the comment a saved data file starts with.
  ChainDocument();
  // The chain of a data file's text, each line checked on its own (ChainChecks::Lines); throws
  // ChainError with the reader's message when a line is refused.
  static ChainDocument read(std::string_view text);

  std::string value(InputItem item) const;
  // The typed text of a settings line, "" where the document has none.
  std::string setting(std::string_view keyword) const;
  // The names up to the last one given; "" for an order beyond them.
  int nameCount() const;
  std::string name(int order) const;
  int rowCount() const { return static_cast<int>(rowLines_.size()); }
  const TriangleAngles& row(int index) const;
  static bool complete(const TriangleAngles& angles);
  // Whether the document holds any data at all (a value, a name, a triangle).
  bool hasData() const;

  // The chain as a data file of it would hold it (unfinished rows with their empty angles).
  ChainData data() const;
  // Its known values and settings only (a long chain's rows are not copied).
  ChainData knownData() const;

  // The rows an edit would insert (count > 0) or remove (count < 0) from `first` on, before it
  // is applied; nullopt for an edit that inserts or removes none.
  struct RowChange {
    int first = 0;
    int count = 0;
  };
  std::optional<RowChange> rowChange(const DocumentEdit& edit) const;

  // Applies an edit and gives the edit that takes it back. An edit that points at no value, name
  // or row of the document changes nothing and gives nothing back (an empty batch).
  EditBatch apply(const DocumentEdit& edit);
  EditBatch apply(const EditBatch& batch);

  // The text of the data file.
  std::string text() const;
  // text() has been written to the file: it is the file's text from now on.
  void markWritten();

 private:
  struct Line {
    LineRole role = LineRole::Other;
    bool removed = false;     // a triangle row taken out; kept for the undo of its removal
    bool unfinished = false;  // `text` is the comment of an unfinished triangle
    bool written = false;     // `text` is the line as the file holds it, and `saved` its data
    FileLineEnd end = FileLineEnd::Feed;
    int key = 0;              // KnownValue: the item; Setting: its place in settingKeywords()
    std::uint64_t id = 0;
    TriangleAngles cells;     // the data now: a value, a name or a setting in cells[0]
    TriangleAngles saved;     // the data `text` holds
    std::string text;         // without its line end
  };

  void index();
  std::size_t insertLines(std::size_t at, std::size_t count, LineRole role);
  std::size_t valueLine(InputItem item);
  std::size_t newRowsPlace(int row) const;
  std::size_t newNamePlace() const;
  std::optional<std::string> rendered(const Line& line, bool trailingName) const;
  std::vector<bool> trailingNames() const;
  EditBatch setValue(const DocumentEdit& edit);
  std::size_t settingLine(int key);
  EditBatch setSetting(const DocumentEdit& edit);
  EditBatch setName(const DocumentEdit& edit);
  EditBatch setAngle(const DocumentEdit& edit);
  EditBatch insertRows(const DocumentEdit& edit);
  EditBatch removeRows(const DocumentEdit& edit);
  EditBatch restoreRows(const DocumentEdit& edit);

  std::vector<Line> lines_;
  bool byteOrderMark_ = false;
  FileLineEnd lineEnd_ = FileLineEnd::Feed;  // of new lines: the file's own
  std::uint64_t nextId_ = 0;
  // Where each row, name and value stands among the lines (rebuilt after lines come or go).
  std::vector<std::size_t> rowLines_;
  std::vector<std::size_t> nameLines_;
  std::vector<std::optional<std::size_t>> valueLines_;
};

}  // namespace chainadj
