// The menu's pages: the menu lines placed for the game, and the picture of the page shown,
// loaded at the window's dpi when it is first shown.
#include "MainWindow.h"
#include "Pictures.h"
#include "model/game/GameProfile.h"
#include "resource.h"

namespace quillon::win32 {

void MainWindow::LoadPages() {
    // Each page's picture is loaded when it is first shown: most runs never open most pages.
    std::vector<OwnedBitmap> earlier(static_cast<size_t>(ProfileOf(game_).PageCount()) + 1);
    pages_.swap(earlier);
    ShowPage(page_);  // before the pictures of the earlier dpi go
}

OwnedBitmap MainWindow::LoadPicture(int16_t page) const {
    // Brought to the picture's size at the dpi in one smooth step (see kPictureDrawnScale).
    const OwnedBitmap drawn =
        DecodePicture(QUILLON_FIRST_PAGE + layout::PictureNumber(game_, page) - 1);
    if (!drawn) {
        return nullptr;
    }
    RECT area{};
    GetClientRect(Control(layout::Role::MenuPicture), &area);
    return ScaledBitmap(drawn.get(), area.right, area.bottom);
}

void MainWindow::ShowGame(Game game) {
    const bool otherGame = game != game_;
    game_ = game;
    for (Placement& placed : placements_) {
        const int line = GetDlgCtrlID(placed.control) - kMenuLineId;
        if (line < 1 || line > kMostLinesPerPage) {
            continue;
        }
        // Only what changes: under Wine each move and each show is a round of requests.
        const layout::Rect rect = layout::MenuLinesOf(game)[static_cast<size_t>(line - 1)];
        if (rect != placed.rect) {
            placed.rect = rect;
            Place(placed);
        }
        const bool shown = rect.height > 0;
        // Its own flag: IsWindowVisible says false for every child until the window shows.
        if (((GetWindowLongPtrW(placed.control, GWL_STYLE) & WS_VISIBLE) != 0) != shown) {
            ShowWindow(placed.control, shown ? SW_SHOWNA : SW_HIDE);
        }
    }
    page_ = kMainPage;
    if (otherGame) {  // the window starts with the first game's pictures
        LoadPages();
    }
}

void MainWindow::ShowPage(int16_t page) {
    page_ = page;
    // Until the window shows, nobody sees the picture: it is loaded once the window is there.
    if (!IsWindowVisible(window_)) {
        return;
    }
    const HWND shown = Control(layout::Role::MenuPicture);
    OwnedBitmap& picture = pages_.at(page);
    if (!picture) {
        picture = LoadPicture(page);
    }
    const HBITMAP wanted = picture.get();
    if (reinterpret_cast<HBITMAP>(SendMessageW(shown, STM_GETIMAGE, IMAGE_BITMAP, 0)) != wanted) {
        SendMessageW(shown, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(wanted));
    }
}

}  // namespace quillon::win32
