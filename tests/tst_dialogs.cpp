#include "client/ui/frmUserProfile.h"
#include "platform/FileDialogFilter.h"
#include "platform/SettingsStore.h"
#include "platform/TextViewer.h"
#include "prefs/ui/frmAbout.h"
#include "prefs/ui/frmOptions.h"
#include "prefs/ui/frmRandomPicture.h"
#include "server/ui/frmServer.h"
#include "support/DialogRecords.h"
#include "support/LayoutCheck.h"
#include "support/ScriptedPrompts.h"
#include "support/TestSupport.h"

#include <QtWidgets>

using namespace std::chrono_literals;

namespace {

void Click(QWidget& dialog, const char* button) {
    Find<QPushButton>(&dialog, button)->click();
}

void Type(QWidget& dialog, const char* box, const QString& text) {
    Find<QLineEdit>(&dialog, box)->setText(text);
}

QString Text(QWidget& dialog, const char* box) {
    return Find<QLineEdit>(&dialog, box)->text();
}

const QString kProgramsFilter = "Programs|*.exe;*.com;*.bat|All Files (*.*)|*.*";
const QString kPictureFilter = "All Picture Files|*.bmp;*.dib;*.gif;*.jpg;*.wmf;*.emf;*.ico;*.cur|"
                               "Bitmaps (*.bmp;*.dib)|*.bmp;*.dib|GIF Images (*.gif)|*.gif|"
                               "JPEG Images (*.jpg)|*.jpg|Metafiles (*.wmf;*.emf)|*.wmf;*.emf|"
                               "Icons (*.ico;*.cur)|*.ico;*.cur|All Files (*.*)|*.*|";

const QStringList kDialogs = {"frmServer", "frmUserProfile", "frmOptions", "frmRandomPicture",
                              "frmAbout"};

QString FocusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every caption fits, on every page and with the map controls shown; every
    // option button and check box takes a click anywhere in its box.
    void dialogsLookRight() {
        Records records;
        records.server.MapMode = ServerConfig::SpecificMap;
        for (const QString& name : kDialogs) {
            const std::unique_ptr<QDialog> dialog = records.Dialog(name);
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            const QStringList problems = LayoutProblemsOnEveryPage(dialog.get());
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
            for (QAbstractButton* box : dialog->findChildren<QAbstractButton*>()) {
                if (box->isVisible() && box->isEnabled() && box->isCheckable() &&
                    !box->isChecked()) {
                    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().bottomRight());
                    QVERIFY2(box->isChecked(), qPrintable(box->objectName()));
                }
            }
        }
    }

    // Tab from the first control walks the whole chain back to it, Shift+Tab
    // walks it backwards. In the server dialog the chain runs through the tab
    // bar, the page shown and the buttons below; Tab enters an option group at
    // its first option (the arrow keys move inside it).
    void keyboardReachesEveryControl_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("chain");
        const auto row = [](const char* tag, QString dialog, int page, QString chain) {
            QTest::newRow(tag) << dialog << page << chain;
        };
        const QString tabs = "qt_tabwidget_tabbar ", buttons = " cmdDefaults cmdOK cmdCancel";
        row("server, basic", "frmServer", 0,
            tabs +
                "cboSubgame optPlayerMode0 optDifficulty0 txtServerName txtMaxclients "
                "txtFraglimit txtTimelimit chkEnableCheats chkAllowDownload chkLogConsole" +
                buttons);
        row("server, map", "frmServer", 1,
            tabs + "optMap0 cboMapList lstMaps txtMapName cmdViewTextFile" + buttons);
        QString flags;
        for (int bit = 0; bit < ServerConfig::kDmFlagCount; ++bit)
            flags += QStringLiteral("chkDmflag%1 ").arg(bit);
        row("server, deathmatch flags", "frmServer", 2, tabs + flags.trimmed() + buttons);
        row("server, advanced", "frmServer", 3,
            tabs + "txtGravity chkSelectEmpty chkPublic txtExtraCommands" + buttons);
        row("profile", "frmUserProfile", 0,
            "txtProfileName cboConfigFile cmdEditFile cmdOK cmdCancel");
        row("options", "frmOptions", 0,
            "txtPath txtExecutable cmdBrowseExec txtTextViewer cmdBrowseViewer chkCloseOnLaunch "
            "cmdOK cmdCancel");
        row("picture", "frmRandomPicture", 0,
            "txtImageFile cmdBrowse chkStretchToFit cmdOK cmdCancel");
        row("about", "frmAbout", 0, "cmdOK");
    }
    void keyboardReachesEveryControl() {
        QFETCH(QString, dialog);
        QFETCH(int, page);
        QFETCH(QString, chain);
        Records records;
        records.server.MapMode = ServerConfig::SpecificMap;
        const std::unique_ptr<QDialog> window = records.Dialog(dialog);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        if (auto* tabs = window->findChild<QTabWidget*>())
            tabs->setCurrentIndex(page);
        const QStringList expected = chain.split(u' ');
        window->findChild<QWidget*>(expected.first())->setFocus();
        for (Qt::KeyboardModifier direction : {Qt::NoModifier, Qt::ShiftModifier}) {
            QStringList walked{FocusName()};
            for (qsizetype step = 0; step < expected.size(); ++step) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, direction);
                walked << FocusName();
            }
            QStringList loop = expected;
            if (direction == Qt::ShiftModifier)
                std::reverse(loop.begin() + 1, loop.end());
            QCOMPARE(walked, loop << expected.first());
        }
    }

    // A pasted line break becomes a blank in every one-line box.
    void oneLineBoxesTakeNoLineBreaks() {
        Records records;
        QApplication::clipboard()->setText(QStringLiteral("a\r\nb\nc"));
        QList<QLineEdit*> boxes;
        std::vector<std::unique_ptr<QDialog>> dialogs;
        for (const QString& name : kDialogs) {
            dialogs.push_back(records.Dialog(name));
            dialogs.back()->show();
            boxes << dialogs.back()->findChildren<QLineEdit*>();
        }
        WhenDialogOpens([&](QDialog* input) {
            auto* box = input->findChild<QLineEdit*>();
            box->end(false);
            box->paste();
            // Wide enough for an address with its port.
            QVERIFY(box->width() >= 360);
            input->accept();
        });
        QCOMPARE(Prompts::Input(nullptr, QStringLiteral("Address:"), QStringLiteral("x")),
                 "xa b c");
        QCOMPARE(boxes.size(), 19);
        // Pasted in the middle, the cursor ends after the pasted text.
        for (QLineEdit* box : boxes) {
            box->setText(QStringLiteral("xy"));
            box->setCursorPosition(1);
            box->paste();
            box->insert(QStringLiteral("z"));
            QCOMPARE(box->text(), "xa b czy");
        }
    }

    // The profile is stored only when the dialog closes with OK or Enter;
    // an empty name keeps it open with a message. Its files are the base
    // game's, whatever game was current.
    void profileStoresOnlyOnOk() {
        Records records;
        records.game.SetGame(QStringLiteral("ctf"));
        ScriptedPrompts prompts;
        frmUserProfile dialog(records.profile, records.game, records.options);
        dialog.show();
        auto* files = Find<QComboBox>(&dialog, "cboConfigFile");
        QCOMPARE(Entries(files->view()), QStringList({"autoexec.cfg", "server.cfg"}));
        files->setCurrentIndex(1);
        Click(dialog, "cmdOK");
        QVERIFY(dialog.isVisible());
        QCOMPARE(prompts.messages, QStringList{"You must enter a profile name"});
        Type(dialog, "txtProfileName", "Bob");
        Click(dialog, "cmdCancel");
        QCOMPARE(records.profile.ID, QString());
        dialog.show();
        Type(dialog, "txtProfileName", "  ");
        files->setEditText("mine.cfg");
        QTest::keyClick(files->lineEdit(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(records.profile.ID, "  ");
        QCOMPARE(records.profile.ConfigFile, "mine.cfg");
    }

    // The viewer is given the file as the game would find it (the profile's
    // in the base game, a map's text in the server's game first); a viewer
    // that cannot start, or fails a moment later ("sh" running the file's
    // "exit 4"), is reported with the file and the reason.
    void viewerOpensTheResolvedFile_data() {
        for (const char* column : {"dialog", "button", "message", "file"})
            QTest::addColumn<QString>(column);
        const auto row = [](QString dialog, QString button, QString message, QString file) {
            QTest::newRow(qPrintable(dialog)) << dialog << button << message << file;
        };
        row("frmUserProfile", "cmdEditFile", "Could not open config file", "baseq2/server.cfg");
        row("frmServer", "cmdViewTextFile", "Could not open text file", "ctf/maps/q2dm1.txt");
    }
    void viewerOpensTheResolvedFile() {
        QFETCH(QString, dialog);
        QFETCH(QString, button);
        QFETCH(QString, file);
        const QString viewer = dialog == "frmServer" ? "sh" : "no-such-viewer";
        Records records;
        records.installation.AddFile(file, "exit 4");
        records.options.Apply(records.game.Path(), "quake2", viewer, false);
        records.profile.ConfigFile = "server.cfg";
        records.server.Game = "ctf";
        records.server.MapMode = ServerConfig::SpecificMap;
        records.server.MapName = "q2dm1";
        const std::unique_ptr<QDialog> window = records.Dialog(dialog);
        window->show();
        QStringList box; // the real message box's text, icon and details
        WhenDialogOpens([&box](QDialog* shown) {
            auto* message = qobject_cast<QMessageBox*>(shown);
            box << message->text() << QString::number(message->icon()) << message->detailedText();
            message->accept();
        });
        Click(*window, qPrintable(button));
        QTRY_COMPARE(box.size(), 3);
        QTEST(box.takeFirst(), "message");
        QCOMPARE(box, QStringList({QString::number(QMessageBox::Warning),
                                   "Viewer: " + viewer + "\nFile: " +
                                       records.installation.Absolute(file) + "\nReason: " +
                                       (viewer == "sh" ? "The viewer ended with exit status 4."
                                                       : "No such file or directory") +
                                       "\n\nThe viewer can be changed under View > Options."}));
    }

    // A viewer that exits well, or runs on past the watch, is not reported.
    void viewerWatch_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::newRow("exits with 0") << QByteArray("exit 0");
        QTest::newRow("runs on") << QByteArray("while [ -e \"$0\" ]; do sleep 0.01; done");
    }
    void viewerWatch() {
        QFETCH(QByteArray, script);
        FakeInstallation folder; // its removal ends the one that runs on
        folder.AddFile("script", script);
        QList<bool> outcomes;
        // One that exits ends the watch at once.
        const std::chrono::milliseconds watch = script.startsWith("exit") ? 1h : 100ms;
        QVERIFY(StartTextViewer(
            "sh", folder.Absolute("script"),
            [&](const Result<>& outcome) { outcomes << outcome.Ok(); }, watch));
        QTRY_COMPARE(outcomes, QList<bool>{true});
    }

    // OK applies the entries before the executable is checked; Retry keeps
    // the dialog open, Cancel closes it.
    void optionsCheckKeepsAppliedValues() {
        Records records;
        ScriptedPrompts prompts;
        prompts.retryCancelAnswers << Prompts::Choice::Retry << Prompts::Choice::Cancel;
        frmOptions dialog(records.options);
        dialog.show();
        // Typed without the trailing separator, which the game object adds.
        Type(dialog, "txtPath", records.installation.Path().chopped(1));
        Type(dialog, "txtExecutable", QStringLiteral("missing"));
        Type(dialog, "txtTextViewer", QStringLiteral("my viewer"));
        Find<QCheckBox>(&dialog, "chkCloseOnLaunch")->setChecked(true);
        for (bool open : {true, false}) {
            Click(dialog, "cmdOK");
            QCOMPARE(dialog.isVisible(), open);
        }
        QCOMPARE(prompts.messages, QStringList(2, "Quake2 executable does not exist"));
        QCOMPARE(prompts.details,
                 QStringList(2, "There is no file " + records.installation.Path() + "missing."));
        SettingsStore stored;
        records.options.WriteSettings(stored);
        QVERIFY(stored.Save().Ok());
        QCOMPARE(records.settings.Raw("Options/Path"), records.installation.Path());
        QCOMPARE(records.settings.Raw("Options/Executable"), "missing");
        QCOMPARE(records.settings.Raw("Options/Viewer"), "my viewer");
        QCOMPARE(records.settings.Raw("Options/CloseOnLaunch"), "True");
    }

    void optionsBrowseFillsFieldsAndCancelAppliesNothing() {
        Records records;
        CurrentDirectoryGuard directory;
        ScriptedPrompts prompts;
        const QString viewer = records.installation.Absolute(QStringLiteral("bin/edit"));
        const QString folder = records.installation.Absolute(QStringLiteral("games"));
        prompts.fileAnswers << records.installation.Absolute(QStringLiteral("bin/q2.exe")) << viewer
                            << folder;
        const QString pathBefore = records.game.Path();
        const QString viewerBefore = records.options.TextViewer();
        frmOptions dialog(records.options);
        dialog.show();
        Click(dialog, "cmdBrowseExec");
        Click(dialog, "cmdBrowseViewer");
        Find<QCheckBox>(&dialog, "chkCloseOnLaunch")->setChecked(true);

        // Both dialogs start in the game's folder as typed; the first made it current.
        QCOMPARE(QDir(QDir::currentPath()), QDir(records.installation.Path()));
        QCOMPARE(prompts.fileFolders,
                 QStringList({records.installation.Path(), Text(dialog, "txtPath")}));
        QCOMPARE(prompts.fileFilters, QStringList({kProgramsFilter, kProgramsFilter}));
        QCOMPARE(Text(dialog, "txtPath"),
                 records.installation.Absolute(QStringLiteral("bin")) + QDir::separator());
        QCOMPARE(Text(dialog, "txtExecutable"), QStringLiteral("q2.exe"));
        QCOMPARE(Text(dialog, "txtTextViewer"), viewer);
        // The folder's own browse starts in it.
        Find<QAction>(&dialog, "cmdBrowsePath")->trigger();
        QCOMPARE(prompts.fileFolders.last(), prompts.fileFolders.at(1));
        QCOMPARE(Text(dialog, "txtPath"), folder + QDir::separator());

        // Opened again, the dialog shows the values in force, not the abandoned
        // entries.
        Click(dialog, "cmdCancel");
        dialog.show();
        QCOMPARE(Text(dialog, "txtPath"), pathBefore);
        QCOMPARE(Text(dialog, "txtExecutable"), QStringLiteral("quake2"));
        QCOMPARE(Text(dialog, "txtTextViewer"), viewerBefore);
        QVERIFY(!Find<QCheckBox>(&dialog, "chkCloseOnLaunch")->isChecked());
    }

    void pictureStoresOnlyOnOk_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("OK") << "cmdOK";
        QTest::newRow("Cancel") << "cmdCancel";
    }
    void pictureStoresOnlyOnOk() {
        QFETCH(QString, button);
        const bool ok = button == QLatin1String("cmdOK");
        Records records;
        records.picture.ImageFile = QStringLiteral("old.png");
        ScriptedPrompts prompts;
        prompts.fileAnswers << QStringLiteral("/pictures/new picture.bmp");
        frmRandomPicture dialog(records.picture);
        dialog.show();
        QCOMPARE(Text(dialog, "txtImageFile"), QStringLiteral("old.png"));
        Click(dialog, "cmdBrowse");
        Find<QCheckBox>(&dialog, "chkStretchToFit")->setChecked(true);
        Click(dialog, qPrintable(button));

        QVERIFY(!dialog.isVisible());
        QCOMPARE(records.picture.ImageFile, ok ? "/pictures/new picture.bmp" : "old.png");
        QCOMPARE(records.picture.StretchToFit, ok);
        QCOMPARE(dialog.result(), ok ? QDialog::Accepted : QDialog::Rejected);
        QCOMPARE(prompts.fileFilters, QStringList{kPictureFilter});
    }

    // The programs dialog starts in the folder given and shows folders and
    // executable files only, folders first and ignoring case, as every other
    // file dialog does.
    void programsDialogOrder() {
        QTemporaryDir folder;
        for (const char* name : {"b", "A"})
            QDir(folder.path()).mkdir(name);
        for (const char* name : {"c.sh", "B.sh", "a.txt"}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (QByteArray(name).endsWith(".sh"))
                file.setPermissions(file.permissions() | QFile::ExeOwner);
        }
        const QStringList expected = {"A", "b", "B.sh", "c.sh"};
        QStringList shown;
        WhenDialogOpens([&](QDialog* files) {
            auto* view = files->findChild<QListView*>(QStringLiteral("listView"));
            const auto names = [&] {
                shown.clear();
                for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                    shown << view->model()->index(row, 0, view->rootIndex()).data().toString();
                return shown;
            };
            (void)QTest::qWaitFor([&] { return names() == expected; });
            files->reject();
        });
        QCOMPARE(Prompts::OpenFile(nullptr, kProgramsFilter, folder.path()), QString());
        QCOMPARE(shown, expected);
        // "*.*" also takes names without a dot, such as "quake2".
        QCOMPARE(ToQtFilters(ParseFileDialogFilter(kProgramsFilter)),
                 QStringList({"Programs (*.exe *.com *.bat)", "All Files (*.*) (*)"}));
    }
};

CORVALE_WIDGET_TEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
