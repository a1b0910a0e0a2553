#include "app/ui/PictureBox.h"

#include "prefs/ui/frmRandomPicture.h"
#include "widgets/Prompts.h"

#include <QEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>

PictureBox::PictureBox(QLabel& box) : mBox(box) {
    mBox.installEventFilter(this);
}

void PictureBox::ReadSettings(const SettingsStore& settings) {
    mPicture.ReadSettings(settings);
    Show(false);
}

void PictureBox::WriteSettings(SettingsStore& settings) const {
    mPicture.WriteSettings(settings);
}

bool PictureBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonDblClick)
        return QObject::eventFilter(watched, event);
    Choose();
    return true;
}

void PictureBox::Choose() {
    frmRandomPicture dialog(mPicture, mBox.window());
    if (dialog.exec() == QDialog::Accepted)
        Show(true);
}

// Loads the picture into the box. At start-up a failure is silent and the
// picture is shown unscaled; after the dialog the stretch setting applies and
// a failure is reported with the loader's own words.
void PictureBox::Show(bool afterDialog) {
    mBox.clear();
    mBox.resize(204, 204);
    if (afterDialog)
        mBox.setScaledContents(mPicture.StretchToFit);
    if (mPicture.ImageFile.isEmpty())
        return;
    // Reading a FIFO or a device would block for good: only ordinary files
    // are opened.
    const QFileInfo file(mPicture.ImageFile);
    if (file.exists() && !file.isFile()) {
        if (afterDialog)
            Prompts::Message(mBox.window(), tr("Not an ordinary file"), Prompts::Icon::Warning);
        return;
    }
    QImageReader reader(mPicture.ImageFile);
    const QImage image = reader.read();
    if (image.isNull()) {
        if (afterDialog)
            Prompts::Message(mBox.window(), reader.errorString(), Prompts::Icon::Warning);
        return;
    }
    mBox.setPixmap(QPixmap::fromImage(image));
}
