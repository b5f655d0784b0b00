#pragma once

#include "app/Layout.h"

namespace quillon::test {

// The window row through the middle of the letters of menu line 1..10 of the game's pages,
// where the stretched page picture draws them; a click there is a click on that line.
inline int MenuLineRow(int line, Game game = Game::ReturnToCastleWolfenstein) {
    const layout::Rect& picture = layout::ControlFor(layout::Role::MenuPicture).rect;
    const layout::PictureLines lines = layout::PictureLinesOf(game);
    const int pictureRow = (lines.firstTop + lines.firstBottom) / 2 + lines.pitch * (line - 1);
    return picture.y + pictureRow * picture.height / layout::kPagePictureHeight;
}

// A column inside every menu line, clear of the picture's border.
constexpr int kMenuLineColumn = 60;

}  // namespace quillon::test
