// The recovery file: a chain and its edits read back as they were made, a line cut short by a
// crash left out, and anything else refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "entry/recovery_journal.h"
#include "state/chain_error.h"

namespace chainadj::testing {
namespace {

const std::string kBase = "# 锁\nXa 1\t# tab\n60 60 60\n";

EditBatch someEdits() {
  return {DocumentEdit::value(InputItem::Xa, "2\\3\t4"), DocumentEdit::name(1, "P\t1"),
          DocumentEdit::insertRows(1, {{"50", "", "-70"}, {"1", "2", "3"}}),
          DocumentEdit::angle(0, 2, "-61"), DocumentEdit::removeRows(2, 1),
          DocumentEdit::setting("checker", "李\t四")};
}

TEST(RecoveryJournal, ReadsBackTheChainWithEveryEdit) {
  ChainDocument expected = ChainDocument::read(kBase);
  expected.apply(someEdits());
  std::string text = recoveryStart("/锁/龙山 1.chain", kBase);
  for (const DocumentEdit& edit : someEdits()) text += recoveryLine(edit);
  const RecoveredChain recovered = readRecovery(text);
  EXPECT_EQ(recovered.filePath, "/锁/龙山 1.chain");
  EXPECT_EQ(recovered.edits, someEdits().size());
  EXPECT_EQ(recovered.document.text(), expected.text());
  // A last line cut short is left out.
  text += recoveryLine(DocumentEdit::value(InputItem::Ya, "9")).substr(0, 5);
  EXPECT_EQ(readRecovery(text).document.text(), expected.text());
}

TEST(RecoveryJournal, WritesTheFileAndRemovesIt) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "chainadj_journal_test";
  {
    RecoveryJournal journal(path.string());
    ASSERT_TRUE(journal.start("", kBase));
    ASSERT_TRUE(journal.append(someEdits()));
    std::ifstream file(path, std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(readRecovery(written).edits, someEdits().size());
    journal.remove();
  }
  EXPECT_FALSE(std::filesystem::exists(path));
  RecoveryJournal nowhere("/nonexistent-folder/journal");
  EXPECT_FALSE(nowhere.start("", kBase));
  EXPECT_FALSE(nowhere.append(someEdits()));
}

TEST(RecoveryJournal, RefusesWhatIsNoRecoveryFile) {
  for (const char* text : {"", "chainadj recovery 1\n", "chainadj recovery 1\nfile\t\nbase\t99\nshort\n",
                           "# 锁\nXa 1\n"}) {
    EXPECT_THROW(readRecovery(text), ChainError) << text;
  }
}

}  // namespace
}  // namespace chainadj::testing
