#pragma once

#include "app/Launcher.h"

#include <QMainWindow>

class Quake2;

// The main window. Its creation reads the launcher settings; its final
// release writes them back.
class frmCorvale : public QMainWindow {
    Q_OBJECT
public:
    explicit frmCorvale(Quake2& game, QWidget* parent = nullptr);
    ~frmCorvale() override;

    Launcher& State() { return mLauncher; }

private:
    Launcher mLauncher;
};
