// The line rules of the user file on small plain-text fixtures. Fixtures are written with "\n";
// crlf() turns them into the file's CR LF lines.

#include "binview/users/profiletext.h"
#include "platform/text.h"

#include <QTest>

using binview::ProfileText;

namespace {
QByteArray crlf(const QString &text)
{
    QString t = text;
    t.replace(u'\n', QStringLiteral("\r\n"));
    return platform::toCodePage(t);
}
const QString kFallback = QStringLiteral("<default>");
} // namespace

class TestProfileText : public QObject {
    Q_OBJECT
private slots:
    void value_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "[A]\nk=v\n"
                               << "A"
                               << "k"
                               << "v";
        QTest::newRow("section ignores case") << "[velqa]\n口令=abc\n"
                                              << "VELQA"
                                              << "口令"
                                              << "abc";
        QTest::newRow("header with a blank before is not found") << " [A]\nk=v\n"
                                                                 << "A"
                                                                 << "k" << kFallback;
        QTest::newRow("header with a full-width blank after is not found") << "[A]\u3000\nk=v\n"
                                                                           << "A"
                                                                           << "k" << kFallback;
        QTest::newRow("key trimmed of blanks") << "[A]\n  k\u3000=v\n"
                                               << "A"
                                               << "k"
                                               << "v";
        QTest::newRow("tab is no blank") << "[A]\n\tk=v\n"
                                         << "A"
                                         << "k" << kFallback;
        QTest::newRow("blank inside the key") << "[A]\nk x=v\n"
                                              << "A"
                                              << "k" << kFallback;
        QTest::newRow("key case matters") << "[A]\nK=v\n"
                                          << "A"
                                          << "k" << kFallback;
        QTest::newRow("value keeps its blanks") << "[A]\nk= v \u3000\n"
                                                << "A"
                                                << "k"
                                                << " v \u3000";
        QTest::newRow("value after the first =") << "[A]\nk=a=b\n"
                                                 << "A"
                                                 << "k"
                                                 << "a=b";
        QTest::newRow("blank value gives the default") << "[A]\nk=  \nk=late\n"
                                                       << "A"
                                                       << "k" << kFallback;
        QTest::newRow("empty value is no key") << "[A]\nk=\nk=late\n"
                                               << "A"
                                               << "k"
                                               << "late";
        QTest::newRow("first matching key") << "[A]\nk=1\nk=2\n"
                                            << "A"
                                            << "k"
                                            << "1";
        QTest::newRow("first matching section") << "[A]\nk=1\n[a]\nk=2\n"
                                                << "A"
                                                << "k"
                                                << "1";
        QTest::newRow("section ends at the next header") << "[A]\nx=1\n[B]\nk=v\n"
                                                         << "A"
                                                         << "k" << kFallback;
        QTest::newRow("a blank-surrounded header still ends it") << "[A]\n [B] \nk=v\n"
                                                                 << "A"
                                                                 << "k" << kFallback;
        QTest::newRow("lines before the first header") << "k=v\n[A]\n"
                                                       << "A"
                                                       << "k" << kFallback;
        QTest::newRow("no section") << "[B]\nk=v\n"
                                    << "A"
                                    << "k" << kFallback;
        QTest::newRow("blank key finds nothing") << "[A]\n =x\n"
                                                 << "A"
                                                 << " " << kFallback;
        QTest::newRow("last line without a line break") << "[A]\nk=v"
                                                        << "A"
                                                        << "k"
                                                        << "v";
    }
    void value()
    {
        QFETCH(QString, text);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(ProfileText(crlf(text)).value(section, key, kFallback), expected);
    }

    void bareLineFeedsAreLines()
    {
        const ProfileText text(QByteArrayLiteral("[A]\nk=v\n[B]\nz=1\n"));
        QCOMPARE(text.value(QStringLiteral("A"), QStringLiteral("k")), QStringLiteral("v"));
        QCOMPARE(text.sections(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    }

    void setValue_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty text") << ""
                                    << "A"
                                    << "k"
                                    << "v" << true << "[A]\nk=v\n";
        QTest::newRow("new key before the next header") << "[A]\nx=1\n[B]\ny=2\n"
                                                        << "A"
                                                        << "k"
                                                        << "v" << true << "[A]\nx=1\nk=v\n[B]\ny=2\n";
        QTest::newRow("new key in front of the last line of the last section") << "[A]\nx=1\ny=2\n"
                                                                               << "A"
                                                                               << "k"
                                                                               << "v" << true << "[A]\nx=1\nk=v\ny=2\n";
        QTest::newRow("new key in an empty last section") << "[B]\ny=2\n[A]\n"
                                                          << "A"
                                                          << "k"
                                                          << "v" << true << "[B]\ny=2\n[A]\nk=v\n";
        QTest::newRow("new key in an empty section before another") << "[A]\n[B]\n"
                                                                    << "A"
                                                                    << "k"
                                                                    << "v" << true << "[A]\nk=v\n[B]\n";
        QTest::newRow("replace keeps place and key as written") << "[A]\n  k =old\nz=1\n"
                                                                << "A"
                                                                << "k"
                                                                << "new" << true << "[A]\n  k =new\nz=1\n";
        QTest::newRow("replace under a header of other case") << "[velqa]\n口令=1\n所属分类=x\n"
                                                              << "Velqa"
                                                              << "口令"
                                                              << "2" << true << "[velqa]\n口令=2\n所属分类=x\n";
        QTest::newRow("empty value line is no key") << "[A]\nk=\nz=1\n"
                                                    << "A"
                                                    << "k"
                                                    << "v" << true << "[A]\nk=\nk=v\nz=1\n";
        QTest::newRow("blank value line is replaced") << "[A]\nk= \nz=1\n"
                                                      << "A"
                                                      << "k"
                                                      << "v" << true << "[A]\nk=v\nz=1\n";
        QTest::newRow("new section at the end") << "[A]\nx=1\n"
                                                << "B"
                                                << "k"
                                                << "v" << true << "[A]\nx=1\n[B]\nk=v\n";
        QTest::newRow("blank-surrounded header is not the section") << " [A]\nx=1\n"
                                                                    << "A"
                                                                    << "k"
                                                                    << "v" << true << " [A]\nx=1\n[A]\nk=v\n";
        QTest::newRow("text without a final line break") << "[A]\nx=1\n[B]"
                                                         << "B"
                                                         << "k"
                                                         << "v" << true << "[A]\nx=1\n[B]\nk=v\n";
        QTest::newRow("blank section") << "[A]\n"
                                       << "\u3000"
                                       << "k"
                                       << "v" << false << "[A]\n";
        QTest::newRow("blank key") << "[A]\n"
                                   << "A"
                                   << " "
                                   << "v" << false << "[A]\n";
        QTest::newRow("blank value") << "[A]\n"
                                     << "A"
                                     << "k"
                                     << "  " << false << "[A]\n";
    }
    void setValue()
    {
        QFETCH(QString, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(bool, result);
        QFETCH(QString, after);
        ProfileText text(crlf(before));
        QCOMPARE(text.setValue(section, key, value), result);
        QCOMPARE(platform::fromCodePage(text.bytes()), platform::fromCodePage(crlf(after)));
    }

    void untouchedLinesKeepTheirBytes()
    {
        // Bytes that are no valid GB18030 and bare line feeds survive an edit elsewhere.
        QByteArray raw("[X]\nodd=\x81\x30\xff\n[A]\r\nk=1\r\n");
        ProfileText text(raw);
        QVERIFY(text.setValue(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("2")));
        QCOMPARE(text.bytes(), QByteArray("[X]\nodd=\x81\x30\xff\n[A]\r\nk=2\r\n"));
    }

    void removeSection_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("after");
        QTest::newRow("up to the next header") << "[分类信息]\nx=真\n[A]\n口令=1\nnote\n[B]\ny=2\n"
                                               << "A" << true << "[分类信息]\nx=真\n[B]\ny=2\n";
        QTest::newRow("to the end") << "[B]\ny=2\n[A]\nx=1\n"
                                    << "A" << true << "[B]\ny=2\n";
        QTest::newRow("header of other case") << "[a]\nx=1\n[B]\n"
                                              << "A" << true << "[B]\n";
        QTest::newRow("stops at a blank-surrounded header") << "[A]\nx=1\n [B] \ny=2\n"
                                                            << "A" << true << " [B] \ny=2\n";
        QTest::newRow("only the first of two") << "[A]\nx=1\n[A]\nx=2\n"
                                               << "A" << true << "[A]\nx=2\n";
        QTest::newRow("missing") << "[B]\ny=2\n"
                                 << "A" << false << "[B]\ny=2\n";
    }
    void removeSection()
    {
        QFETCH(QString, before);
        QFETCH(QString, section);
        QFETCH(bool, result);
        QFETCH(QString, after);
        ProfileText text(crlf(before));
        QCOMPARE(text.removeSection(section), result);
        QCOMPARE(platform::fromCodePage(text.bytes()), platform::fromCodePage(crlf(after)));
    }

    void listsSectionsAndKeys()
    {
        const ProfileText text(crlf(QStringLiteral("k=0\n[分类信息]\n其他人员=假\n 仓库管理员 =真\nnote\nempty=\n"
                                                   "[ B ]\n\u3000[C]\u3000\n[[D]]\nnot]\n[Velqa]\n口令=x\n")));
        QCOMPARE(text.sections(), (QStringList{QStringLiteral("分类信息"), QStringLiteral("B"), QStringLiteral("C"),
                                               QStringLiteral("D"), QStringLiteral("Velqa")}));
        QCOMPARE(text.keys(QStringLiteral("分类信息")),
                 (QStringList{QStringLiteral("其他人员"), QStringLiteral("仓库管理员"), QStringLiteral("empty")}));
        QCOMPARE(text.keys(QStringLiteral("velqa")), QStringList{QStringLiteral("口令")});
        QVERIFY(text.keys(QStringLiteral("nowhere")).isEmpty());
        QVERIFY(ProfileText().sections().isEmpty());
    }
};

QTEST_MAIN(TestProfileText)
#include "test_profiletext.moc"
