#include "prefs/ui/frmAbout.h"
#include "ui_frmAbout.h"

#include "Version.h"

frmAbout::frmAbout(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::frmAbout>()) {
    ui->setupUi(this);
    ui->lblVersion->setText(tr("Version %1.%2.%3")
                                .arg(CORVALE_VERSION_MAJOR)
                                .arg(CORVALE_VERSION_MINOR)
                                .arg(CORVALE_VERSION_REVISION));
    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

frmAbout::~frmAbout() = default;
