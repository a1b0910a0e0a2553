#pragma once

#include <QString>

// The picture shown in the main window: which file and whether to stretch it.
// Created from the "Options" settings; Save() writes both keys back.
class RandomPicture {
public:
    RandomPicture();

    void Save() const;

    QString ImageFile;
    bool StretchToFit = false;
    // True when the last showing of the dialog ended with OK.
    bool OK = false;
};
