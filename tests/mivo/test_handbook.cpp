// The handbook: document addresses built from the typed codes and the common-part list, opened
// only through the shell, with the window minimised first.

#include "mivo/handbook/addresses.h"
#include "mivo/handbook/handbookwindow.h"
#include "platform/testing/fakeseams.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace mivo;

namespace {

struct Fixture {
    Fixture() : window(fakes.seams(), documentBases(), nullptr) { window.show(); }
    template <typename T> T *control(const char16_t *name)
    {
        auto *c = window.findChild<T *>(QString::fromUtf16(name));
        if (!c)
            qFatal("missing control");
        return c;
    }
    QString lastOpened() const
    {
        return fakes.shell.opened.isEmpty() ? QString() : QString::fromLatin1(fakes.shell.opened.back().toEncoded());
    }
    platform::testing::FakeSeams fakes;
    HandbookWindow window;
};

const QString kItem = kDocumentServer + QStringLiteral("/web/upload/item/");
const QString kExploded = kDocumentServer + QStringLiteral("/web/bbs/uploadfile/602/403/");
const QString kStructure = kDocumentServer + QStringLiteral("/web/bbs/uploadfile/584/403/");

} // namespace

class HandbookTest : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void typedQueries_data();
    void typedQueries();
    void nonAsciiIsSentInTheCodePage();
    void commonParts_data();
    void commonParts();
    void commonPartWithoutSelectionOpensNothing();
    void personalButtonAsksForTheList();
};

void HandbookTest::layout()
{
    Fixture f;
    auto *tabs = f.control<QTabWidget>(u"查手选择夹");
    QCOMPARE(tabs->count(), 4);
    const QStringList captions{QStringLiteral("]档  案["), QStringLiteral("]通用件["), QStringLiteral("]爆炸图["),
                               QStringLiteral("]结构表[")};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(tabs->tabText(i), captions[i]);
    QCOMPARE(f.control<QLineEdit>(u"档案查询框")->text(), QStringLiteral("请输入主件料号"));
    QCOMPARE(f.control<QLineEdit>(u"爆炸框")->text(), QStringLiteral("请输入型号"));
    QCOMPARE(f.control<QLineEdit>(u"结构数据框")->text(), QStringLiteral("请输入型号"));
    QCOMPARE(f.control<QPushButton>(u"超级档案配置按钮")->text(), QStringLiteral(" 个 人 配 置 "));
    QCOMPARE(f.control<QPushButton>(u"确定查询档案按钮")->text(), QStringLiteral("确  定"));
    auto *list = f.control<QComboBox>(u"通用件列表框");
    QCOMPARE(list->count(), 36);
    QCOMPARE(list->currentIndex(), -1);
    QVERIFY(!list->isEditable());
    QVERIFY(!f.control<QWidget>(u"资料链接框")->isVisible());
}

void HandbookTest::typedQueries_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("okButton");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("prompt");

    const QString product = QStringLiteral("档案查询框");
    const QString productOk = QStringLiteral("确定查询档案按钮");
    const QString productPrompt = QStringLiteral("请输入主件料号");
    // The prompt was never replaced: it goes into the address (percent-encoded GB18030).
    QTest::newRow("product, untouched") << product << productOk << 0 << false << QString()
                                        << kItem + QStringLiteral("%C7%EB%CA%E4%C8%EB%D6%F7%BC%FE%C1%CF%BA%C5.pdf")
                                        << productPrompt;
    QTest::newRow("product, emptied by the focus")
        << product << productOk << 0 << true << QString() << kItem + QStringLiteral(".pdf") << productPrompt;
    QTest::newRow("product, inner space kept") << product << productOk << 0 << true << QStringLiteral("A 1")
                                               << kItem + QStringLiteral("A%201.pdf") << productPrompt;
    QTest::newRow("product, no trimming or case change")
        << product << productOk << 0 << true << QStringLiteral(" ab12 ") << kItem + QStringLiteral("%20ab12%20.pdf")
        << productPrompt;

    const QString model = QStringLiteral("请输入型号");
    const QString modelEncoded = QStringLiteral("%C7%EB%CA%E4%C8%EB%D0%CD%BA%C5");
    QTest::newRow("exploded, untouched") << QStringLiteral("爆炸框") << QStringLiteral("确定查询爆炸按钮") << 2 << false
                                         << QString() << kExploded + modelEncoded + QStringLiteral(".xls") << model;
    QTest::newRow("exploded, emptied") << QStringLiteral("爆炸框") << QStringLiteral("确定查询爆炸按钮") << 2 << true
                                       << QString() << kExploded + QStringLiteral(".xls") << model;
    QTest::newRow("exploded, inner space")
        << QStringLiteral("爆炸框") << QStringLiteral("确定查询爆炸按钮") << 2 << true << QStringLiteral("VC 9")
        << kExploded + QStringLiteral("VC%209.xls") << model;
    QTest::newRow("structure, untouched")
        << QStringLiteral("结构数据框") << QStringLiteral("确定查询结构按钮") << 3 << false << QString()
        << kStructure + modelEncoded + QStringLiteral(".xls") << model;
    QTest::newRow("structure, emptied") << QStringLiteral("结构数据框") << QStringLiteral("确定查询结构按钮") << 3
                                        << true << QString() << kStructure + QStringLiteral(".xls") << model;
    QTest::newRow("structure, inner space")
        << QStringLiteral("结构数据框") << QStringLiteral("确定查询结构按钮") << 3 << true << QStringLiteral("X 2")
        << kStructure + QStringLiteral("X%202.xls") << model;
}

void HandbookTest::typedQueries()
{
    QFETCH(QString, box);
    QFETCH(QString, okButton);
    QFETCH(int, page);
    QFETCH(bool, focus);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(QString, prompt);

    Fixture f;
    f.control<QTabWidget>(u"查手选择夹")->setCurrentIndex(page);
    auto *edit = f.window.findChild<QLineEdit *>(box);
    QVERIFY(edit);
    if (focus) {
        // Whatever the box holds, taking the focus empties it.
        edit->setText(QStringLiteral("left over"));
        QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(edit, &in);
        QCOMPARE(edit->text(), QString());
        QTest::keyClicks(edit, typed);
    }
    f.window.findChild<QPushButton *>(okButton)->click();
    QCOMPARE(f.fakes.shell.opened.size(), 1);
    QCOMPARE(f.lastOpened(), expected);
    QVERIFY(f.window.isMinimized());
    QCOMPARE(edit->text(), prompt);
}

void HandbookTest::nonAsciiIsSentInTheCodePage()
{
    QCOMPARE(
        QString::fromLatin1(
            documentAddress(QStringLiteral("http://h/"), QStringLiteral("吸尘器"), QStringLiteral(".pdf")).toEncoded()),
        QStringLiteral("http://h/%CE%FC%B3%BE%C6%F7.pdf"));
    // A character outside GBK still reaches the server as its GB18030 bytes.
    QCOMPARE(QString::fromLatin1(documentAddress(QStringLiteral("http://h/"), QStringLiteral("€"), {}).toEncoded()),
             QStringLiteral("http://h/%A2%E3"));
}

void HandbookTest::commonParts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("file");
    const QStringList texts{"主吸管资料",       "软管  组件", "手柄体资料", "金伸管资料", "地刷  资料", "扁吸  资料",
                            "毛刷  资料",       "圆刷  资料", "沙发吸资料", "挂钩  资料", "布袋  资料", "纸袋  资料",
                            "保护器资料",       "压座  资料", "电机密封圈", "电机调整圈", "特殊  软管", "海帕  组件",
                            "长接管组件",       "卷簧  组件", "卷线轮组件", "开关  压板", "螺钉明细表", "指示灯主板",
                            "滤片架明细",       "过滤片明细", "线路板主板", "传感器主板", "软管  卡圈", "软管连接头",
                            "软管连接头密封圈", "电位器主板", "提手  明细", "连接  导线", "小轮  明细", "风量管组件"};
    const QStringList files{
        "T-ZG.PDF", "T-RZ.pdf", "T-SB.pdf", "T-SG.pdf", "T-DS.pdf", "T-BX.pdf", "T-MS.pdf", "T-YS.pdf", "T-SX.pdf",
        "T-GG.pdf", "T-CD.pdf", "T-ZD.pdf", "T-BH.pdf", "T-DY.pdf", "T-DM.pdf", "T-DT.pdf", "T-RG.pdf", "T-HP.pdf",
        "T-JG.pdf", "T-JH.pdf", "T-JX.pdf", "T-KY.pdf", "T-LD.pdf", "T-LE.pdf", "T-LJ.pdf", "T-LP.pdf", "T-PC.pdf",
        "T-PK.pdf", "T-RK.pdf", "T-RL.pdf", "T-RM.pdf", "T-RW.pdf", "T-TS.pdf", "T-WR.pdf", "T-XL.pdf", "T-ZS.pdf"};
    for (int i = 0; i < 36; ++i)
        QTest::addRow("%d %s", i, qPrintable(files[i])) << i << texts[i] << files[i];
}

void HandbookTest::commonParts()
{
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QString, file);
    Fixture f;
    auto *list = f.control<QComboBox>(u"通用件列表框");
    QCOMPARE(list->itemText(row), text);
    list->setCurrentIndex(row);
    f.control<QPushButton>(u"确定查询通用件按钮")->click();
    QCOMPARE(f.lastOpened(), kItem + file);
    QVERIFY(f.window.isMinimized());
    QCOMPARE(list->currentIndex(), row); // the choice stays
}

void HandbookTest::commonPartWithoutSelectionOpensNothing()
{
    Fixture f;
    f.control<QPushButton>(u"确定查询通用件按钮")->click();
    QVERIFY(f.window.isMinimized());
    QVERIFY(f.fakes.shell.opened.isEmpty());
}

void HandbookTest::personalButtonAsksForTheList()
{
    Fixture f;
    QSignalSpy spy(&f.window, &HandbookWindow::personalListRequested);
    f.control<QPushButton>(u"超级档案配置按钮")->click();
    QCOMPARE(spy.size(), 1);
    QVERIFY(!f.window.isMinimized());
}

QTEST_MAIN(HandbookTest)
#include "test_handbook.moc"
