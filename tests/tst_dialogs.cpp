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

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

template <typename Control> Control& Find(QWidget& dialog, const char* name) {
    auto* control = dialog.findChild<Control*>(QLatin1String(name));
    if (!control)
        qFatal("%s has no control %s", qPrintable(dialog.objectName()), name);
    return *control;
}

void Click(QWidget& dialog, const char* button) {
    Find<QPushButton>(dialog, button).click();
}

// The texts of the warning boxes shown, in order.
QStringList Warnings(const ScriptedPrompts& prompts) {
    QStringList texts;
    for (const ScriptedPrompts::Shown& box : prompts.shown) {
        if (box.icon == Prompts::Icon::Warning)
            texts << box.text;
    }
    return texts;
}

// Restores the process's current directory, which some cases change.
class CurrentDirectoryGuard {
public:
    ~CurrentDirectoryGuard() { QDir::setCurrent(mSaved); }

private:
    QString mSaved = QDir::currentPath();
};

// The records the dialogs edit, on a temporary installation and settings.
struct Records {
    Records() {
        installation.AddFile(QStringLiteral("baseq2/server.cfg"));
        installation.AddFile(QStringLiteral("baseq2/autoexec.cfg"));
        installation.AddFile(QStringLiteral("baseq2/readme.txt"));
        installation.AddFile(QStringLiteral("ctf/ctf.cfg"));
        installation.AddFile(QStringLiteral("quake2"));
        game.SetPath(installation.Path());
        game.SetExecutable(QStringLiteral("quake2"));
    }

    std::unique_ptr<QDialog> Create(const QString& kind) {
        if (kind == QLatin1String("frmUserProfile"))
            return std::make_unique<frmUserProfile>(profile, game, options);
        if (kind == QLatin1String("frmOptions"))
            return std::make_unique<frmOptions>(options);
        if (kind == QLatin1String("frmRandomPicture"))
            return std::make_unique<frmRandomPicture>(picture);
        return std::make_unique<frmAbout>();
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
    void dialogsLookRight_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QSize>("clientArea");
        QTest::newRow("profile") << QStringLiteral("frmUserProfile") << QSize(276, 133);
        QTest::newRow("options") << QStringLiteral("frmOptions") << QSize(359, 192);
        QTest::newRow("picture") << QStringLiteral("frmRandomPicture") << QSize(359, 214);
        QTest::newRow("about") << QStringLiteral("frmAbout") << QSize(377, 166);
    }
    void dialogsLookRight() {
        QFETCH(QString, kind);
        QFETCH(QSize, clientArea);
        Records records;
        const std::unique_ptr<QDialog> dialog = records.Create(kind);
        dialog->show();
        QCOMPARE(LayoutProblems(dialog.get()), QStringList());
        QCOMPARE(dialog->size(), clientArea);
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(Find<QPushButton>(*dialog, "cmdOK").isDefault());
    }

    void profileShowsStoredConfigFile_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("selected");
        QTest::newRow("listed name is selected") << QStringLiteral("server.cfg") << 1;
        QTest::newRow("other case is only typed") << QStringLiteral("Server.cfg") << -1;
        QTest::newRow("missing file is typed") << QStringLiteral("gone.cfg") << -1;
        QTest::newRow("none") << QString() << -1;
    }
    void profileShowsStoredConfigFile() {
        QFETCH(QString, stored);
        QFETCH(int, selected);
        Records records;
        records.profile = {QStringLiteral("Player"), stored};
        // The dialog lists the base game's files whatever game was current.
        records.game.SetGame(QStringLiteral("ctf"));
        frmUserProfile dialog(records.profile, records.game, records.options);
        dialog.show();
        auto& files = Find<QComboBox>(dialog, "cboConfigFile");
        QCOMPARE(records.game.Game(), QString());
        QCOMPARE(files.count(), 2);
        QCOMPARE(files.itemText(0), QStringLiteral("autoexec.cfg"));
        QCOMPARE(files.currentIndex(), selected);
        QCOMPARE(files.currentText(), stored);
    }

    void profileStoresOnlyOnOk_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("staysOpen");
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("storedFile");
        QTest::addColumn<QStringList>("messages");
        const QString server = QStringLiteral("server.cfg");
        QTest::newRow("empty name is refused")
            << QString() << server << "cmdOK" << true << QString() << QString()
            << QStringList{QStringLiteral("You must enter a profile name")};
        QTest::newRow("OK stores the chosen file")
            << "Bob" << server << "cmdOK" << false << "Bob" << server << QStringList();
        QTest::newRow("Enter stores a typed file") << "  "
                                                   << "mine.cfg"
                                                   << "Enter" << false << "  "
                                                   << "mine.cfg" << QStringList();
        QTest::newRow("Cancel stores nothing")
            << "Bob" << server << "cmdCancel" << false << QString() << QString() << QStringList();
    }
    void profileStoresOnlyOnOk() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QFETCH(QString, action);
        QFETCH(bool, staysOpen);
        QFETCH(QString, storedName);
        QFETCH(QString, storedFile);
        QFETCH(QStringList, messages);
        Records records;
        ScriptedPrompts prompts;
        frmUserProfile dialog(records.profile, records.game, records.options);
        dialog.show();
        Find<QLineEdit>(dialog, "txtProfileName").setText(name);
        auto& files = Find<QComboBox>(dialog, "cboConfigFile");
        const int listed = files.findText(file);
        if (listed >= 0)
            files.setCurrentIndex(listed);
        else
            files.setEditText(file);

        if (action == QLatin1String("Enter"))
            QTest::keyClick(files.lineEdit(), Qt::Key_Return);
        else
            Click(dialog, qPrintable(action));

        QCOMPARE(dialog.isVisible(), staysOpen);
        QCOMPARE(records.profile.ID, storedName);
        QCOMPARE(records.profile.ConfigFile, storedFile);
        QCOMPARE(Warnings(prompts), messages);
    }

    void profileEditOpensViewer_data() {
        QTest::addColumn<QString>("viewer");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("openedPath");
        const QString missingViewer = QStringLiteral("/nonexistent/viewer");
        QTest::newRow("no file name, nothing to open")
            << missingViewer << QString() << QStringList() << QString();
        QTest::newRow("viewer cannot start")
            << missingViewer << "server.cfg"
            << QStringList{QStringLiteral("Could not open config file")} << QString();
        QTest::newRow("missing file opens in the base game")
            << "text viewer"
            << "new.cfg" << QStringList() << "baseq2/new.cfg";
    }
    void profileEditOpensViewer() {
        QFETCH(QString, viewer);
        QFETCH(QString, file);
        QFETCH(QStringList, messages);
        QFETCH(QString, openedPath);
        Records records;
        CurrentDirectoryGuard directory;
        if (!QDir::isAbsolutePath(viewer)) {
            records.installation.InstallGame(viewer);
            viewer = records.installation.Absolute(viewer);
            // The substitute program writes its log into its working directory.
            QDir::setCurrent(records.installation.Path());
        }
        records.options.Apply(records.game.Path(), records.game.Executable(), viewer, false);
        ScriptedPrompts prompts;
        frmUserProfile dialog(records.profile, records.game, records.options);
        dialog.show();
        Find<QComboBox>(dialog, "cboConfigFile").setEditText(file);
        Click(dialog, "cmdEditFile");

        QVERIFY(dialog.isVisible());
        QCOMPARE(Warnings(prompts), messages);
        if (!openedPath.isEmpty())
            QVERIFY(records.installation.GameLog().contains(
                QStringLiteral("arg=") + records.installation.Absolute(openedPath)));
    }

    void optionsCheckKeepsAppliedValues_data() {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<Prompts::Choice>("answer");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("existing executable") << "quake2" << Prompts::Choice::Cancel << false;
        QTest::newRow("missing, Retry") << "missing" << Prompts::Choice::Retry << true;
        QTest::newRow("missing, Cancel") << "missing" << Prompts::Choice::Cancel << false;
    }
    void optionsCheckKeepsAppliedValues() {
        QFETCH(QString, executable);
        QFETCH(Prompts::Choice, answer);
        QFETCH(bool, staysOpen);
        Records records;
        ScriptedPrompts prompts;
        prompts.retryCancelAnswers << answer;
        frmOptions dialog(records.options);
        dialog.show();
        // Typed without the trailing separator, which the game object adds.
        Find<QLineEdit>(dialog, "txtPath").setText(records.installation.Path().chopped(1));
        Find<QLineEdit>(dialog, "txtExecutable").setText(executable);
        Find<QLineEdit>(dialog, "txtTextViewer").setText(QStringLiteral("my viewer"));
        Find<QCheckBox>(dialog, "chkCloseOnLaunch").setChecked(true);
        Click(dialog, "cmdOK");

        QCOMPARE(dialog.isVisible(), staysOpen);
        const QStringList warning{QStringLiteral("Quake2 executable does not exist")};
        QCOMPARE(Warnings(prompts),
                 executable == QLatin1String("missing") ? warning : QStringList());
        if (staysOpen) {
            QCOMPARE(Find<QLineEdit>(dialog, "txtExecutable").text(), executable);
            Click(dialog, "cmdCancel");
        }
        QCOMPARE(records.game.Path(), records.installation.Path());
        QCOMPARE(records.game.Executable(), executable);
        QCOMPARE(records.options.TextViewer(), QStringLiteral("my viewer"));
        QVERIFY(records.options.CloseOnLaunch());
    }

    void optionsBrowseFillsFieldsAndCancelAppliesNothing() {
        Records records;
        CurrentDirectoryGuard directory;
        ScriptedPrompts prompts;
        const QString program = records.installation.Absolute(QStringLiteral("bin/q2.exe"));
        const QString viewer = records.installation.Absolute(QStringLiteral("bin/edit"));
        prompts.fileAnswers << program << viewer;
        const QString pathBefore = records.game.Path();
        const QString viewerBefore = records.options.TextViewer();
        frmOptions dialog(records.options);
        dialog.show();
        Click(dialog, "cmdBrowseExec");
        Click(dialog, "cmdBrowseViewer");
        Find<QCheckBox>(dialog, "chkCloseOnLaunch").setChecked(true);

        // The file dialog was opened in the game's folder.
        QCOMPARE(QDir(QDir::currentPath()), QDir(records.installation.Path()));
        QCOMPARE(Find<QLineEdit>(dialog, "txtPath").text(),
                 records.installation.Absolute(QStringLiteral("bin")) + QDir::separator());
        QCOMPARE(Find<QLineEdit>(dialog, "txtExecutable").text(), QStringLiteral("q2.exe"));
        QCOMPARE(Find<QLineEdit>(dialog, "txtTextViewer").text(), viewer);

        Click(dialog, "cmdCancel");
        QCOMPARE(records.game.Path(), pathBefore);
        QCOMPARE(records.game.Executable(), QStringLiteral("quake2"));
        QCOMPARE(records.options.TextViewer(), viewerBefore);
        QVERIFY(!records.options.CloseOnLaunch());
        // The abandoned entries are not seen again.
        dialog.show();
        QCOMPARE(Find<QLineEdit>(dialog, "txtPath").text(), pathBefore);
        QVERIFY(!Find<QCheckBox>(dialog, "chkCloseOnLaunch").isChecked());
    }

    void pictureStoresOnlyOnOk_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("imageFile");
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << "cmdOK"
                            << "/pictures/new picture.bmp" << true << true;
        QTest::newRow("Cancel") << "cmdCancel"
                                << "old.png" << false << false;
    }
    void pictureStoresOnlyOnOk() {
        QFETCH(QString, button);
        QFETCH(QString, imageFile);
        QFETCH(bool, stretch);
        QFETCH(bool, ok);
        Records records;
        records.picture.ImageFile = QStringLiteral("old.png");
        records.picture.OK = true; // left from an earlier showing
        ScriptedPrompts prompts;
        prompts.fileAnswers << QStringLiteral("/pictures/new picture.bmp");
        frmRandomPicture dialog(records.picture);
        dialog.show();
        QCOMPARE(Find<QLineEdit>(dialog, "txtImageFile").text(), QStringLiteral("old.png"));
        QVERIFY(!records.picture.OK);
        Click(dialog, "cmdBrowse");
        Find<QCheckBox>(dialog, "chkStretchToFit").setChecked(true);
        Click(dialog, qPrintable(button));

        QVERIFY(!dialog.isVisible());
        QCOMPARE(records.picture.ImageFile, imageFile);
        QCOMPARE(records.picture.StretchToFit, stretch);
        QCOMPARE(records.picture.OK, ok);
    }

    void aboutShowsTitleVersionAndIcon() {
        frmAbout dialog;
        QCOMPARE(Find<QLabel>(dialog, "lblTitle").text(), QStringLiteral("Corvale"));
        QCOMPARE(Find<QLabel>(dialog, "lblVersion").text(), QStringLiteral("Version 1.1.1"));
        QVERIFY(!Find<QLabel>(dialog, "picIcon").pixmap().isNull());
    }
};

CORVALE_WIDGET_TEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
