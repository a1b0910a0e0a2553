#include "widgets/Prompts.h"

#include "platform/FileDialogFilter.h"
#include "widgets/SingleLine.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>

#include <utility>

namespace Prompts {
namespace {

constexpr int kInputFieldWidth = 360;

#ifndef Q_OS_WIN
// Shows folders and executable files only; used for the programs entry (the
// one for *.exe files, in whatever language it is named), since programs
// here have no common file name ending.
class ExecutableFilesProxy : public QSortFilterProxyModel {
public:
    bool mActive = true;

    // The file model sorts as every other file dialog does (folders first,
    // case ignored); the proxy keeps its order instead of sorting by text.
    void sort(int column, Qt::SortOrder order) override {
        if (sourceModel())
            sourceModel()->sort(column, order);
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        if (!mActive)
            return true;
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files)
            return true;
        const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
        return info.isDir() || info.isExecutable();
    }
};
#endif

QString StartFolder(const QString& folder) {
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QDir::current().isRoot() ? QDir::homePath() : QDir::currentPath();
}

// The handler in charge; none while the real dialogs answer.
Handler* gCurrent = nullptr;

// The real dialogs.
struct Dialogs {
    static void Message(QWidget* parent, const QString& text, Icon icon, const QString& caption,
                        const QString& details) {
        QMessageBox box(parent);
        box.setWindowTitle(caption);
        box.setText(text);
        if (!details.isEmpty())
            box.setDetailedText(details);
        box.setIcon(icon == Icon::Critical  ? QMessageBox::Critical
                    : icon == Icon::Warning ? QMessageBox::Warning
                                            : QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }

    static Choice RetryCancel(QWidget* parent, const QString& text, const QString& details) {
        QMessageBox box(QMessageBox::Warning, kProgramName, text,
                        QMessageBox::Retry | QMessageBox::Cancel, parent);
        if (!details.isEmpty())
            box.setDetailedText(details);
        box.setDefaultButton(QMessageBox::Retry);
        return box.exec() == QMessageBox::Retry ? Choice::Retry : Choice::Cancel;
    }

    static int Choose(QWidget* parent, const QString& text, const QStringList& choices) {
        QMessageBox box(QMessageBox::Question, kProgramName, text, QMessageBox::Cancel, parent);
        QList<QAbstractButton*> buttons;
        for (const QString& choice : choices)
            buttons << box.addButton(choice, QMessageBox::AcceptRole);
        if (!buttons.isEmpty())
            box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
        box.exec();
        return static_cast<int>(buttons.indexOf(box.clickedButton()));
    }

    static QString Input(QWidget* parent, const QString& prompt, const QString& defaultText) {
        QInputDialog dialog(parent);
        dialog.setWindowTitle(kProgramName);
        dialog.setLabelText(prompt);
        dialog.setTextValue(defaultText);
        // Wide enough for a host name with its port.
        if (auto* field = dialog.findChild<QLineEdit*>())
            field->setMinimumWidth(kInputFieldWidth);
        KeepSingleLine(&dialog);
        return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
    }

    static QString OpenFile(QWidget* parent, const QString& filter, const QString& folder) {
        QList<FileDialogFilterEntry> entries = ParseFileDialogFilter(filter);
        QFileDialog dialog(parent);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        // Always set: Qt would otherwise reopen the folder of the previous
        // browse.
        dialog.setDirectory(StartFolder(folder));
#ifndef Q_OS_WIN
        qsizetype programsEntry = -1;
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (entries.at(i).patterns.contains(QLatin1String("*.exe"), Qt::CaseInsensitive)) {
                programsEntry = i;
                entries[i].patterns = QStringList{QStringLiteral("*")};
            }
        }
        if (programsEntry >= 0) {
            dialog.setOption(QFileDialog::DontUseNativeDialog);
            auto* proxy = new ExecutableFilesProxy;
            dialog.setProxyModel(proxy);
            const QString programsFilter = ToQtFilters({entries.at(programsEntry)}).first();
            QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                             [proxy, programsFilter](const QString& chosen) {
                                 proxy->mActive = chosen == programsFilter;
                                 proxy->invalidate();
                             });
            proxy->mActive = programsEntry == 0;
        }
#endif
        const QStringList filters = ToQtFilters(entries);
        // The descriptions already name their patterns.
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setNameFilters(filters);
        if (!filters.isEmpty())
            dialog.selectNameFilter(filters.first());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return QDir::toNativeSeparators(dialog.selectedFiles().first());
    }

    static QString OpenFolder(QWidget* parent, const QString& folder) {
        return QDir::toNativeSeparators(
            QFileDialog::getExistingDirectory(parent, QString(), StartFolder(folder)));
    }
};

} // namespace

Handler::Handler() : mPrevious(std::exchange(gCurrent, this)) {}

Handler::~Handler() {
    gCurrent = mPrevious;
}

void Message(QWidget* parent, const QString& text, Icon icon, const QString& details,
             const QString& caption) {
    if (gCurrent)
        gCurrent->Message(parent, text, icon, caption, details);
    else
        Dialogs::Message(parent, text, icon, caption, details);
}

Choice RetryCancel(QWidget* parent, const QString& text, const QString& details) {
    return gCurrent ? gCurrent->RetryCancel(parent, text, details)
                    : Dialogs::RetryCancel(parent, text, details);
}

int Choose(QWidget* parent, const QString& text, const QStringList& choices) {
    return gCurrent ? gCurrent->Choose(parent, text, choices)
                    : Dialogs::Choose(parent, text, choices);
}

QString Input(QWidget* parent, const QString& prompt, const QString& defaultText) {
    return gCurrent ? gCurrent->Input(parent, prompt, defaultText)
                    : Dialogs::Input(parent, prompt, defaultText);
}

QString OpenFile(QWidget* parent, const QString& filter, const QString& folder) {
    return gCurrent ? gCurrent->OpenFile(parent, filter, folder)
                    : Dialogs::OpenFile(parent, filter, folder);
}

QString OpenFolder(QWidget* parent, const QString& folder) {
    return gCurrent ? gCurrent->OpenFolder(parent, folder) : Dialogs::OpenFolder(parent, folder);
}

} // namespace Prompts
