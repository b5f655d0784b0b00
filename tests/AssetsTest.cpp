#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "app/Layout.h"
#include "model/menu/VoiceMenu.h"

namespace quillon {
namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bgr;  // top row first

    const uint8_t* At(int x, int y) const { return &bgr[(static_cast<size_t>(y) * width + x) * 3]; }
};

uint32_t Read32(const std::string& bytes, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}

// Reads an uncompressed 24-bit bottom-up BMP, the format both front ends load.
Picture ReadBmp(const std::string& path) {
    const std::string bytes = test::ReadFile(path);
    Picture picture;
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0 || bytes[28] != 24 ||
        Read32(bytes, 30) != 0) {
        return picture;
    }
    picture.width = static_cast<int>(Read32(bytes, 18));
    picture.height = static_cast<int>(Read32(bytes, 22));
    const size_t stride = (static_cast<size_t>(picture.width) * 3 + 3) & ~size_t{3};
    const size_t offset = Read32(bytes, 10);
    if (bytes.size() < offset + stride * picture.height) {
        return {};
    }
    for (int y = picture.height - 1; y >= 0; --y) {
        const char* row = bytes.data() + offset + stride * y;
        picture.bgr.insert(picture.bgr.end(), row, row + picture.width * 3);
    }
    return picture;
}

// Text is white on the team pages and yellow on the global ones; nothing else is that bright.
bool IsText(const uint8_t* pixel) {
    return pixel[2] > 200 && pixel[1] > 200;
}

// Every game's pages, drawn as they are and at twice the size, for scaled displays.
TEST(PagePictures, EveryLineStandsInsideItsHotSpotAtEitherSize) {
    const layout::Rect& frame = layout::ControlFor(layout::Role::MenuPicture).rect;
    for (const Game game : kGames)
        for (int scale = 1; scale <= 2; ++scale)
            for (int16_t page = 1; page <= ProfileOf(game).PageCount(); ++page) {
                const std::string name = "page" +
                                         std::to_string(layout::PictureNumber(game, page)) +
                                         (scale == 2 ? "@2x" : "");
                const Picture picture =
                    ReadBmp(std::string(QUILLON_ASSETS_DIR) + "/pages/" + name + ".bmp");
                ASSERT_EQ(picture.width, layout::kPagePictureWidth * scale) << name;
                ASSERT_EQ(picture.height, layout::kPagePictureHeight * scale) << name;

                std::vector<int> textRowsPerLine(kMostLinesPerPage + 1, 0);
                for (int y = 23 * scale; y < picture.height; ++y) {  // below the tab
                    bool hasText = false;
                    for (int x = 0; x < picture.width; ++x) {
                        hasText = hasText || IsText(picture.At(x, y));
                    }
                    if (!hasText) {
                        continue;
                    }
                    // Where the stretched picture puts this row in the window, and whose line that
                    // is.
                    const int top = frame.y + y * frame.height / picture.height;
                    const int bottom = frame.y + ((y + 1) * frame.height - 1) / picture.height;
                    int line = 0;
                    for (int16_t k = 0; k < kMostLinesPerPage; ++k) {
                        const layout::Rect& spot = layout::MenuLinesOf(game)[k];
                        if (top >= spot.y && bottom < spot.y + spot.height) {
                            line = k + 1;
                        }
                    }
                    ASSERT_NE(line, 0)
                        << name << ": text on row " << y << " falls outside every menu line";
                    ++textRowsPerLine[line];
                }
                for (int16_t line = 1; line <= kMostLinesPerPage; ++line) {
                    EXPECT_EQ(textRowsPerLine[line] > 0,
                              line <= PageLineCount(ProfileOf(game), page))
                        << name << " line " << line;
                }
            }
}

}  // namespace
}  // namespace quillon
