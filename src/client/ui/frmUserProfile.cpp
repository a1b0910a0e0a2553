#include "client/ui/frmUserProfile.h"
#include "ui_frmUserProfile.h"

#include "client/UserProfile.h"
#include "game/Quake2.h"
#include "prefs/Options.h"
#include "widgets/OpenInViewer.h"
#include "widgets/Prompts.h"
#include "widgets/SingleLine.h"

frmUserProfile::frmUserProfile(UserProfile& profile, Quake2& game, const Options& options,
                               QWidget* parent)
    : RecordDialog(parent), ui(std::make_unique<Ui::frmUserProfile>()), mRecord(profile),
      mGame(game), mOptions(options) {
    ui->setupUi(this);
    KeepSingleLine(this);
    BindButtons(ui->cmdOK, ui->cmdCancel);
    connect(ui->cmdEditFile, &QPushButton::clicked, this, &frmUserProfile::EditConfigFile);
}

frmUserProfile::~frmUserProfile() = default;

void frmUserProfile::FillControls() {
    // Config files are looked up in the base game directory.
    mGame.SetGame(QString());
    ui->cboConfigFile->clear();
    ui->cboConfigFile->addItems(mGame.ListFiles(QStringLiteral("*.cfg")));
    ui->txtProfileName->setText(mRecord.ID);
    const int index =
        ui->cboConfigFile->findText(mRecord.ConfigFile, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ui->cboConfigFile->setCurrentIndex(index);
    // A file that is not on disk still shows by its name.
    if (index < 0)
        ui->cboConfigFile->setEditText(mRecord.ConfigFile);
}

void frmUserProfile::StoreAndClose() {
    const QString name = ui->txtProfileName->text();
    if (name.isEmpty()) {
        Prompts::Message(this, tr("You must enter a profile name"), Prompts::Icon::Warning);
        return;
    }
    mRecord.ID = name;
    mRecord.ConfigFile = ui->cboConfigFile->currentText();
    accept();
}

void frmUserProfile::EditConfigFile() {
    const QString fileName = ui->cboConfigFile->currentText();
    if (fileName.isEmpty())
        return;
    OpenInViewer(this, mOptions.TextViewer(), mGame.FilePath(fileName),
                 tr("Could not open config file"), Prompts::Icon::Warning);
}
