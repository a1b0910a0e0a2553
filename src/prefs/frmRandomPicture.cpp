#include "prefs/frmRandomPicture.h"
#include "ui_frmRandomPicture.h"

#include "platform/Prompts.h"
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
    : QDialog(parent), mUi(std::make_unique<Ui::frmRandomPicture>()), mPicture(picture) {
    mUi->setupUi(this);
    connect(mUi->cmdBrowse, &QPushButton::clicked, this, &frmRandomPicture::Browse);
    connect(mUi->cmdOK, &QPushButton::clicked, this, &frmRandomPicture::StoreAndClose);
    connect(mUi->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

frmRandomPicture::~frmRandomPicture() = default;

void frmRandomPicture::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FillControls();
    QDialog::showEvent(event);
}

void frmRandomPicture::FillControls() {
    mUi->txtImageFile->setText(mPicture.ImageFile);
    mUi->chkStretchToFit->setChecked(mPicture.StretchToFit);
    mPicture.OK = false;
}

void frmRandomPicture::Browse() {
    const QString file = Prompts::OpenFile(this, kPictureFilter);
    if (!file.isEmpty())
        mUi->txtImageFile->setText(file);
}

void frmRandomPicture::StoreAndClose() {
    mPicture.ImageFile = mUi->txtImageFile->text();
    mPicture.StretchToFit = mUi->chkStretchToFit->isChecked();
    mPicture.OK = true;
    accept();
}
