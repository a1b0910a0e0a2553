#include "prefs/ui/frmOptions.h"
#include "ui_frmOptions.h"

#include "game/Quake2.h"
#include "platform/FileSystem.h"
#include "prefs/Options.h"
#include "widgets/Prompts.h"
#include "widgets/SingleLine.h"

#include <QAction>
#include <QDir>
#include <QStyle>

namespace {
QString ProgramsFilter() {
    return QStringLiteral("%1|*.exe;*.com;*.bat|%2|*.*")
        .arg(frmOptions::tr("Programs"), frmOptions::tr("All Files (*.*)"));
}
} // namespace

frmOptions::frmOptions(Options& options, QWidget* parent)
    : RecordDialog(parent), ui(std::make_unique<Ui::frmOptions>()), mRecord(options) {
    ui->setupUi(this);
    KeepSingleLine(this);
    QAction* browsePath = ui->txtPath->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                                 QLineEdit::TrailingPosition);
    browsePath->setObjectName(QStringLiteral("cmdBrowsePath"));
    browsePath->setToolTip(tr("Choose the Quake2 folder"));
    connect(browsePath, &QAction::triggered, this, &frmOptions::BrowsePath);
    connect(ui->cmdBrowseExec, &QPushButton::clicked, this, &frmOptions::BrowseExecutable);
    connect(ui->cmdBrowseViewer, &QPushButton::clicked, this, &frmOptions::BrowseTextViewer);
    BindButtons(ui->cmdOK, ui->cmdCancel);
}

frmOptions::~frmOptions() = default;

void frmOptions::FillControls() {
    ui->txtPath->setText(mRecord.GamePath());
    ui->txtExecutable->setText(mRecord.GameExecutable());
    ui->txtTextViewer->setText(mRecord.TextViewer());
    ui->chkCloseOnLaunch->setChecked(mRecord.CloseOnLaunch());
}

void frmOptions::BrowsePath() {
    QString folder = Prompts::OpenFolder(this, ui->txtPath->text());
    if (folder.isEmpty())
        return;
    if (!folder.endsWith(Quake2::Separator()))
        folder += Quake2::Separator();
    ui->txtPath->setText(folder);
}

void frmOptions::BrowseExecutable() {
    // A game folder that holds any file stays the current directory after the
    // browse, also when it is cancelled.
    const QString folder = ui->txtPath->text();
    if (!FileSystem::List(folder + QStringLiteral("*.*"), FileSystem::Entries::FilesOnly).isEmpty())
        QDir::setCurrent(folder);

    const QString file = Prompts::OpenFile(this, ProgramsFilter(), folder);
    if (file.isEmpty())
        return;
    const qsizetype cut = file.lastIndexOf(Quake2::Separator());
    ui->txtExecutable->setText(file.mid(cut + 1));
    ui->txtPath->setText(cut < 0 ? Quake2::Separator() : file.left(cut + 1));
}

void frmOptions::BrowseTextViewer() {
    const QString file = Prompts::OpenFile(this, ProgramsFilter(), ui->txtPath->text());
    if (!file.isEmpty())
        ui->txtTextViewer->setText(file);
}

void frmOptions::StoreAndClose() {
    mRecord.Apply(ui->txtPath->text(), ui->txtExecutable->text(), ui->txtTextViewer->text(),
                  ui->chkCloseOnLaunch->isChecked());
    // The entries stay in force whatever the answer: the user may keep a game
    // that is not installed yet, or correct the entries with Retry.
    if (!mRecord.ExecutableExists() &&
        Prompts::RetryCancel(
            this, tr("Quake2 executable does not exist"),
            tr("There is no file %1.").arg(QDir::toNativeSeparators(mRecord.ProgramPath()))) ==
            Prompts::Choice::Retry)
        return;
    accept();
}
