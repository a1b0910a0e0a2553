#pragma once

#include <QString>

class SettingsStore;

// The picture shown in the main window: which file and whether to stretch it.
// Created from the "Options" settings; Save() hands both keys back to
// the settings.
class RandomPicture {
public:
    RandomPicture();

    void Save(SettingsStore& settings) const;

    QString ImageFile;
    bool StretchToFit = false;
    // True when the last showing of the dialog ended with OK.
    bool OK = false;
};
