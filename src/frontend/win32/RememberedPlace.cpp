// The window's place, remembered for the user as it closes and taken again at the next start.
#include "RememberedPlace.h"

#include "DesktopPlaces.h"
#include "MainWindow.h"
#include "WindowClasses.h"
#include "platform/Registry.h"

namespace quillon::win32 {
namespace {

// Where the window's place is remembered for the user.
constexpr char kSettingsKey[] = "Software\\Quillon";
constexpr char kPlaceValue[] = "WindowPlace";

}  // namespace

std::optional<ScreenRect> PlaceToOpenAt() {
    const std::optional<std::string> remembered =
        RegistryText(RegistryRoot::CurrentUser, kSettingsKey, kPlaceValue);
    return OpeningPlace(remembered ? PlaceFromText(*remembered) : std::nullopt, DisplayWorkAreas(),
                        WindowsOfClass(kWindowClass),
                        GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME));
}

void MainWindow::RememberPlace() const {
    const RECT place = RestoredPlaceOf(window_);
    // Not remembered, the next run opens where the system puts it: nothing to tell.
    static_cast<void>(SetRegistryText(RegistryRoot::CurrentUser, kSettingsKey, kPlaceValue,
                                      PlaceText(ScreenRectOf(place))));
}

}  // namespace quillon::win32
