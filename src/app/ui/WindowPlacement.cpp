#include "app/ui/WindowPlacement.h"

#include "platform/SettingsStore.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

int Pixels(int twips) {
    return qRound(double(twips) / kTwipsPerPixel);
}

QRect DefaultPlacement() {
    return QRect(Pixels(Setting::MainLeft.defaultValue), Pixels(Setting::MainTop.defaultValue),
                 Pixels(Setting::MainWidth.defaultValue), Pixels(Setting::MainHeight.defaultValue));
}

bool InBounds(const TwipsSetting& setting, int pixels) {
    const qint64 twips = qint64(pixels) * kTwipsPerPixel;
    return twips >= setting.minimum && twips <= setting.maximum;
}

// A placement the user can reach: every value within what the settings take
// back, and a good part of the window (100 by 50 pixels) on some screen.
bool Usable(const QRect& placement) {
    if (!InBounds(Setting::MainLeft, placement.x()) || !InBounds(Setting::MainTop, placement.y()) ||
        !InBounds(Setting::MainWidth, placement.width()) ||
        !InBounds(Setting::MainHeight, placement.height()))
        return false;
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return true;
    for (const QScreen* screen : screens) {
        const QRect visible = screen->availableGeometry().intersected(placement);
        if (visible.width() >= 100 && visible.height() >= 50)
            return true;
    }
    return false;
}

} // namespace

void WindowPlacement::ReadSettings(const SettingsStore& settings) {
    const std::optional<int> left = settings.Read(Setting::MainLeft);
    const std::optional<int> top = settings.Read(Setting::MainTop);
    const std::optional<int> width = settings.Read(Setting::MainWidth);
    const std::optional<int> height = settings.Read(Setting::MainHeight);
    QRect placement;
    if (left && top && width && height)
        placement = QRect(Pixels(*left), Pixels(*top), Pixels(*width), Pixels(*height));
    if (!Usable(placement))
        placement = DefaultPlacement();
    mWindow.move(placement.topLeft());
    // The window is laid out for its stated size and cannot be made smaller.
    mWindow.resize(placement.size().expandedTo(mWindow.minimumSizeHint()));
}

void WindowPlacement::WriteSettings(SettingsStore& settings) const {
    if (mWindow.isMinimized())
        return;
    QRect placement(mWindow.pos(), mWindow.size());
    if (!Usable(placement))
        placement = DefaultPlacement();
    settings.Write(Setting::MainLeft, placement.x() * kTwipsPerPixel);
    settings.Write(Setting::MainTop, placement.y() * kTwipsPerPixel);
    settings.Write(Setting::MainWidth, placement.width() * kTwipsPerPixel);
    settings.Write(Setting::MainHeight, placement.height() * kTwipsPerPixel);
}
