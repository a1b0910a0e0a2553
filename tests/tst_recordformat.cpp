#include "common/RecordReader.h"
#include "common/RecordWriter.h"
#include "common/ScriptWriter.h"

#include <QTest>

class RecordFormatTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesServerRecordExample() {
        RecordWriter writer;
        writer.Text("Deathmatch").EndLine();
        writer.Text("")
            .Int16(1)
            .Int16(2)
            .Text("noname")
            .Int16(8)
            .Int16(0)
            .Int16(0)
            .Bool(false)
            .Bool(false)
            .Bool(false)
            .EndLine();
        writer.Int16(0).Text("").Text("").EndLine();
        writer.Int32(16).EndLine();
        writer.Int16(800).Bool(false).Bool(false).Text("").EndLine();
        QCOMPARE(writer.Bytes(), QByteArray("\"Deathmatch\"\r\n"
                                            "\"\",1,2,\"noname\",8,0,0,#FALSE#,#FALSE#,#FALSE#\r\n"
                                            "0,\"\",\"\"\r\n"
                                            "16\r\n"
                                            "800,#FALSE#,#FALSE#,\"\"\r\n"));
    }

    void roundTripsValues_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("commas and lines") << QStringLiteral("a, b\r\nc,\r\n\r\nd");
        QTest::newRow("quotes") << QStringLiteral("say \"hi\" \"\"");
        QTest::newRow("only a quote") << QStringLiteral("\"");
        QTest::newRow("blanks kept") << QStringLiteral("  padded  ");
        QTest::newRow("empty") << QString();
        QTest::newRow("non-ascii") << QStringLiteral("Grüße ☺");
    }
    void roundTripsValues() {
        QFETCH(QString, text);
        RecordWriter writer;
        writer.Text(text).Int16(-32768).Int32(1048575).Bool(true).EndLine();
        writer.Int32(-2147483647 - 1).Bool(false).Int16(32767).EndLine();
        RecordReader reader(writer.Bytes());
        QString readText;
        qint16 small = 0, smallMax = 0;
        qint32 large = 0, largeMin = 0;
        bool yes = false, no = true;
        QVERIFY(reader.Text(readText) && reader.Int16(small) && reader.Int32(large) &&
                reader.Bool(yes));
        QVERIFY(reader.Int32(largeMin) && reader.Bool(no) && reader.Int16(smallMax));
        QCOMPARE(readText, text);
        QCOMPARE(small, qint16(-32768));
        QCOMPARE(large, 1048575);
        QCOMPARE(largeMin, -2147483647 - 1);
        QCOMPARE(smallMax, qint16(32767));
        QVERIFY(yes && !no);
        QVERIFY(reader.AtEnd());
        QVERIFY(!reader.Failed());
    }

    void readsHandWrittenFields() {
        RecordReader reader("  plain text , 12 ,\"x,y\"\n #TRUE#,\"\"\r\n\r\n");
        QString plain, quoted, empty;
        qint16 number = 0;
        bool flag = false;
        QVERIFY(reader.Text(plain) && reader.Int16(number) && reader.Text(quoted) &&
                reader.Bool(flag) && reader.Text(empty));
        QCOMPARE(plain, QStringLiteral("plain text"));
        QCOMPARE(number, qint16(12));
        QCOMPARE(quoted, QStringLiteral("x,y"));
        QVERIFY(flag);
        QVERIFY(empty.isEmpty());
        QVERIFY(reader.AtEnd());
    }

    void reportsBadInput_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QString>("error");
        QTest::newRow("text in a number") << QByteArray("\"a\"\r\nabc\r\n") << "tn"
                                          << "line 2: \"abc\" is not a number";
        QTest::newRow("16-bit overflow") << QByteArray("40000\r\n") << "n"
                                         << "line 1: number 40000 is out of range";
        QTest::newRow("32-bit overflow") << QByteArray("4294967296\r\n") << "l"
                                         << "line 1: number 4294967296 is out of range";
        QTest::newRow("bad boolean") << QByteArray("#FAL\r\n") << "b"
                                     << "line 1: \"#FAL\" is not #TRUE# or #FALSE#";
        QTest::newRow("unterminated text") << QByteArray("\"a\"\r\n\"open,\r\nmore") << "tt"
                                           << "line 2: unexpected end of file in a quoted field";
        QTest::newRow("end of file") << QByteArray("\"a\"\r\n") << "tt"
                                     << "line 2: unexpected end of file";
    }
    void reportsBadInput() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, kinds);
        QFETCH(QString, error);
        RecordReader reader(bytes);
        bool allRead = true;
        for (QChar kind : kinds) {
            QString text;
            qint16 small;
            qint32 large;
            bool flag;
            if (kind == u't')
                allRead = reader.Text(text) && allRead;
            else if (kind == u'n')
                allRead = reader.Int16(small) && allRead;
            else if (kind == u'l')
                allRead = reader.Int32(large) && allRead;
            else
                allRead = reader.Bool(flag) && allRead;
        }
        QVERIFY(!allRead);
        QVERIFY(reader.Failed());
        QCOMPARE(reader.Error(), error);
        QString afterFailure;
        QVERIFY(!reader.Text(afterFailure));
    }

    void readsLatin1WhenNotUtf8() {
        RecordReader reader("\"caf\xe9\"\r\n");
        QString text;
        QVERIFY(reader.Text(text));
        QCOMPARE(text, QStringLiteral("café"));
    }

    void writesScriptLines() {
        ScriptWriter script;
        script.Line("set coop\t0");
        script.Line();
        script.Line("a\r\nb");
        QCOMPARE(script.Bytes(), QByteArray("set coop\t0\r\n\r\na\r\nb\r\n"));
    }
};

QTEST_GUILESS_MAIN(RecordFormatTest)
#include "tst_recordformat.moc"
