#pragma once

// What one write kept in a card's history changed in its file, said in the card's words: the
// history view of the window and `tavrel-card history --show` say it alike.

#include <string>
#include <vector>

#include "core/cardjson/CardWordsOf.h"
#include "core/fs/Result.h"
#include "core/history/CardHistory.h"

namespace core::cardjson {

// The lines of the change `entry` made, as before and after a write (ChangeWords of `words`);
// none when its two contents read alike. IoFailed when the entry names no card file or a kept
// content cannot be read or is damaged.
Result<std::vector<std::string>> DescribeEntry(history::CardHistory& history, const history::Entry& entry,
                                               const WordLookup& words = {});

}  // namespace core::cardjson
