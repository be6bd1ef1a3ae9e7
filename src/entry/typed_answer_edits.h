// A typed run's answers as edits of the data editor's chain, so that the chain shows in the
// editor as it is typed: a known value, a point name, a triangle angle (a triangle's first angle
// adds its row).
#pragma once

#include <string>

#include "entry/chain_document.h"

namespace chainadj {

// The edits that put an accepted answer (answer_listener.h) into the document; none for the
// triangle count, which the rows give.
EditBatch editsForAnswer(const ChainDocument& document, const PromptKey& key, const std::string& text);

}  // namespace chainadj
