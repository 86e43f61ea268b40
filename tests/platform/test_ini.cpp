// INI profile files: reading and writing with the Windows profile-function rules.

#include "platform/files.h"
#include "platform/ini.h"
#include "platform/text.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using platform::IniDocument;

class TestIni : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QString t = QStringLiteral("[A1]\r\n颜色=红色\r\n[B2]\n 颜色 =  蓝色  \r[b2]\r\n颜色=黑色\r\n");
        QTest::newRow("plain") << t << "A1" << QStringLiteral("颜色") << QStringLiteral("红色");
        QTest::newRow("section case, first one wins") << t << "b2" << QStringLiteral("颜色") << QStringLiteral("蓝色");
        QTest::newRow("LF and CR line ends, trimmed value") << t << " B2 " << QStringLiteral("颜色") << QStringLiteral("蓝色");
        QTest::newRow("missing section") << t << "C1" << QStringLiteral("颜色") << QString();
        QTest::newRow("missing key") << t << "A1" << QStringLiteral("值") << QString();
        QTest::newRow("key case") << QStringLiteral("[s]\r\nKey=v\r\n") << "S" << "KEY" << "v";
        QTest::newRow("quotes stripped once") << QStringLiteral("[s]\r\nk=\"\"v\"\"\r\n") << "s" << "k" << "\"v\"";
        QTest::newRow("unmatched quote kept") << QStringLiteral("[s]\r\nk='v\"\r\n") << "s" << "k" << "'v\"";
        QTest::newRow("line without = is no key") << QStringLiteral("[s]\r\nk\r\nk=2\r\n") << "s" << "k" << "2";
        QTest::newRow("keys before any section are unreachable") << QStringLiteral("k=1\r\n[s]\r\n") << "s" << "k" << "";
        QTest::newRow("escaped line break") << QStringLiteral("[s]\r\nk=a\\r\\nb\\\\c\\d\r\n") << "s" << "k" << "a\r\nb\\c\\d";
    }
    void read()
    {
        QFETCH(QString, text);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QCOMPARE(IniDocument::fromText(text).value(section, key), value);
    }

    void write_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("after");
        QTest::newRow("replace in place") << "[A1]\r\nx=1\r\nk=old\r\ny=2\r\n" << "a1" << "new"
                                          << "[A1]\r\nx=1\r\nk=new\r\ny=2\r\n";
        QTest::newRow("new key at the end of its section") << "[A1]\r\nx=1\r\n\r\n[B1]\r\nk=2\r\n" << "A1" << "v"
                                                           << "[A1]\r\nx=1\r\nk=v\r\n\r\n[B1]\r\nk=2\r\n";
        QTest::newRow("new section at the end") << "[A1]\nk=1" << "B1" << "v" << "[A1]\r\nk=1\r\n[B1]\r\nk=v\r\n";
        QTest::newRow("empty file") << "" << "B1" << "v" << "[B1]\r\nk=v\r\n";
        QTest::newRow("value with line breaks stays on one line")
            << "" << "s" << "a\nb=c\r\n[x]" << "[s]\r\nk=a\\nb=c\\r\\n[x]\r\n";
    }
    void write()
    {
        QFETCH(QString, before);
        QFETCH(QString, section);
        QFETCH(QString, value);
        QFETCH(QString, after);
        IniDocument doc = IniDocument::fromText(before);
        QVERIFY(doc.setValue(section, QStringLiteral("k"), value));
        QCOMPARE(doc.text(), after);
        QCOMPARE(IniDocument::fromText(doc.text()).value(section, QStringLiteral("k")), value);
    }

    void fileWrites()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clor.ini"));
        QVERIFY(platform::writeProfileString(path, QStringLiteral("A1"), QStringLiteral("颜色"), QStringLiteral("绿色")));
        QByteArray bytes;
        QVERIFY(platform::readFile(path, &bytes));
        QCOMPARE(bytes, platform::toCodePage(QStringLiteral("[A1]\r\n颜色=绿色\r\n")));
        QCOMPARE(platform::readProfileString(path, QStringLiteral("a1"), QStringLiteral("颜色")), QStringLiteral("绿色"));

        // Writing the same value again must not replace the file.
        const QDateTime stamp = QFileInfo(path).lastModified();
        QTest::qWait(20);
        QVERIFY(platform::writeProfileString(path, QStringLiteral("A1"), QStringLiteral("颜色"), QStringLiteral("绿色")));
        QCOMPARE(QFileInfo(path).lastModified(), stamp);

        // A missing folder is not created.
        QVERIFY(!platform::writeProfileString(dir.filePath(QStringLiteral("no/such.ini")), QStringLiteral("s"),
                                              QStringLiteral("k"), QStringLiteral("v")));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("no"))));
        // A missing file reads as empty.
        QCOMPARE(platform::readProfileString(dir.filePath(QStringLiteral("none.ini")), QStringLiteral("s"),
                                             QStringLiteral("k"), QStringLiteral("默认")),
                 QStringLiteral("默认"));
    }

    void batchSavesOnce()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.ini"));
        IniDocument doc;
        QVERIFY(!doc.load(path));
        for (int i = 0; i < 5; ++i)
            doc.setValue(QStringLiteral("S%1").arg(i), QStringLiteral("k"), QString::number(i));
        QVERIFY(doc.save(path));
        QVERIFY(!doc.isModified());
        IniDocument again;
        QVERIFY(again.load(path));
        QCOMPARE(again.sections(), (QStringList{"S0", "S1", "S2", "S3", "S4"}));
        QVERIFY(!again.setValue(QStringLiteral("s3"), QStringLiteral("K"), QStringLiteral("3")));
        QVERIFY(!again.isModified());
        QVERIFY(again.removeSection(QStringLiteral("S1")));
        QCOMPARE(again.text(), QStringLiteral("[S0]\r\nk=0\r\n[S2]\r\nk=2\r\n[S3]\r\nk=3\r\n[S4]\r\nk=4\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestIni)
#include "test_ini.moc"
