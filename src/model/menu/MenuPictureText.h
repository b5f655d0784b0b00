#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/menu/VoiceMenu.h"

namespace quillon {

// What each page of the voice menu shows, as the game writes it (the assignment list uses the
// labels of the messages instead): the page's name and its lines. The page pictures are drawn
// from this table too.
struct PageText {
    const char* title;
    std::array<const char*, kLinesPerPage> lines;  // nullptr past the last line
};

extern const std::array<PageText, kPageCount> kPageTexts;  // by page number - 1

// The page as one line of text, for those who cannot see the picture:
// "Requests: 1 Medic!, 2 Ammo!, ...". Empty for a page that does not exist.
std::string DescribePage(int16_t page);

}  // namespace quillon
