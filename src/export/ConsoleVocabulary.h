#pragma once

#include <cstdint>
#include <string>

namespace quillon {

// The console command of the message at menu page, line ("vsay_team Medic"); the empty text for
// any pair that holds no message, out-of-range pairs included.
std::string VsayCommand(int16_t page, int16_t line);

// The class announcement for the character code of a lower-case class letter, with its closing
// ";" ("vsay_team iamsoldier;"); the empty text for any other code.
std::string ClassCommand(int16_t letterCode);

// The game console's name of key 1..22 ("KP_SLASH"); the empty text for Num Lock.
std::string BindName(int16_t key);

}  // namespace quillon
