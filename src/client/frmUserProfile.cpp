#include "client/frmUserProfile.h"
#include "ui_frmUserProfile.h"

#include "client/UserProfile.h"
#include "common/TextViewer.h"
#include "game/Quake2.h"
#include "platform/Prompts.h"
#include "prefs/Options.h"

#include <QShowEvent>

frmUserProfile::frmUserProfile(UserProfile& profile, Quake2& game, const Options& options,
                               QWidget* parent)
    : QDialog(parent), mUi(std::make_unique<Ui::frmUserProfile>()), mProfile(profile), mGame(game),
      mOptions(options) {
    mUi->setupUi(this);
    connect(mUi->cmdOK, &QPushButton::clicked, this, &frmUserProfile::StoreAndClose);
    connect(mUi->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(mUi->cmdEditFile, &QPushButton::clicked, this, &frmUserProfile::EditConfigFile);
}

frmUserProfile::~frmUserProfile() = default;

void frmUserProfile::showEvent(QShowEvent* event) {
    // Every showing starts from the record and from what is on disk now.
    if (!event->spontaneous())
        FillControls();
    QDialog::showEvent(event);
}

void frmUserProfile::FillControls() {
    // Config files are looked up in the base game directory.
    mGame.SetGame(QString());
    mUi->cboConfigFile->clear();
    mUi->cboConfigFile->addItems(mGame.ListFiles(QStringLiteral("*.cfg")));
    mUi->txtProfileName->setText(mProfile.ID);
    const int index = mUi->cboConfigFile->findText(mProfile.ConfigFile,
                                                   Qt::MatchExactly | Qt::MatchCaseSensitive);
    mUi->cboConfigFile->setCurrentIndex(index);
    // A file that is not on disk still shows by its name.
    if (index < 0)
        mUi->cboConfigFile->setEditText(mProfile.ConfigFile);
}

void frmUserProfile::StoreAndClose() {
    const QString name = mUi->txtProfileName->text();
    if (name.isEmpty()) {
        Prompts::Message(this, tr("You must enter a profile name"), Prompts::Icon::Warning);
        return;
    }
    mProfile.ID = name;
    mProfile.ConfigFile = mUi->cboConfigFile->currentText();
    accept();
}

void frmUserProfile::EditConfigFile() {
    const QString fileName = mUi->cboConfigFile->currentText();
    if (fileName.isEmpty())
        return;
    if (const Result<> started = StartTextViewer(mOptions.TextViewer(), mGame.FilePath(fileName));
        !started)
        Prompts::Message(this, tr("Could not open config file"), Prompts::Icon::Warning,
                         QStringLiteral("Corvale"), started.Error());
}
