#include <windows.h>

#include <commctrl.h>

#include "MainWindow.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    quillon::win32::MainWindow window(quillon::RealEnvironment());
    if (!window.TheForm().OnStart()) {
        return 0;
    }
    ShowWindow(window.Handle(), showCommand);
    SetFocus(GetDlgItem(window.Handle(), quillon::win32::MainWindow::kKeypadId));
    UpdateWindow(window.Handle());

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(window.Handle(), window.Accelerators(), &message) ||
            IsDialogMessageW(window.Handle(), &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
