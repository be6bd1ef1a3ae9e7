// The recovery file of a chain in the window's data editor: the chain as it stood when it was
// last saved or opened, then every edit after it (each typed answer of a run, each change in the
// editor), one a line, on the disk as soon as it is made. After a crash, a kill or a power cut
// the next start reads it back into the editor; a line cut short by the end is left out.
//
//   chainadj recovery 1
//   file<TAB>/home/ce/锁/龙山.chain       the chain's data file ("" for a new chain)
//   base<TAB>1234                         the length in bytes of the text that follows
//   <the chain's text: its data file as it stood>
//   v<TAB>Xa<TAB>31250.000                 a known value set ("" takes it away)
//   n<TAB>3<TAB>P3                          a point name set, by its order
//   a<TAB>4<TAB>2<TAB>-63.30004             an angle set: row (0 for the first), column (0 A, 1 B, 2 C)
//   i<TAB>4<TAB>2<TAB>A<TAB>B<TAB>C<TAB>A<TAB>B<TAB>C   rows inserted before row 4
//   r<TAB>4<TAB>2                           rows removed from row 4 on
//
// Fields are separated by tabs; a backslash escapes a tab (\t), a line feed (\n), a carriage
// return (\r) and itself (\\).
#pragma once

#include <string>
#include <string_view>

#include "entry/chain_document.h"

namespace chainadj {

// The start of a recovery file: the chain's data file and its text.
std::string recoveryStart(const std::string& filePath, const std::string& baseText);
// The line of an edit, with its line end.
std::string recoveryLine(const DocumentEdit& edit);

struct RecoveredChain {
  std::string filePath;     // the data file the chain belonged to; "" for a new chain
  ChainDocument document;   // the chain with every edit made
  std::size_t edits = 0;    // the edits read
};
// The chain of a recovery file; throws ChainError when the text is no recovery file.
RecoveredChain readRecovery(std::string_view text);

// The recovery file at one path, written as the chain changes.
class RecoveryJournal {
 public:
  explicit RecoveryJournal(std::string path) : path_(std::move(path)) {}
  ~RecoveryJournal();
  RecoveryJournal(const RecoveryJournal&) = delete;
  RecoveryJournal& operator=(const RecoveryJournal&) = delete;

  const std::string& path() const { return path_; }
  bool started() const { return file_ >= 0; }
  // Writes the file anew with the chain as it stands; false when it cannot be written.
  bool start(const std::string& filePath, const std::string& baseText);
  // Adds the edits, on the disk before it returns; false when they cannot be written.
  bool append(const EditBatch& edits);
  // Closes and removes the file.
  void remove();

 private:
  bool write(const std::string& text);

  std::string path_;
  int file_ = -1;
};

}  // namespace chainadj
