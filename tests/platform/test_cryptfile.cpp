#include "platform/cryptfile.h"
#include "platform/files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using platform::CryptFile;

namespace {
const QByteArray kPassword = QByteArrayLiteral("kaMilu7");
const QByteArray kPlain = QByteArrayLiteral("[分类信息]\r\n仓库管理员=真\r\n");

QByteArray fileBytes(const QString &path)
{
    QByteArray data;
    platform::readFile(path, &data);
    return data;
}

bool writePlain(const QString &path, const QByteArray &text, const QByteArray &password = kPassword)
{
    CryptFile file(path, password);
    if (!file.open(CryptFile::Mode::ReadWrite))
        return false;
    file.setText(text);
    return file.save();
}
} // namespace

class TestCryptFile : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsTextAndHidesIt()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ups.dat"));
        QVERIFY(writePlain(path, kPlain));
        const QByteArray first = fileBytes(path);
        QVERIFY(!first.contains(kPlain.left(14)));

        CryptFile reader(path, kPassword);
        QVERIFY(reader.open(CryptFile::Mode::Read));
        QCOMPARE(reader.text(), kPlain);

        // The same text written again gives other bytes: a fresh nonce every time.
        QVERIFY(writePlain(path, kPlain));
        const QByteArray second = fileBytes(path);
        QCOMPARE(second.size(), first.size());
        QVERIFY(second != first);
        QVERIFY(second.startsWith("BVCF"));
    }

    void openModesOnMissingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ups.dat"));
        CryptFile reader(path, kPassword);
        QVERIFY(!reader.open(CryptFile::Mode::Read));
        QCOMPARE(reader.status(), CryptFile::Status::Missing);
        QVERIFY(!QFile::exists(path));
        QVERIFY(!CryptFile::existsButUnopenable(path, kPassword));

        CryptFile writer(path, kPassword);
        QVERIFY(writer.open(CryptFile::Mode::ReadWrite));
        QVERIFY(writer.text().isEmpty());
        QVERIFY(QFile::exists(path)); // created at once, empty
        CryptFile again(path, kPassword);
        QVERIFY(again.open(CryptFile::Mode::Read));
        QVERIFY(again.text().isEmpty());

        // A reader cannot save.
        QVERIFY(!again.save());
    }

    void unopenableFileIsNeverReplaced_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("wrong password") << "password";
        QTest::newRow("truncated") << "truncate";
        QTest::newRow("flipped byte in the text") << "flip-body";
        QTest::newRow("flipped byte in the header") << "flip-header";
        QTest::newRow("empty file") << "empty";
        QTest::newRow("plain text file") << "plain";
        QTest::newRow("other format version") << "version";
    }
    void unopenableFileIsNeverReplaced()
    {
        QFETCH(QString, damage);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ups.dat"));
        QVERIFY(writePlain(path, kPlain));
        QByteArray bytes = fileBytes(path);
        QByteArray password = kPassword;
        if (damage == u"password")
            password = QByteArrayLiteral("kaMilu8");
        else if (damage == u"truncate")
            bytes.chop(5);
        else if (damage == u"flip-body")
            bytes[bytes.size() - 20] = static_cast<char>(bytes[bytes.size() - 20] ^ 0x01);
        else if (damage == u"flip-header")
            bytes[10] = static_cast<char>(bytes[10] ^ 0x80);
        else if (damage == u"empty")
            bytes.clear();
        else if (damage == u"plain")
            bytes = kPlain;
        else if (damage == u"version")
            bytes[4] = 2;
        QVERIFY(platform::writeFileAtomic(path, bytes));

        CryptFile reader(path, password);
        QVERIFY(!reader.open(CryptFile::Mode::Read));
        QCOMPARE(reader.status(), CryptFile::Status::Damaged);
        QVERIFY(reader.text().isEmpty());
        QVERIFY(CryptFile::existsButUnopenable(path, password));

        CryptFile writer(path, password);
        QVERIFY(!writer.open(CryptFile::Mode::ReadWrite));
        writer.setText(QByteArrayLiteral("[x]\r\n"));
        QVERIFY(!writer.save());
        QCOMPARE(fileBytes(path), bytes);
    }

    void folderInPlaceOfFileIsUnreadable()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ups.dat"));
        QVERIFY(platform::makeFolder(path));
        CryptFile writer(path, kPassword);
        QVERIFY(!writer.open(CryptFile::Mode::ReadWrite));
        QCOMPARE(writer.status(), CryptFile::Status::Unreadable);
        QVERIFY(platform::folderExists(path));
    }
};

QTEST_MAIN(TestCryptFile)
#include "test_cryptfile.moc"
