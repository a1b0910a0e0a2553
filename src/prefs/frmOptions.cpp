#include "prefs/frmOptions.h"
#include "ui_frmOptions.h"

#include "game/Quake2.h"
#include "platform/FileSystem.h"
#include "platform/Prompts.h"
#include "prefs/Options.h"

#include <QDir>
#include <QShowEvent>

namespace {
const QString kProgramsFilter = QStringLiteral("Programs|*.exe;*.com;*.bat|All Files (*.*)|*.*");
}

frmOptions::frmOptions(Options& options, QWidget* parent)
    : QDialog(parent), mUi(std::make_unique<Ui::frmOptions>()), mOptions(options) {
    mUi->setupUi(this);
    connect(mUi->cmdBrowseExec, &QPushButton::clicked, this, &frmOptions::BrowseExecutable);
    connect(mUi->cmdBrowseViewer, &QPushButton::clicked, this, &frmOptions::BrowseTextViewer);
    connect(mUi->cmdOK, &QPushButton::clicked, this, &frmOptions::ApplyAndCheck);
    connect(mUi->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

frmOptions::~frmOptions() = default;

void frmOptions::showEvent(QShowEvent* event) {
    // Every showing starts from the values in force.
    if (!event->spontaneous())
        FillControls();
    QDialog::showEvent(event);
}

void frmOptions::FillControls() {
    mUi->txtPath->setText(mOptions.mGame.Path());
    mUi->txtExecutable->setText(mOptions.mGame.Executable());
    mUi->txtTextViewer->setText(mOptions.TextViewer());
    mUi->chkCloseOnLaunch->setChecked(mOptions.CloseOnLaunch());
}

void frmOptions::BrowseExecutable() {
    // The file dialog opens in the current directory, so start it in the
    // game's folder when that folder holds any file.
    const QString folder = mUi->txtPath->text();
    if (!FileSystem::List(folder + QStringLiteral("*.*"), FileSystem::Entries::FilesOnly).isEmpty())
        QDir::setCurrent(folder);

    const QString file = Prompts::OpenFile(this, kProgramsFilter);
    if (file.isEmpty())
        return;
    const qsizetype cut = file.lastIndexOf(Quake2::Separator());
    mUi->txtExecutable->setText(file.mid(cut + 1));
    mUi->txtPath->setText(cut < 0 ? Quake2::Separator() : file.left(cut + 1));
}

void frmOptions::BrowseTextViewer() {
    const QString file = Prompts::OpenFile(this, kProgramsFilter);
    if (!file.isEmpty())
        mUi->txtTextViewer->setText(file);
}

void frmOptions::ApplyAndCheck() {
    mOptions.Apply(mUi->txtPath->text(), mUi->txtExecutable->text(), mUi->txtTextViewer->text(),
                   mUi->chkCloseOnLaunch->isChecked());
    // The entries stay in force whatever the answer: the user may keep a game
    // that is not installed yet, or correct the entries with Retry.
    if (!mOptions.ExecutableExists() &&
        Prompts::RetryCancel(this, tr("Quake2 executable does not exist")) ==
            Prompts::Choice::Retry)
        return;
    accept();
}
