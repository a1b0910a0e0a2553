#include "app/Translations.h"
#include "app/ui/frmCorvale.h"
#include "support/DialogRecords.h"
#include "support/LayoutCheck.h"
#include "support/TestSupport.h"

#include <QtWidgets>

// The program in German: the translation is found and complete enough to
// show, the longer German captions fit the fixed layouts, and what the
// dialogs store stays the same in every language.
class TranslationTest : public QObject {
    Q_OBJECT
private:
    Records mRecords;

    std::unique_ptr<QWidget> Window(const QString& name) {
        if (name == QLatin1String("frmCorvale"))
            return std::make_unique<frmCorvale>(mRecords.game);
        return mRecords.Dialog(name);
    }

private Q_SLOTS:
    void initTestCase() {
        InstallTranslations(*qApp, QLocale(QLocale::German, QLocale::Germany));
        // The program's own texts and Qt's standard buttons.
        QCOMPARE(frmServer::tr("Cancel"), QStringLiteral("Abbrechen"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Abbrechen"));
        mRecords.server.MapMode = ServerConfig::SpecificMap;
    }

    void captionsFit_data() {
        QTest::addColumn<QString>("window");
        for (const char* name : {"frmCorvale", "frmServer", "frmUserProfile", "frmOptions",
                                 "frmRandomPicture", "frmAbout"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void captionsFit() {
        QFETCH(QString, window);
        const std::unique_ptr<QWidget> shown = Window(window);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        const QStringList problems = LayoutProblemsOnEveryPage(shown.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // A built-in map list shows in German but is stored by its English name,
    // which the server script and other languages understand.
    void builtInMapListIsStoredInEnglish() {
        mRecords.server.MapList = QStringLiteral("Deathmatch Levels");
        frmServer dialog(mRecords.server, mRecords.game, mRecords.options);
        dialog.show();
        QCOMPARE(Find<QComboBox>(&dialog, "cboMapList")->currentText(),
                 QStringLiteral("Deathmatch-Level"));
        mRecords.server.MapList.clear();
        Find<QPushButton>(&dialog, "cmdOK")->click();
        QCOMPARE(mRecords.server.MapList, QStringLiteral("Deathmatch Levels"));
    }
};

CORVALE_WIDGET_TEST_MAIN(TranslationTest)
#include "tst_translation.moc"
