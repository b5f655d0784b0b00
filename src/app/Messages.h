#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/menu/MessageText.h"
#include "platform/Status.h"

namespace quillon {

// The player's words for what the model reports as kinds and facts.

// Why the game would not show a text of the player's as written: each reason on a line of its
// own, after a dash.
std::string MessageTextReasons(const std::vector<MessageTextProblem>& problems);

// "1 line", "2 lines": a count and its noun, which names one of them.
std::string Counted(size_t count, const std::string& noun);

// Why a step failed, as a phrase that follows a colon: the system's words, or what the program
// found put in words.
std::string WhyFailed(const Status& failed);

// Why the settings file could not remember the game folder, as a phrase that follows a colon.
std::string WhySettingsNotWritten(const Status& saved);

}  // namespace quillon
