#include "prefs/ui/frmRandomPicture.h"
#include "ui_frmRandomPicture.h"

#include "prefs/RandomPicture.h"
#include "widgets/Prompts.h"
#include "widgets/SingleLine.h"

namespace {
QString PictureFilter() {
    return QStringLiteral("%1|*.bmp;*.dib;*.gif;*.jpg;*.wmf;*.emf;*.ico;*.cur|%2|*.bmp;*.dib|"
                          "%3|*.gif|%4|*.jpg|%5|*.wmf;*.emf|%6|*.ico;*.cur|%7|*.*|")
        .arg(frmRandomPicture::tr("All Picture Files"),
             frmRandomPicture::tr("Bitmaps (*.bmp;*.dib)"),
             frmRandomPicture::tr("GIF Images (*.gif)"),
             frmRandomPicture::tr("JPEG Images (*.jpg)"),
             frmRandomPicture::tr("Metafiles (*.wmf;*.emf)"),
             frmRandomPicture::tr("Icons (*.ico;*.cur)"), frmRandomPicture::tr("All Files (*.*)"));
}
} // namespace

frmRandomPicture::frmRandomPicture(RandomPicture& picture, QWidget* parent)
    : RecordDialog(parent), ui(std::make_unique<Ui::frmRandomPicture>()), mRecord(picture) {
    ui->setupUi(this);
    KeepSingleLine(this);
    connect(ui->cmdBrowse, &QPushButton::clicked, this, &frmRandomPicture::Browse);
    BindButtons(ui->cmdOK, ui->cmdCancel);
}

frmRandomPicture::~frmRandomPicture() = default;

void frmRandomPicture::FillControls() {
    ui->txtImageFile->setText(mRecord.ImageFile);
    ui->chkStretchToFit->setChecked(mRecord.StretchToFit);
}

void frmRandomPicture::Browse() {
    const QString file = Prompts::OpenFile(this, PictureFilter());
    if (!file.isEmpty())
        ui->txtImageFile->setText(file);
}

void frmRandomPicture::StoreAndClose() {
    mRecord.ImageFile = ui->txtImageFile->text();
    mRecord.StretchToFit = ui->chkStretchToFit->isChecked();
    accept();
}
