#include "prefs/frmRandomPicture.h"
#include "ui_frmRandomPicture.h"

#include "platform/Prompts.h"
#include "platform/SingleLine.h"
#include "prefs/RandomPicture.h"

#include <QShowEvent>

namespace {
const QString kPictureFilter =
    QStringLiteral("All Picture Files|*.bmp;*.dib;*.gif;*.jpg;*.wmf;*.emf;*.ico;*.cur|"
                   "Bitmaps (*.bmp;*.dib)|*.bmp;*.dib|"
                   "GIF Images (*.gif)|*.gif|"
                   "JPEG Images (*.jpg)|*.jpg|"
                   "Metafiles (*.wmf;*.emf)|*.wmf;*.emf|"
                   "Icons (*.ico;*.cur)|*.ico;*.cur|"
                   "All Files (*.*)|*.*|");
}

frmRandomPicture::frmRandomPicture(RandomPicture& picture, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmRandomPicture>()), mRecord(picture) {
    ui->setupUi(this);
    KeepSingleLine(this);
    connect(ui->cmdBrowse, &QPushButton::clicked, this, &frmRandomPicture::Browse);
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmRandomPicture::StoreAndClose);
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

frmRandomPicture::~frmRandomPicture() = default;

void frmRandomPicture::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FillControls();
    QDialog::showEvent(event);
}

void frmRandomPicture::FillControls() {
    ui->txtImageFile->setText(mRecord.ImageFile);
    ui->chkStretchToFit->setChecked(mRecord.StretchToFit);
    mRecord.OK = false;
}

void frmRandomPicture::Browse() {
    const QString file = Prompts::OpenFile(this, kPictureFilter);
    if (!file.isEmpty())
        ui->txtImageFile->setText(file);
}

void frmRandomPicture::StoreAndClose() {
    mRecord.ImageFile = ui->txtImageFile->text();
    mRecord.StretchToFit = ui->chkStretchToFit->isChecked();
    mRecord.OK = true;
    accept();
}
