#include "app/frmCorvale.h"

frmCorvale::frmCorvale(Quake2& game, QWidget* parent) : QMainWindow(parent), mLauncher(game) {
    setWindowTitle(tr("Corvale"));
    resize(514, 511);
}

frmCorvale::~frmCorvale() {
    mLauncher.WriteSettings();
}
