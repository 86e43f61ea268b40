// The user file on disk: the store operations through the encrypted file, the profile start-up
// with its default content, digests and the administration check.

#include "binview/shell/application.h"
#include "binview/users/accounts.h"
#include "platform/cryptfile.h"
#include "platform/files.h"
#include "platform/text.h"
#include "support/testenv.h"

#include <QFile>
#include <QTest>

using namespace binview;
using platform::CryptFile;

namespace {

const QString kAdminDigest = QStringLiteral("e10adc3949ba59abbe56e057f20f883e"); // MD5("123456")

void writePlain(const QString &path, const QString &text)
{
    CryptFile file(path, accounts::kFilePassword);
    QVERIFY(file.open(CryptFile::Mode::ReadWrite));
    file.setText(platform::toCodePage(text));
    QVERIFY(file.save());
}

QStringList plainLines(const QString &path)
{
    CryptFile file(path, accounts::kFilePassword);
    if (!file.open(CryptFile::Mode::Read))
        return {QStringLiteral("<unopenable>")};
    const QString text = platform::fromCodePage(file.text());
    if (!text.endsWith(QStringLiteral("\r\n")))
        return {QStringLiteral("<no final CR LF>")};
    return text.chopped(2).split(QStringLiteral("\r\n"));
}

QByteArray fileBytes(const QString &path)
{
    QByteArray data;
    platform::readFile(path, &data);
    return data;
}

struct Accounts {
    Accounts() : app(fakes.seams(), run.dir.path()) {}
    QString userFile() const { return run.path(QStringLiteral("ups.dat")); }
    testenv::RunFolder run;
    platform::testing::FakeSeams fakes;
    Application app;
};

} // namespace

class TestAccounts : public QObject {
    Q_OBJECT
private slots:
    void digestIsMd5OfCodePageBytes()
    {
        QCOMPARE(accounts::passwordDigest(QStringLiteral("123456")), kAdminDigest);
        QCOMPARE(accounts::passwordDigest(QStringLiteral("口令")), QStringLiteral("93c598094747aade63ff53c2544216a9"));
        QCOMPARE(accounts::passwordDigest(QString()), QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"));
        QCOMPARE(accounts::defaultDigest(), kAdminDigest);
    }

    void storeOperationsOnTheEncryptedFile()
    {
        Accounts a;
        const ProfileStore store(a.userFile(), accounts::kFilePassword);
        QStringList list{QStringLiteral("kept")};
        QVERIFY(!store.listSections(list));
        QVERIFY(!store.listKeys(QStringLiteral("A"), list));
        QCOMPARE(list, QStringList{QStringLiteral("kept")});
        QCOMPARE(store.readValue(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("d")), QStringLiteral("d"));
        QVERIFY(!store.writeValue(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral(" ")));
        QVERIFY(!QFile::exists(a.userFile())); // refused before the file is opened

        QVERIFY(!store.deleteSection(QStringLiteral("A")));
        QVERIFY(QFile::exists(a.userFile())); // read-write open creates the file
        QVERIFY(store.listSections(list));
        QVERIFY(list.isEmpty());

        QVERIFY(store.writeValue(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("1")));
        QVERIFY(store.writeValue(QStringLiteral("B"), QStringLiteral("k"), QStringLiteral("2")));
        QCOMPARE(store.readValue(QStringLiteral("a"), QStringLiteral("k")), QStringLiteral("1"));
        QVERIFY(store.deleteSection(QStringLiteral("A")));
        QCOMPARE(plainLines(a.userFile()), (QStringList{QStringLiteral("[B]"), QStringLiteral("k=2")}));
    }

    void firstStartWritesDefaultContent()
    {
        Accounts a;
        QCOMPARE(accounts::profileStartUp(a.app, nullptr), accounts::StartUp::Ready);
        const QStringList expected{QStringLiteral("[分类信息]"),          QStringLiteral("其他人员=假"),
                                   QStringLiteral("仓库管理员=真"),       QStringLiteral("[Velqa]"),
                                   QStringLiteral("所属分类=仓库管理员"), QStringLiteral("口令=") + kAdminDigest};
        QCOMPARE(plainLines(a.userFile()), expected);
        QCOMPARE(a.app.state().profilePath, a.userFile());
        QCOMPARE(a.app.state().userNames, QStringList{QStringLiteral("Velqa")});
        // The very first start keeps the order of the fixed list ...
        QCOMPARE(a.app.state().classNames, (QStringList{QStringLiteral("仓库管理员"), QStringLiteral("其他人员")}));
        QVERIFY(a.fakes.dialogs.messages.isEmpty());

        // ... every later start reads the file's order and writes nothing.
        const QByteArray bytes = fileBytes(a.userFile());
        QCOMPARE(accounts::profileStartUp(a.app, nullptr), accounts::StartUp::Ready);
        QCOMPARE(a.app.state().classNames, (QStringList{QStringLiteral("其他人员"), QStringLiteral("仓库管理员")}));
        QCOMPARE(a.app.state().userNames, QStringList{QStringLiteral("Velqa")});
        QCOMPARE(fileBytes(a.userFile()), bytes);
    }

    void classSectionAloneCountsAsNoUser()
    {
        Accounts a;
        writePlain(a.userFile(), QStringLiteral("[分类信息]\r\n仓库管理员=假\r\n访客=假\r\n"));
        QCOMPARE(accounts::profileStartUp(a.app, nullptr), accounts::StartUp::Ready);
        QCOMPARE(plainLines(a.userFile()),
                 (QStringList{QStringLiteral("[分类信息]"), QStringLiteral("仓库管理员=真"),
                              QStringLiteral("其他人员=假"), QStringLiteral("访客=假"), QStringLiteral("[Velqa]"),
                              QStringLiteral("所属分类=仓库管理员"), QStringLiteral("口令=") + kAdminDigest}));
    }

    void usersAreListedInFileOrder()
    {
        Accounts a;
        writePlain(a.userFile(),
                   QStringLiteral("[zhang]\r\n口令=1\r\n[分类信息]\r\nA=真\r\n[li]\r\n口令=2\r\n[分类信息]\r\n"));
        QCOMPARE(accounts::profileStartUp(a.app, nullptr), accounts::StartUp::Ready);
        // Only the first "分类信息" entry is dropped from the user list.
        QCOMPARE(a.app.state().userNames,
                 (QStringList{QStringLiteral("zhang"), QStringLiteral("li"), QStringLiteral("分类信息")}));
        QCOMPARE(a.app.state().classNames, QStringList{QStringLiteral("A")});
    }

    void unopenableFileIsLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("plain text") << QByteArrayLiteral("[Velqa]\r\n口令=x\r\n");
        QTest::newRow("foreign header") << QByteArray(200, 'x');
    }
    void unopenableFileIsLeftAlone()
    {
        QFETCH(QByteArray, bytes);
        Accounts a;
        a.app.state().classNames = QStringList{QStringLiteral("earlier")};
        QVERIFY(platform::writeFileAtomic(a.userFile(), bytes));
        QCOMPARE(accounts::profileStartUp(a.app, nullptr), accounts::StartUp::Damaged);
        QVERIFY(a.app.state().userNames.isEmpty());
        QCOMPARE(fileBytes(a.userFile()), bytes);

        // No operation replaces it either.
        const ProfileStore store = accounts::profileStore(a.app);
        QVERIFY(!store.writeValue(QStringLiteral("Velqa"), QStringLiteral("口令"), kAdminDigest));
        QVERIFY(!store.deleteSection(QStringLiteral("Velqa")));
        QCOMPARE(fileBytes(a.userFile()), bytes);
    }

    void damagedEncryptedFileIsLeftAlone()
    {
        Accounts a;
        writePlain(a.userFile(), QStringLiteral("[Velqa]\r\n口令=x\r\n"));
        QByteArray bytes = fileBytes(a.userFile());
        bytes.chop(1);
        QVERIFY(platform::writeFileAtomic(a.userFile(), bytes));
        QCOMPARE(accounts::profileStartUp(a.app, nullptr), accounts::StartUp::Damaged);
        QCOMPARE(fileBytes(a.userFile()), bytes);
    }

    void administrationCheck_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<bool>("passes");
        QTest::addColumn<QString>("className");
        QTest::newRow("administrator") << "Velqa" << true << "";
        QTest::newRow("user name in other case") << "VELQA" << true << "";
        QTest::newRow("class without the right") << "clerk" << false << "其他人员";
        QTest::newRow("no class line") << "nobody" << false << "";
        QTest::newRow("class not in the class section") << "guest" << false << "访客";
        QTest::newRow("flag not exactly 真") << "odd" << false << "半";
        QTest::newRow("unknown user") << "ghost" << false << "";
    }
    void administrationCheck()
    {
        QFETCH(QString, user);
        QFETCH(bool, passes);
        QFETCH(QString, className);
        Accounts a;
        writePlain(a.userFile(), QStringLiteral("[分类信息]\r\n其他人员=假\r\n仓库管理员=真\r\n半=真 \r\n =真\r\n"
                                                "[Velqa]\r\n所属分类=仓库管理员\r\n口令=x\r\n"
                                                "[clerk]\r\n所属分类=其他人员\r\n[nobody]\r\n口令=y\r\n"
                                                "[guest]\r\n所属分类=访客\r\n[odd]\r\n所属分类=半\r\n"));
        a.app.state().profilePath = a.userFile();
        a.app.state().loggedInUser = user;
        QCOMPARE(accounts::administrationCheck(a.app, nullptr), passes);
        if (passes) {
            QVERIFY(a.fakes.dialogs.messages.isEmpty());
            return;
        }
        QCOMPARE(a.fakes.dialogs.messages.size(), 1);
        const auto &m = a.fakes.dialogs.messages.first();
        QCOMPARE(m.text,
                 QStringLiteral("    你所属的分类(级别)是“") + className +
                     QStringLiteral("”，无执行此操作的权限，请用默认管理\r\n员或其他有此权限的用户身份重新登录！"));
        QCOMPARE(m.title, platform::kDefaultMessageTitle);
        QCOMPARE(m.icon, platform::Icon::Information);
        QCOMPARE(m.buttons, platform::Buttons::Ok);
    }
};

QTEST_MAIN(TestAccounts)
#include "test_accounts.moc"
