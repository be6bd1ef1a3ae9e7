#include "entry/chain_document.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "entry/chain_checks.h"
#include "entry/chain_file_syntax.h"
#include "entry/chain_settings.h"
#include "state/number_text.h"

namespace chainadj {
namespace {

// The comment a new data file starts with.
constexpr std::string_view kHeader =
    "# chainadj 三角锁数据文件（UTF-8）：已知值、点名（point）、每个三角形一行 A B C";
constexpr std::string_view kPointKeyword = "point";
constexpr std::size_t kKnownValues = static_cast<std::size_t>(kLastKnownValue) + 1;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// A typed angle as the file writes it: the same value and the same echo as the text typed.
std::string angleForFile(const std::string& typed) {
  return normalizedNumberText(typed).value_or(typed);
}

// The angles of an unfinished triangle's comment line, or nullopt when the line is none.
std::optional<TriangleAngles> unfinishedAngles(std::string_view line) {
  line = trimFileBlanks(line);
  if (line.substr(0, kUnfinishedTriangleMark.size()) != kUnfinishedTriangleMark) return std::nullopt;
  line.remove_prefix(kUnfinishedTriangleMark.size());
  TriangleAngles angles;
  std::size_t count = 0;
  for (FirstWord next = splitFirstWord(line); !next.word.empty(); next = splitFirstWord(next.rest)) {
    if (count == angles.size()) return std::nullopt;
    const std::string word(next.word);
    if (word != kMissingAngleMark) {
      if (refusalReason(triangleAngleColumns()[count].kind, word)) return std::nullopt;
      angles[count] = word;
    }
    ++count;
  }
  if (count != angles.size() || ChainDocument::complete(angles)) return std::nullopt;
  return angles;
}

std::string unfinishedText(const TriangleAngles& angles) {
  std::string text(kUnfinishedTriangleMark);
  for (std::size_t k = 0; k < angles.size(); ++k) {
    if (k > 0) text += ' ';
    text += angles[k].empty() ? std::string(kMissingAngleMark) : angleForFile(angles[k]);
  }
  return text;
}

// The line with its part `span` replaced.
std::string spliced(const std::string& line, TextSpan span, const std::string& part) {
  return line.substr(0, span.begin) + part + line.substr(span.end);
}

// A value or settings line with its value replaced where it stands; a new line for none.
std::string keywordLineText(const std::string& written, std::string_view keyword,
                            const std::string& typed) {
  if (written.empty()) return std::string(keyword) + " " + valueForFile(typed);
  const TextSpan span = valueSpanOfLine(written);
  const std::string value = valueForFile(typed);
  return spliced(written, span, span.begin == span.end ? " " + value : value);
}

std::string nameLineText(const std::string& written, const std::string& name) {
  std::string text = written.empty() ? std::string(kPointKeyword)
                                     : written.substr(0, valueSpanOfLine(written).begin);
  text = std::string(trimFileBlanks(text));
  if (!name.empty()) text += " " + nameForFile(name);
  return text;
}

// A triangle line with each changed angle replaced where it stands; a new line for none.
std::string triangleLineText(const std::string& written, const TriangleAngles& saved,
                             const TriangleAngles& angles) {
  const std::vector<TextSpan> words = written.empty() ? std::vector<TextSpan>()
                                                      : wordSpansOfLine(written);
  if (words.size() != angles.size()) {
    return angleForFile(angles[0]) + " " + angleForFile(angles[1]) + " " + angleForFile(angles[2]);
  }
  std::string text = written;
  for (std::size_t k = angles.size(); k-- > 0;) {
    if (angles[k] != saved[k]) text = spliced(text, words[k], angleForFile(angles[k]));
  }
  return text;
}

}  // namespace

ChainDocument::ChainDocument() {
  Line header;
  header.text = kHeader;
  header.written = true;
  header.id = nextId_++;
  lines_.push_back(std::move(header));
  index();
}

ChainDocument ChainDocument::read(std::string_view text) {
  std::vector<FileLine> roles;
  ChainData data = parseChainData(text, ChainChecks::Lines, &roles);
  ChainDocument document;
  document.lines_.clear();
  if (text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
    document.byteOrderMark_ = true;
    text.remove_prefix(kUtf8ByteOrderMark.size());
  }
  bool endSeen = false;
  for (const FileLine& role : roles) {
    const std::size_t feed = text.find('\n');
    std::string_view content = text.substr(0, feed);
    Line line;
    line.end = feed == std::string_view::npos ? FileLineEnd::None : FileLineEnd::Feed;
    if (!content.empty() && content.back() == '\r') {
      content.remove_suffix(1);
      line.end = line.end == FileLineEnd::Feed ? FileLineEnd::CarriageReturnFeed : FileLineEnd::CarriageReturn;
    }
    if (!endSeen && line.end != FileLineEnd::None) {
      endSeen = true;
      if (line.end == FileLineEnd::CarriageReturnFeed) document.lineEnd_ = FileLineEnd::CarriageReturnFeed;
    }
    text = feed == std::string_view::npos ? std::string_view() : text.substr(feed + 1);
    line.text = std::string(content);
    line.role = role.role;
    line.key = role.index;
    line.written = true;
    line.id = document.nextId_++;
    switch (role.role) {
      case LineRole::KnownValue:
        line.cells[0] = data.value(static_cast<InputItem>(role.index));
        break;
      case LineRole::Setting:
        line.cells[0] = *data.setting(settingKeywords()[at(role.index)].keyword);
        break;
      case LineRole::PointName:
        line.cells[0] = data.names[at(role.index)];
        break;
      case LineRole::Triangle:
        line.cells = data.triangles[at(role.index)];
        break;
      case LineRole::Other:
        if (const std::optional<TriangleAngles> angles = unfinishedAngles(line.text)) {
          line.role = LineRole::Triangle;
          line.unfinished = true;
          line.cells = *angles;
        }
        break;
    }
    line.saved = line.cells;
    document.lines_.push_back(std::move(line));
  }
  document.index();
  return document;
}

void ChainDocument::index() {
  rowLines_.clear();
  nameLines_.clear();
  valueLines_.assign(kKnownValues, std::nullopt);
  for (std::size_t k = 0; k < lines_.size(); ++k) {
    const Line& line = lines_[k];
    if (line.removed) continue;
    if (line.role == LineRole::Triangle) rowLines_.push_back(k);
    if (line.role == LineRole::PointName) nameLines_.push_back(k);
    if (line.role == LineRole::KnownValue) valueLines_[at(line.key)] = k;
  }
}

std::string ChainDocument::value(InputItem item) const {
  const std::optional<std::size_t> line = valueLines_[static_cast<std::size_t>(item)];
  return line ? lines_[*line].cells[0] : std::string();
}

int ChainDocument::nameCount() const {
  int count = static_cast<int>(nameLines_.size());
  while (count > 0 && lines_[nameLines_[at(count - 1)]].cells[0].empty()) --count;
  return count;
}

std::string ChainDocument::name(int order) const {
  if (order < 0 || at(order) >= nameLines_.size()) return {};
  return lines_[nameLines_[at(order)]].cells[0];
}

const TriangleAngles& ChainDocument::row(int index) const { return lines_[rowLines_[at(index)]].cells; }

bool ChainDocument::complete(const TriangleAngles& angles) {
  return std::none_of(angles.begin(), angles.end(), [](const std::string& a) { return a.empty(); });
}

bool ChainDocument::hasData() const {
  if (rowCount() > 0 || nameCount() > 0) return true;
  return std::any_of(valueLines_.begin(), valueLines_.end(), [this](const auto& line) {
    return line && !lines_[*line].cells[0].empty();
  });
}

ChainData ChainDocument::data() const {
  ChainData data = knownData();
  const int names = nameCount();
  data.names.reserve(at(names));
  for (int k = 0; k < names; ++k) data.names.push_back(name(k));
  data.triangles.reserve(rowLines_.size());
  for (std::size_t line : rowLines_) data.triangles.push_back(lines_[line].cells);
  return data;
}

ChainData ChainDocument::knownData() const {
  ChainData data;
  for (std::size_t k = 0; k < kKnownValues; ++k) {
    if (valueLines_[k] && !lines_[*valueLines_[k]].cells[0].empty()) {
      data.values[static_cast<InputItem>(k)] = lines_[*valueLines_[k]].cells[0];
    }
  }
  for (const Line& line : lines_) {
    if (line.role == LineRole::Setting && !line.removed && !line.cells[0].empty()) {
      data.settings[std::string(settingKeywords()[at(line.key)].keyword)] = line.cells[0];
    }
  }
  return data;
}

// ---- Edits ----

EditBatch ChainDocument::apply(const EditBatch& batch) {
  EditBatch undo;
  for (const DocumentEdit& edit : batch) {
    EditBatch back = apply(edit);
    undo.insert(undo.begin(), back.begin(), back.end());
  }
  return undo;
}

EditBatch ChainDocument::apply(const DocumentEdit& edit) {
  switch (edit.kind) {
    case DocumentEdit::Kind::Value: return setValue(edit);
    case DocumentEdit::Kind::Name: return setName(edit);
    case DocumentEdit::Kind::Angle: return setAngle(edit);
    case DocumentEdit::Kind::InsertRows: return insertRows(edit);
    case DocumentEdit::Kind::RemoveRows: return removeRows(edit);
    case DocumentEdit::Kind::RestoreRows: return restoreRows(edit);
    case DocumentEdit::Kind::Setting: return setSetting(edit);
  }
  return {};
}

std::size_t ChainDocument::insertLines(std::size_t place, std::size_t count, LineRole role) {
  Line line;
  line.role = role;
  line.end = lineEnd_;
  std::vector<Line> added(count, line);
  for (Line& each : added) each.id = nextId_++;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(place),
                std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
  index();
  return place;
}

// The line of a value, made where a saved file would have it when there is none: after the
// nearest value before it, else before the nearest after it, else before the first setting,
// name or triangle.
std::size_t ChainDocument::valueLine(InputItem item) {
  const auto k = static_cast<std::size_t>(item);
  if (valueLines_[k]) return *valueLines_[k];
  std::optional<std::size_t> place;
  for (std::size_t before = k; before-- > 0 && !place;) {
    if (valueLines_[before]) place = *valueLines_[before] + 1;
  }
  for (std::size_t after = k + 1; after < kKnownValues && !place; ++after) {
    if (valueLines_[after]) place = *valueLines_[after];
  }
  for (std::size_t line = 0; line < lines_.size() && !place; ++line) {
    if (lines_[line].role != LineRole::Other) place = line;
  }
  const std::size_t made = insertLines(place.value_or(lines_.size()), 1, LineRole::KnownValue);
  lines_[made].key = static_cast<int>(item);
  index();
  return made;
}

EditBatch ChainDocument::setValue(const DocumentEdit& edit) {
  const std::string old = value(edit.item);
  if (old == edit.text) return {};
  if (!valueLines_[static_cast<std::size_t>(edit.item)] && edit.text.empty()) return {};
  lines_[valueLine(edit.item)].cells[0] = edit.text;
  return {DocumentEdit::value(edit.item, old)};
}

std::string ChainDocument::setting(std::string_view keyword) const {
  for (const Line& line : lines_) {
    if (line.role == LineRole::Setting && !line.removed &&
        settingKeywords()[at(line.key)].keyword == keyword) {
      return line.cells[0];
    }
  }
  return {};
}

// The line of a setting, made when there is none after the last value or setting, else before
// the first name or triangle.
std::size_t ChainDocument::settingLine(int key) {
  std::optional<std::size_t> place;
  for (std::size_t line = 0; line < lines_.size(); ++line) {
    const Line& each = lines_[line];
    if (each.removed) continue;
    if (each.role == LineRole::Setting && each.key == key) return line;
    if (each.role == LineRole::KnownValue || each.role == LineRole::Setting) place = line + 1;
    if (!place && (each.role == LineRole::PointName || each.role == LineRole::Triangle)) place = line;
  }
  const std::size_t made = insertLines(place.value_or(lines_.size()), 1, LineRole::Setting);
  lines_[made].key = key;
  return made;
}

EditBatch ChainDocument::setSetting(const DocumentEdit& edit) {
  const auto keywords = settingKeywords();
  const auto found = std::find_if(keywords.begin(), keywords.end(),
                                  [&](const SettingKeyword& k) { return k.keyword == edit.keyword; });
  if (found == keywords.end()) return {};
  const std::string old = setting(edit.keyword);
  if (old == edit.text) return {};
  lines_[settingLine(static_cast<int>(found - keywords.begin()))].cells[0] = edit.text;
  return {DocumentEdit::setting(edit.keyword, old)};
}

// After the last name, else before the first triangle, else after the last value or setting.
std::size_t ChainDocument::newNamePlace() const {
  if (!nameLines_.empty()) return nameLines_.back() + 1;
  std::optional<std::size_t> afterData;
  for (std::size_t line = 0; line < lines_.size(); ++line) {
    if (lines_[line].role == LineRole::Triangle) return line;
    if (lines_[line].role == LineRole::KnownValue || lines_[line].role == LineRole::Setting) {
      afterData = line + 1;
    }
  }
  return afterData.value_or(lines_.size());
}

EditBatch ChainDocument::setName(const DocumentEdit& edit) {
  if (edit.index < 0 || name(edit.index) == edit.text) return {};
  const std::string old = name(edit.index);
  if (at(edit.index) >= nameLines_.size()) {
    insertLines(newNamePlace(), at(edit.index) + 1 - nameLines_.size(), LineRole::PointName);
  }
  lines_[nameLines_[at(edit.index)]].cells[0] = edit.text;
  return {DocumentEdit::name(edit.index, old)};
}

EditBatch ChainDocument::setAngle(const DocumentEdit& edit) {
  if (edit.index < 0 || edit.index >= rowCount() || edit.column < 0 || edit.column > 2) return {};
  std::string& cell = lines_[rowLines_[at(edit.index)]].cells[at(edit.column)];
  if (cell == edit.text) return {};
  DocumentEdit undo = DocumentEdit::angle(edit.index, edit.column, cell);
  cell = edit.text;
  return {std::move(undo)};
}

// Before the row now there; after the last row; else after the last name, value or setting.
std::size_t ChainDocument::newRowsPlace(int row) const {
  if (row < rowCount()) return rowLines_[at(row)];
  if (!rowLines_.empty()) return rowLines_.back() + 1;
  std::optional<std::size_t> afterData;
  for (std::size_t line = 0; line < lines_.size(); ++line) {
    const LineRole role = lines_[line].role;
    if (role == LineRole::KnownValue || role == LineRole::Setting || role == LineRole::PointName) {
      afterData = line + 1;
    }
  }
  return afterData.value_or(lines_.size());
}

EditBatch ChainDocument::insertRows(const DocumentEdit& edit) {
  if (edit.index < 0 || edit.index > rowCount() || edit.rows.empty()) return {};
  const std::size_t first = insertLines(newRowsPlace(edit.index), edit.rows.size(), LineRole::Triangle);
  for (std::size_t k = 0; k < edit.rows.size(); ++k) lines_[first + k].cells = edit.rows[k];
  return {DocumentEdit::removeRows(edit.index, static_cast<int>(edit.rows.size()))};
}

EditBatch ChainDocument::removeRows(const DocumentEdit& edit) {
  if (edit.index < 0 || edit.count <= 0 || edit.index + edit.count > rowCount()) return {};
  DocumentEdit undo;
  undo.kind = DocumentEdit::Kind::RestoreRows;
  undo.index = edit.index;
  for (int k = edit.index; k < edit.index + edit.count; ++k) {
    Line& line = lines_[rowLines_[at(k)]];
    line.removed = true;
    undo.lines.push_back(line.id);
    undo.rows.push_back(line.cells);
  }
  index();
  return {std::move(undo)};
}

EditBatch ChainDocument::restoreRows(const DocumentEdit& edit) {
  std::unordered_map<std::uint64_t, std::size_t> rows;  // id -> its angles in the edit
  for (std::size_t k = 0; k < edit.lines.size() && k < edit.rows.size(); ++k) rows[edit.lines[k]] = k;
  std::size_t restored = 0;
  for (Line& line : lines_) {
    const auto found = rows.find(line.id);
    if (!line.removed || found == rows.end()) continue;
    line.removed = false;
    line.cells = edit.rows[found->second];
    ++restored;
  }
  index();
  if (restored == 0) return {};
  return {DocumentEdit::removeRows(edit.index, static_cast<int>(restored))};
}

std::optional<ChainDocument::RowChange> ChainDocument::rowChange(const DocumentEdit& edit) const {
  switch (edit.kind) {
    case DocumentEdit::Kind::InsertRows:
      if (edit.index < 0 || edit.index > rowCount() || edit.rows.empty()) return std::nullopt;
      return RowChange{edit.index, static_cast<int>(edit.rows.size())};
    case DocumentEdit::Kind::RestoreRows: {
      const std::unordered_set<std::uint64_t> ids(edit.lines.begin(), edit.lines.end());
      const auto restorable = std::count_if(lines_.begin(), lines_.end(), [&](const Line& line) {
        return line.removed && ids.count(line.id) != 0;
      });
      if (restorable == 0) return std::nullopt;
      return RowChange{edit.index, static_cast<int>(restorable)};
    }
    case DocumentEdit::Kind::RemoveRows:
      if (edit.index < 0 || edit.count <= 0 || edit.index + edit.count > rowCount()) return std::nullopt;
      return RowChange{edit.index, -edit.count};
    default:
      return std::nullopt;
  }
}

// ---- The text ----

// For each line, whether it is one of the names after the last name given that the file does
// not hold as they are: they are not written.
std::vector<bool> ChainDocument::trailingNames() const {
  std::vector<bool> trailing(lines_.size(), false);
  for (std::size_t k = nameLines_.size(); k-- > 0;) {
    const Line& line = lines_[nameLines_[k]];
    if (!line.cells[0].empty() || (line.written && line.saved == line.cells)) break;
    trailing[nameLines_[k]] = true;
  }
  return trailing;
}

std::optional<std::string> ChainDocument::rendered(const Line& line, bool trailingName) const {
  if (line.removed || trailingName) return std::nullopt;
  const bool asSaved = line.written && line.saved == line.cells;
  if (asSaved || line.role == LineRole::Other) return line.text;
  const std::string& written = line.written && !line.unfinished ? line.text : std::string();
  switch (line.role) {
    case LineRole::KnownValue:
      if (line.cells[0].empty()) return std::nullopt;
      return keywordLineText(written, inputItemName(static_cast<InputItem>(line.key)), line.cells[0]);
    case LineRole::Setting:
      if (line.cells[0].empty()) return std::nullopt;
      return keywordLineText(written, settingKeywords()[at(line.key)].keyword, line.cells[0]);
    case LineRole::PointName:
      return nameLineText(written, line.cells[0]);
    case LineRole::Triangle:
      if (!complete(line.cells)) return unfinishedText(line.cells);
      return triangleLineText(written, line.saved, line.cells);
    default:
      return line.text;
  }
}

namespace {

// A line end as a file writes it after a line; a lone CR followed by more lines becomes CR LF.
std::string_view endText(FileLineEnd end, bool last) {
  switch (end) {
    case FileLineEnd::None: return last ? "" : "\n";
    case FileLineEnd::Feed: return "\n";
    case FileLineEnd::CarriageReturnFeed: return "\r\n";
    case FileLineEnd::CarriageReturn: return last ? "\r" : "\r\n";
  }
  return "\n";
}

}  // namespace

std::string ChainDocument::text() const {
  const std::vector<bool> trailing = trailingNames();
  std::string text = byteOrderMark_ ? std::string(kUtf8ByteOrderMark) : std::string();
  const Line* previous = nullptr;
  for (std::size_t k = 0; k < lines_.size(); ++k) {
    const std::optional<std::string> line = rendered(lines_[k], trailing[k]);
    if (!line) continue;
    if (previous != nullptr) {
      // A file's last line without an end, with lines after it now: it ends as the file's do.
      text += previous->end == FileLineEnd::None ? endText(lineEnd_, false)
                                             : endText(previous->end, false);
    }
    text += *line;
    previous = &lines_[k];
  }
  if (previous != nullptr) text += endText(previous->end, true);
  return text;
}

void ChainDocument::markWritten() {
  const std::vector<bool> trailing = trailingNames();
  for (std::size_t k = 0; k < lines_.size(); ++k) {
    Line& line = lines_[k];
    if (line.removed) continue;
    const std::optional<std::string> text = rendered(line, trailing[k]);
    line.written = text.has_value();
    line.unfinished = line.role == LineRole::Triangle && !complete(line.cells);
    line.text = text.value_or(std::string());
    line.saved = line.cells;
  }
}

}  // namespace chainadj
