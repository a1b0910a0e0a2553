#pragma once

#include <QString>

class SettingsStore;

// The picture shown in the main window: which file and whether to stretch
// it, kept in the "Options" settings.
class RandomPicture {
public:
    void ReadSettings(const SettingsStore& settings);
    void WriteSettings(SettingsStore& settings) const;

    QString ImageFile;
    bool StretchToFit = false;
};
