#pragma once

#include "prefs/RandomPicture.h"

#include <QCoreApplication>
#include <QObject>

class QLabel;
class SettingsStore;

// The main window's picture: shown in its box, and chosen anew with the
// picture dialog on a double click.
class PictureBox : public QObject {
    Q_DECLARE_TR_FUNCTIONS(PictureBox)

public:
    explicit PictureBox(QLabel& box);

    // Reads the picture setting and shows the picture at its own size; a
    // picture that cannot be shown leaves the box empty, silently.
    void ReadSettings(const SettingsStore& settings);
    void WriteSettings(SettingsStore& settings) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Choose();
    void Show(bool afterDialog);

    QLabel& mBox;
    RandomPicture mPicture;
};
