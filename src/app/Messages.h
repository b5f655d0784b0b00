#pragma once

#include <string>

#include "model/install/DriveRoot.h"
#include "platform/Status.h"

namespace quillon {

// The player's words for what the model reports as kinds and facts.

// Why an answer to the drive prompt names no folder to search, as a sentence; empty when it
// names one.
std::string DriveAnswerProblem(const DriveAnswer& answer);

// Why the settings file could not remember the game folder, as a phrase that follows a colon.
std::string WhySettingsNotWritten(const Status& saved);

}  // namespace quillon
