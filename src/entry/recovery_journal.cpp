#include "entry/recovery_journal.h"

#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <optional>
#include <vector>

#include "entry/chain_settings.h"
#include "state/chain_error.h"

namespace chainadj {
namespace {

constexpr std::string_view kFirstLine = "chainadj recovery 1";
constexpr std::string_view kFileField = "file";
constexpr std::string_view kBaseField = "base";
constexpr char kSeparator = '\t';
constexpr const char* kNoRecoveryFile = "这不是 chainadj 的恢复文件。";

std::string escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    switch (ch) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += ch;
    }
  }
  return out;
}

std::string unescaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (text[k] != '\\' || k + 1 == text.size()) {
      out += text[k];
      continue;
    }
    const char next = text[++k];
    out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
  }
  return out;
}

std::vector<std::string> fieldsOf(std::string_view line) {
  std::vector<std::string> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find(kSeparator, start);
    fields.push_back(unescaped(line.substr(start, tab - start)));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

std::string joined(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (k > 0) line += kSeparator;
    line += escaped(fields[k]);
  }
  return line + "\n";
}

std::optional<int> numberField(const std::string& field) {
  int value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size() || value < 0) return std::nullopt;
  return value;
}

std::optional<InputItem> itemNamed(const std::string& name) {
  for (int k = 0; k <= static_cast<int>(kLastKnownValue); ++k) {
    if (name == inputItemName(static_cast<InputItem>(k))) return static_cast<InputItem>(k);
  }
  return std::nullopt;
}

std::vector<std::string> rowFields(const DocumentEdit& edit, char kind) {
  std::vector<std::string> fields = {std::string(1, kind), std::to_string(edit.index),
                                     std::to_string(edit.rows.size())};
  for (const TriangleAngles& row : edit.rows) fields.insert(fields.end(), row.begin(), row.end());
  return fields;
}

// The edit of a line, or nullopt when the line is no edit.
std::optional<DocumentEdit> editOf(std::string_view line) {
  const std::vector<std::string> f = fieldsOf(line);
  const auto number = [&](std::size_t k) { return k < f.size() ? numberField(f[k]) : std::nullopt; };
  if (f.size() == 3 && f[0] == "v") {
    if (const std::optional<InputItem> item = itemNamed(f[1])) return DocumentEdit::value(*item, f[2]);
  } else if (f.size() == 3 && f[0] == "n" && number(1)) {
    return DocumentEdit::name(*number(1), f[2]);
  } else if (f.size() == 4 && f[0] == "a" && number(1) && number(2)) {
    return DocumentEdit::angle(*number(1), *number(2), f[3]);
  } else if (f.size() == 3 && f[0] == "s" && settingKeywordNamed(f[1])) {
    return DocumentEdit::setting(f[1], f[2]);
  } else if (f.size() == 3 && f[0] == "r" && number(1) && number(2)) {
    return DocumentEdit::removeRows(*number(1), *number(2));
  } else if (f.size() >= 3 && f[0] == "i" && number(1) && number(2) &&
             f.size() == 3 + 3 * static_cast<std::size_t>(*number(2))) {
    std::vector<TriangleAngles> rows(static_cast<std::size_t>(*number(2)));
    for (std::size_t k = 0; k < rows.size(); ++k) {
      rows[k] = {f[3 + 3 * k], f[4 + 3 * k], f[5 + 3 * k]};
    }
    return DocumentEdit::insertRows(*number(1), std::move(rows));
  }
  return std::nullopt;
}

// The next line of `text` and what follows it; nullopt when no complete line is left.
std::optional<std::string_view> nextLine(std::string_view& text) {
  const std::size_t end = text.find('\n');
  if (end == std::string_view::npos) return std::nullopt;
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end + 1);
  return line;
}

}  // namespace

std::string recoveryStart(const std::string& filePath, const std::string& baseText) {
  return std::string(kFirstLine) + "\n" + joined({std::string(kFileField), filePath}) +
         joined({std::string(kBaseField), std::to_string(baseText.size())}) + baseText + "\n";
}

std::string recoveryLine(const DocumentEdit& edit) {
  switch (edit.kind) {
    case DocumentEdit::Kind::Value: return joined({"v", inputItemName(edit.item), edit.text});
    case DocumentEdit::Kind::Name: return joined({"n", std::to_string(edit.index), edit.text});
    case DocumentEdit::Kind::Angle:
      return joined({"a", std::to_string(edit.index), std::to_string(edit.column), edit.text});
    case DocumentEdit::Kind::InsertRows:
    case DocumentEdit::Kind::RestoreRows: return joined(rowFields(edit, 'i'));
    case DocumentEdit::Kind::RemoveRows:
      return joined({"r", std::to_string(edit.index), std::to_string(edit.count)});
    case DocumentEdit::Kind::Setting: return joined({"s", edit.keyword, edit.text});
  }
  return {};
}

RecoveredChain readRecovery(std::string_view text) {
  const std::optional<std::string_view> first = nextLine(text);
  const std::optional<std::string_view> file = first ? nextLine(text) : std::nullopt;
  const std::optional<std::string_view> base = file ? nextLine(text) : std::nullopt;
  if (!base || *first != kFirstLine) throw ChainError(kNoRecoveryFile);
  const std::vector<std::string> fileFields = fieldsOf(*file);
  const std::vector<std::string> baseFields = fieldsOf(*base);
  const std::optional<int> typedLength =
      baseFields.size() == 2 ? numberField(baseFields[1]) : std::nullopt;
  const std::size_t length = typedLength ? static_cast<std::size_t>(*typedLength) : text.size();
  if (fileFields.size() != 2 || fileFields[0] != kFileField || baseFields[0] != kBaseField ||
      length + 1 > text.size() || text[length] != '\n') {
    throw ChainError(kNoRecoveryFile);
  }
  RecoveredChain recovered{fileFields[1], ChainDocument::read(text.substr(0, length))};
  text.remove_prefix(length + 1);
  while (const std::optional<std::string_view> line = nextLine(text)) {
    const std::optional<DocumentEdit> edit = editOf(*line);
    if (!edit) break;  // what follows a damaged line is not to be trusted
    recovered.document.apply(*edit);
    ++recovered.edits;
  }
  return recovered;
}

RecoveryJournal::~RecoveryJournal() {
  if (file_ >= 0) ::close(file_);
}

bool RecoveryJournal::start(const std::string& filePath, const std::string& baseText) {
  if (file_ >= 0) ::close(file_);
  file_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  return file_ >= 0 && write(recoveryStart(filePath, baseText));
}

bool RecoveryJournal::append(const EditBatch& edits) {
  if (file_ < 0) return false;
  std::string lines;
  for (const DocumentEdit& edit : edits) lines += recoveryLine(edit);
  return write(lines);
}

bool RecoveryJournal::write(const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t written = ::write(file_, text.data() + done, text.size() - done);
    if (written < 0) return false;
    done += static_cast<std::size_t>(written);
  }
  return ::fdatasync(file_) == 0;
}

void RecoveryJournal::remove() {
  if (file_ >= 0) ::close(file_);
  file_ = -1;
  ::unlink(path_.c_str());
}

}  // namespace chainadj
