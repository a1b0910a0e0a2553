#pragma once

class QWidget;
class SettingsStore;

// Where a window stood at the end of the last run, kept in the settings in
// twips: used whole or not at all, so that a damaged or unreachable stored
// placement gives the default one.
class WindowPlacement {
public:
    explicit WindowPlacement(QWidget& window) : mWindow(window) {}

    void ReadSettings(const SettingsStore& settings);
    // A minimized window keeps the stored placement.
    void WriteSettings(SettingsStore& settings) const;

private:
    QWidget& mWindow;
};
