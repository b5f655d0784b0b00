// The window's menu bar and its keyboard shortcuts, with the digit keys of the menu lines, built
// from the layout's menus; the check marks of its items.
#include "MainWindow.h"
#include "platform/WideText.h"

namespace quillon::win32 {
namespace {

WORD VirtualKeyOf(const layout::KeyStroke& stroke) {
    switch (stroke.kind) {
        case layout::KeyStroke::Kind::Function:
            return static_cast<WORD>(VK_F1 + stroke.number - 1);
        case layout::KeyStroke::Kind::Digit:
            return static_cast<WORD>('0' + stroke.number);
        case layout::KeyStroke::Kind::KeypadDigit:
            break;
    }
    return static_cast<WORD>(VK_NUMPAD0 + stroke.number);
}

}  // namespace

void MainWindow::BuildMenu() {
    const HMENU bar = CreateMenu();
    for (const layout::Menu& menu : layout::kMenus) {
        const HMENU popup = CreatePopupMenu();
        for (const layout::MenuItem& item : menu.items) {
            std::wstring caption = WideFromText(item.caption);
            if (item.shortcut) {
                caption += L"\t" + WideFromText(layout::KeyName(*item.shortcut));
            }
            AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(IdOf(item.command)),
                        caption.c_str());
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                    WideFromText(menu.caption).c_str());
    }
    SetMenu(window_, bar);  // the window owns its menu from here on

    std::vector<ACCEL> keys;
    for (const layout::Menu& menu : layout::kMenus) {
        for (const layout::MenuItem& item : menu.items) {
            if (item.shortcut) {
                keys.push_back({FVIRTKEY, VirtualKeyOf(*item.shortcut),
                                static_cast<WORD>(IdOf(item.command))});
            }
        }
    }
    for (const layout::MenuLineKey& key : layout::MenuLineKeys()) {
        keys.push_back(
            {FVIRTKEY, VirtualKeyOf(key.stroke), static_cast<WORD>(kMenuLineId + key.line)});
    }
    accelerators_.reset(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
}

void MainWindow::SetMenuItemChecked(layout::Command command, bool checked) {
    CheckMenuItem(GetMenu(window_), static_cast<UINT>(IdOf(command)),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace quillon::win32
