// The personal list: its INI file (section "记录数 " with the trailing space) and its window.

#include "mivo/frame/application.h"
#include "mivo/handbook/addresses.h"
#include "mivo/handbook/handbookwindow.h"
#include "mivo/handbook/personallist.h"
#include "platform/files.h"
#include "platform/testing/fakeseams.h"
#include "platform/text.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace mivo;

namespace {

struct Fixture {
    Fixture() : path(dir.path() + QStringLiteral("/档案项目.ini")), app(fakes.seams(), path) { app.start(); }

    PersonalListWindow *open()
    {
        app.openPersonalList();
        return app.personalList();
    }
    template <typename T> T *control(const char16_t *name)
    {
        auto *c = app.personalList()->findChild<T *>(QString::fromUtf16(name));
        if (!c)
            qFatal("missing control");
        return c;
    }
    QStringList rows()
    {
        QStringList out;
        auto *list = control<QTreeWidget>(u"超级档案管理列表框");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            out.append(list->topLevelItem(i)->text(0));
        return out;
    }
    void add(const QString &index, const QString &part)
    {
        auto *button = control<QPushButton>(u"超级加档案按钮");
        button->click();
        control<QLineEdit>(u"编辑索引框")->insert(index); // typed; keyClicks takes Latin-1 only
        control<QLineEdit>(u"编辑料号框")->insert(part);
        button->click();
    }
    QString fileText() const
    {
        QByteArray bytes;
        platform::readFile(path, &bytes);
        return platform::fromCodePage(bytes);
    }
    void writeFile(const QString &text) { platform::writeFileAtomic(path, platform::toCodePage(text)); }
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir dir;
    QString path;
    platform::testing::FakeSeams fakes;
    Application app;
};

} // namespace

class PersonalListTest : public QObject {
    Q_OBJECT
private slots:
    void startsEmptyWithoutFile();
    void threeAdditionsAreStoredAndListedAgain();
    void addIsTwoSteps();
    void emptyIndexIsRefused();
    void clearAsksFirst();
    void countSectionKeepsItsTrailingSpace();
    void doubleClickOpensTheProductFile();
    void openedFromTheHandbook();
};

void PersonalListTest::startsEmptyWithoutFile()
{
    Fixture f;
    PersonalListWindow *w = f.open();
    QVERIFY(w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("个人档案型号管理"));
    QCOMPARE(w->size(), QSize(356, 215));
    QVERIFY(!w->parentWidget());
    QVERIFY(f.rows().isEmpty());
    QVERIFY(!QFile::exists(f.path)); // opening writes nothing
}

void PersonalListTest::threeAdditionsAreStoredAndListedAgain()
{
    Fixture f;
    f.open();
    f.add(QStringLiteral("吸尘器 主机"), QStringLiteral("ZJ-001"));
    f.add(QStringLiteral("second"), QString()); // an empty part number is allowed
    f.add(QStringLiteral("third"), QStringLiteral("P 3"));
    QCOMPARE(f.rows(), QStringList({QStringLiteral("吸尘器 主机"), QStringLiteral("second"), QStringLiteral("third")}));
    QCOMPARE(f.fileText(), QStringLiteral("[档案0]\r\n索引=吸尘器 主机\r\n主件料号=ZJ-001\r\n"
                                          "[记录数 ]\r\n记录数=3\r\n"
                                          "[档案1]\r\n索引=second\r\n主件料号=\r\n"
                                          "[档案2]\r\n索引=third\r\n主件料号=P 3\r\n"));

    f.app.personalList()->close();
    Fixture::flushDeletes();
    QVERIFY(!f.app.personalList());
    f.open();
    QCOMPARE(f.rows().size(), 3);
    QCOMPARE(f.rows().at(2), QStringLiteral("third"));
}

void PersonalListTest::addIsTwoSteps()
{
    Fixture f;
    PersonalListWindow *w = f.open();
    auto *button = f.control<QPushButton>(u"超级加档案按钮");
    auto *index = f.control<QLineEdit>(u"编辑索引框");
    auto *fields = f.control<QWidget>(u"分组框1");
    QCOMPARE(button->text(), QStringLiteral("添加"));
    QVERIFY(!fields->isVisible());
    button->click();
    QCOMPARE(button->text(), QStringLiteral("保存"));
    QCOMPARE(w->height(), 312);
    QVERIFY(fields->isVisible());
    QTest::keyClicks(index, QStringLiteral("idx"));
    button->click();
    QCOMPARE(button->text(), QStringLiteral("添加"));
    QCOMPARE(w->height(), 215);
    QVERIFY(!fields->isVisible());
    QCOMPARE(index->text(), QStringLiteral("idx")); // kept until the next "添加"
    button->click();
    QCOMPARE(index->text(), QString());

    // Cancelling an entry drops it: nothing more is written.
    const QString before = f.fileText();
    QTest::keyClicks(index, QStringLiteral("dropped"));
    f.control<QPushButton>(u"超级档案取消按钮")->click();
    QVERIFY(!w->isVisible());
    QCOMPARE(f.fileText(), before);
}

void PersonalListTest::emptyIndexIsRefused()
{
    Fixture f;
    PersonalListWindow *w = f.open();
    auto *button = f.control<QPushButton>(u"超级加档案按钮");
    button->click();
    QTest::keyClicks(f.control<QLineEdit>(u"编辑料号框"), QStringLiteral("P1"));
    button->click();
    QCOMPARE(f.fakes.dialogs.messages.size(), 1);
    QCOMPARE(f.fakes.dialogs.messages[0].text, QStringLiteral("红色部分内容不能为空!"));
    QCOMPARE(f.fakes.dialogs.messages[0].title, QStringLiteral("信息："));
    QCOMPARE(f.fakes.dialogs.messages[0].buttons, platform::Buttons::Ok);
    QCOMPARE(button->text(), QStringLiteral("保存"));
    QCOMPARE(w->height(), 312);
    QVERIFY(f.rows().isEmpty());
    QVERIFY(!QFile::exists(f.path));
}

void PersonalListTest::clearAsksFirst()
{
    Fixture f;
    f.open();
    f.add(QStringLiteral("a"), QStringLiteral("1"));
    f.add(QStringLiteral("b"), QStringLiteral("2"));
    const QString stored = f.fileText();

    f.fakes.dialogs.answers.push_back(platform::Answer::Cancel);
    f.control<QPushButton>(u"超级初始按钮")->click();
    QCOMPARE(f.fakes.dialogs.messages.back().text, QStringLiteral("是否决定清空配置表？"));
    QCOMPARE(f.fakes.dialogs.messages.back().title, QStringLiteral("提示"));
    QCOMPARE(f.fakes.dialogs.messages.back().buttons, platform::Buttons::OkCancel);
    QCOMPARE(f.fileText(), stored);
    QCOMPARE(f.rows().size(), 2);

    QPointer<PersonalListWindow> old = f.app.personalList();
    f.control<QPushButton>(u"超级初始按钮")->click(); // OK
    Fixture::flushDeletes();
    QVERIFY(!old);
    QVERIFY(f.app.personalList() && f.app.personalList()->isVisible());
    QVERIFY(f.rows().isEmpty());
    QCOMPARE(f.fileText(), QStringLiteral("[记录数 ]\r\n记录数=0\r\n"));

    // The next entry starts again at 档案0.
    f.add(QStringLiteral("c"), QStringLiteral("3"));
    QCOMPARE(PersonalListFile(f.path).count(), 1);
    QCOMPARE(PersonalListFile(f.path).indexText(0), QStringLiteral("c"));
}

void PersonalListTest::countSectionKeepsItsTrailingSpace()
{
    Fixture f;
    // Written without the space: not this file's count, so no entries.
    f.writeFile(QStringLiteral("[记录数]\r\n记录数=2\r\n[档案0]\r\n索引=x\r\n[档案1]\r\n索引=y\r\n"));
    f.open();
    QVERIFY(f.rows().isEmpty());
    f.app.personalList()->close();
    Fixture::flushDeletes();

    // With the space, and only the first N sections count; a count that is no number gives 0.
    f.writeFile(QStringLiteral("[记录数 ]\r\n记录数=1\r\n[档案0]\r\n索引=x\r\n[档案1]\r\n索引=y\r\n"));
    f.open();
    QCOMPARE(f.rows(), QStringList{QStringLiteral("x")});
    f.app.personalList()->close();
    Fixture::flushDeletes();
    f.writeFile(QStringLiteral("[记录数 ]\r\n记录数=abc\r\n[档案0]\r\n索引=x\r\n"));
    QCOMPARE(PersonalListFile(f.path).count(), 0);
}

void PersonalListTest::doubleClickOpensTheProductFile()
{
    Fixture f;
    f.writeFile(
        QStringLiteral("[记录数 ]\r\n记录数=2\r\n[档案0]\r\n索引=x\r\n主件料号=AB 12\r\n[档案1]\r\n索引=y\r\n"));
    f.open();
    auto *list = f.control<QTreeWidget>(u"超级档案管理列表框");
    const QString item = documentBases().item;

    // No row selected: index -1, the bare ".pdf".
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(100, 120));
    QCOMPARE(f.fakes.shell.opened.size(), 1);
    QCOMPARE(QString::fromLatin1(f.fakes.shell.opened.back().toEncoded()), item + QStringLiteral(".pdf"));

    const QRect first = list->visualItemRect(list->topLevelItem(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(QString::fromLatin1(f.fakes.shell.opened.back().toEncoded()), item + QStringLiteral("AB%2012.pdf"));
    const QRect second = list->visualItemRect(list->topLevelItem(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(QString::fromLatin1(f.fakes.shell.opened.back().toEncoded()), item + QStringLiteral(".pdf"));
    QVERIFY(!f.app.personalList()->isMinimized());
}

void PersonalListTest::openedFromTheHandbook()
{
    Fixture f;
    f.app.openHandbook();
    f.app.handbook()->findChild<QPushButton *>(QStringLiteral("超级档案配置按钮"))->click();
    QVERIFY(f.app.personalList() && f.app.personalList()->isVisible());
    f.app.handbook()->findChild<QPushButton *>(QStringLiteral("超级档案配置按钮"))->click();
    QCOMPARE(f.app.personalList()->size(), QSize(356, 215)); // the one window, reused
}

QTEST_MAIN(PersonalListTest)
#include "test_personallist.moc"
