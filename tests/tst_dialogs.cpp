#include "client/UserProfile.h"
#include "client/frmUserProfile.h"
#include "game/Quake2.h"
#include "prefs/Options.h"
#include "prefs/RandomPicture.h"
#include "prefs/frmAbout.h"
#include "prefs/frmOptions.h"
#include "prefs/frmRandomPicture.h"
#include "support/LayoutCheck.h"
#include "support/ScriptedPrompts.h"
#include "support/TestSupport.h"

#include <QtWidgets>

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

// The records the dialogs edit, on a temporary installation and settings.
struct Records {
    Records() {
        for (const char* file :
             {"baseq2/server.cfg", "baseq2/autoexec.cfg", "baseq2/readme.txt", "ctf/ctf.cfg"})
            installation.AddFile(QString::fromLatin1(file));
        installation.AddFile(QStringLiteral("quake2"));
        game.SetPath(installation.Path());
        game.SetExecutable(QStringLiteral("quake2"));
    }

    TemporarySettings settings;
    FakeInstallation installation;
    Quake2 game;
    Options options{game};
    UserProfile profile;
    RandomPicture picture;
};

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dialogsLookRight() {
        Records records;
        frmUserProfile profile(records.profile, records.game, records.options);
        frmOptions options(records.options);
        frmRandomPicture picture(records.picture);
        frmAbout about;
        for (QDialog* dialog : QList<QDialog*>{&profile, &options, &picture, &about}) {
            dialog->show();
            QCOMPARE(LayoutProblems(dialog), QStringList());
        }
    }

    void profileShowsStoredConfigFile_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("selected");
        QTest::newRow("listed name is selected") << QStringLiteral("server.cfg") << 1;
        QTest::newRow("other case is only typed") << QStringLiteral("Server.cfg") << -1;
        QTest::newRow("none") << QString() << -1;
    }
    void profileShowsStoredConfigFile() {
        QFETCH(QString, stored);
        Records records;
        records.profile = {QStringLiteral("Player"), stored};
        // The dialog lists the base game's files whatever game was current.
        records.game.SetGame(QStringLiteral("ctf"));
        frmUserProfile dialog(records.profile, records.game, records.options);
        dialog.show();
        auto* files = Find<QComboBox>(&dialog, "cboConfigFile");
        QCOMPARE(records.game.Game(), QString());
        QCOMPARE(files->count(), 2);
        QCOMPARE(files->itemText(0), QStringLiteral("autoexec.cfg"));
        QTEST(files->currentIndex(), "selected");
        QCOMPARE(files->currentText(), stored);
    }

    // The profile is stored only when the dialog closes with OK; an empty
    // name keeps it open with a message.
    void profileStoresOnlyOnOk_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* tag, QString name, QString file, QString action,
                            bool stored, QString message) {
            QTest::newRow(tag) << name << file << action << stored << message;
        };
        row("empty name is refused", "", "server.cfg", "cmdOK", false,
            "You must enter a profile name");
        row("OK stores the chosen file", "Bob", "server.cfg", "cmdOK", true, "");
        row("Enter stores a typed file", "  ", "mine.cfg", "Enter", true, "");
        row("Cancel stores nothing", "Bob", "server.cfg", "cmdCancel", false, "");
    }
    void profileStoresOnlyOnOk() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QFETCH(QString, action);
        QFETCH(bool, stored);
        QFETCH(QString, message);
        Records records;
        ScriptedPrompts prompts;
        frmUserProfile dialog(records.profile, records.game, records.options);
        dialog.show();
        Type(dialog, "txtProfileName", name);
        auto* files = Find<QComboBox>(&dialog, "cboConfigFile");
        files->setEditText(file);
        if (action == QLatin1String("Enter"))
            QTest::keyClick(files->lineEdit(), Qt::Key_Return);
        else
            Click(dialog, qPrintable(action));

        QCOMPARE(dialog.isVisible(), !message.isEmpty());
        QCOMPARE(prompts.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(records.profile.ID, stored ? name : QString());
        QCOMPARE(records.profile.ConfigFile, stored ? file : QString());
    }

    // OK applies the entries before the executable is checked; Retry keeps
    // the dialog open.
    void optionsCheckKeepsAppliedValues_data() {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<Prompts::Choice>("answer");
        QTest::newRow("existing executable") << "quake2" << Prompts::Choice::Cancel;
        QTest::newRow("missing, Retry") << "missing" << Prompts::Choice::Retry;
        QTest::newRow("missing, Cancel") << "missing" << Prompts::Choice::Cancel;
    }
    void optionsCheckKeepsAppliedValues() {
        QFETCH(QString, executable);
        QFETCH(Prompts::Choice, answer);
        Records records;
        ScriptedPrompts prompts;
        prompts.retryCancelAnswers << answer;
        frmOptions dialog(records.options);
        dialog.show();
        // Typed without the trailing separator, which the game object adds.
        Type(dialog, "txtPath", records.installation.Path().chopped(1));
        Type(dialog, "txtExecutable", executable);
        Type(dialog, "txtTextViewer", QStringLiteral("my viewer"));
        Find<QCheckBox>(&dialog, "chkCloseOnLaunch")->setChecked(true);
        Click(dialog, "cmdOK");

        const bool missing = executable == QLatin1String("missing");
        QCOMPARE(dialog.isVisible(), answer == Prompts::Choice::Retry);
        QCOMPARE(prompts.messages,
                 missing ? QStringList{"Quake2 executable does not exist"} : QStringList());
        if (dialog.isVisible())
            Click(dialog, "cmdCancel");
        QCOMPARE(records.game.Path(), records.installation.Path());
        QCOMPARE(records.game.Executable(), executable);
        QCOMPARE(records.options.TextViewer(), QStringLiteral("my viewer"));
        QVERIFY(records.options.CloseOnLaunch());
    }

    void optionsBrowseFillsFieldsAndCancelAppliesNothing() {
        Records records;
        CurrentDirectoryGuard directory;
        ScriptedPrompts prompts;
        const QString viewer = records.installation.Absolute(QStringLiteral("bin/edit"));
        prompts.fileAnswers << records.installation.Absolute(QStringLiteral("bin/q2.exe"))
                            << viewer;
        const QString pathBefore = records.game.Path();
        const QString viewerBefore = records.options.TextViewer();
        frmOptions dialog(records.options);
        dialog.show();
        Click(dialog, "cmdBrowseExec");
        Click(dialog, "cmdBrowseViewer");
        Find<QCheckBox>(&dialog, "chkCloseOnLaunch")->setChecked(true);

        // The file dialog was opened in the game's folder.
        QCOMPARE(QDir(QDir::currentPath()), QDir(records.installation.Path()));
        QCOMPARE(Text(dialog, "txtPath"),
                 records.installation.Absolute(QStringLiteral("bin")) + QDir::separator());
        QCOMPARE(Text(dialog, "txtExecutable"), QStringLiteral("q2.exe"));
        QCOMPARE(Text(dialog, "txtTextViewer"), viewer);

        Click(dialog, "cmdCancel");
        QCOMPARE(records.game.Path(), pathBefore);
        QCOMPARE(records.game.Executable(), QStringLiteral("quake2"));
        QCOMPARE(records.options.TextViewer(), viewerBefore);
        QVERIFY(!records.options.CloseOnLaunch());
        // The abandoned entries are not seen again.
        dialog.show();
        QCOMPARE(Text(dialog, "txtPath"), pathBefore);
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
        records.picture.OK = true; // left from an earlier showing
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
        QCOMPARE(records.picture.OK, ok);
    }

    void aboutShowsVersionAndIcon() {
        frmAbout dialog;
        QCOMPARE(Find<QLabel>(&dialog, "lblVersion")->text(), QStringLiteral("Version 1.1.1"));
        QVERIFY(!Find<QLabel>(&dialog, "picIcon")->pixmap().isNull());
    }
};

CORVALE_WIDGET_TEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
