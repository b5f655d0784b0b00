#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <vector>

#include "app/Layout.h"
#include "model/menu/VoiceMenu.h"

namespace quillon {
namespace {

// Text is white on the team pages and yellow on the global ones; nothing else is that bright.
bool IsText(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) > 200;
}

// Every game's pages as the window loads them, drawn at their scale.
TEST(PagePictures, EveryLineStandsInsideItsHotSpot) {
    const layout::Rect& frame = layout::ControlFor(layout::Role::MenuPicture).rect;
    constexpr int scale = layout::kPictureDrawnScale;
    for (const Game game : kGames)
        for (int16_t page = 1; page <= ProfileOf(game).PageCount(); ++page) {
            const std::string name =
                ":/pages/" + layout::PictureFileName(layout::PictureNumber(game, page));
            const QImage picture(QString::fromStdString(name));
            ASSERT_EQ(picture.width(), layout::kPagePictureWidth * scale) << name;
            ASSERT_EQ(picture.height(), layout::kPagePictureHeight * scale) << name;

            // The tab's word "Message" is white on every page, its edges grey: no tint of the
            // page's own colour.
            bool white = false;
            for (int y = 2 * scale; y < 22 * scale; ++y) {
                for (int x = 9 * scale; x < 80 * scale; ++x) {
                    const QRgb pixel = picture.pixel(x, y);
                    white = white || pixel == qRgb(255, 255, 255);
                    ASSERT_LE(std::abs(qRed(pixel) - qBlue(pixel)), 16)
                        << name << " " << x << "," << y;
                }
            }
            EXPECT_TRUE(white) << name;

            std::vector<int> textRowsPerLine(kMostLinesPerPage + 1, 0);
            for (int y = 23 * scale; y < picture.height(); ++y) {  // below the tab
                bool hasText = false;
                for (int x = 0; x < picture.width(); ++x) {
                    hasText = hasText || IsText(picture.pixel(x, y));
                }
                if (!hasText) {
                    continue;
                }
                // Where the stretched picture puts this row in the window, and whose line that
                // is.
                const int top = frame.y + y * frame.height / picture.height();
                const int bottom = frame.y + ((y + 1) * frame.height - 1) / picture.height();
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
                EXPECT_EQ(textRowsPerLine[line] > 0, line <= PageLineCount(ProfileOf(game), page))
                    << name << " line " << line;
            }
        }
}

}  // namespace
}  // namespace quillon
