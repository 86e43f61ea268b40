// The tools window: desk tools, power control through the seam, the browse dialog, and the
// capture page's start-to-finish procedure.

#include "mivo/capture/capturepage.h"
#include "mivo/capture/capturewindow.h"
#include "mivo/frame/application.h"
#include "mivo/frame/mainbar.h"
#include "platform/desktools.h"
#include "mivo/tools/toolswindow.h"
#include "platform/files.h"
#include "platform/testing/fakeseams.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace mivo;

namespace {

// Records the tools window's state at the moment a program is started.
class WatchingShell : public platform::testing::FakeShell {
public:
    bool start(const QString &program, const QStringList &arguments) override
    {
        minimisedAtStart.append(watched && watched->isMinimized());
        return FakeShell::start(program, arguments);
    }
    QWidget *watched = nullptr;
    QList<bool> minimisedAtStart;
};

struct Fixture {
    Fixture() : app(seams(), dir.path() + QStringLiteral("/档案项目.ini"))
    {
        app.start();
        app.openTools();
        window = app.tools();
        shell.watched = window;
        window->capturePage()->pointerPosition = [] { return std::nullopt; };
        fakes.screen.image = QImage(640, 480, QImage::Format_RGB32);
        fakes.screen.image.fill(qRgb(10, 20, 30));
    }
    platform::Seams seams()
    {
        platform::Seams s = fakes.seams();
        s.shell = &shell;
        return s;
    }
    template <typename T> T *control(const char16_t *name)
    {
        auto *c = window->findChild<T *>(QString::fromUtf16(name));
        if (!c)
            qFatal("missing control");
        return c;
    }
    QTemporaryDir dir;
    platform::testing::FakeSeams fakes;
    WatchingShell shell;
    Application app;
    ToolsWindow *window = nullptr;
};

void send(QWidget *w, QEvent::Type type, QPoint at)
{
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

// Drives the capture window: select (from, to) and double-click inside.
std::function<void(QDialog *)> selectAndCopy(QPoint from, QPoint to, QList<bool> *minimised, Fixture *f)
{
    return [=](QDialog *dialog) {
        minimised->append(f->window->isMinimized());
        minimised->append(f->app.bar()->isMinimized());
        QWidget *canvas = static_cast<CaptureWindow *>(dialog)->canvas();
        send(canvas, QEvent::MouseButtonPress, from);
        send(canvas, QEvent::MouseMove, to);
        send(canvas, QEvent::MouseButtonRelease, to);
        const QPoint inside = (from + to) / 2;
        send(canvas, QEvent::MouseButtonPress, inside);
        send(canvas, QEvent::MouseButtonRelease, inside);
        send(canvas, QEvent::MouseButtonDblClick, inside);
        send(canvas, QEvent::MouseButtonRelease, inside);
    };
}

std::function<void(QDialog *)> cancelCapture()
{
    return [](QDialog *dialog) {
        QWidget *canvas = static_cast<CaptureWindow *>(dialog)->canvas();
        QMouseEvent e(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::RightButton, Qt::NoButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &e);
    };
}

} // namespace

class ToolsTest : public QObject {
    Q_OBJECT
private slots:
    void pages();
    void launchersMinimiseFirst();
    void powerNeedsAChoiceAndPassesItsValue_data();
    void powerNeedsAChoiceAndPassesItsValue();
    void browseChangesNothing();
    void captureLandsOnTheClipboard();
    void saveAlwaysAppendsBmp_data();
    void saveAlwaysAppendsBmp();
    void saveWithoutAnyPictureWritesNothing();
    void cancelledCaptureSavesThePreviousPicture();
    void editStartsPaint();
};

void ToolsTest::pages()
{
    Fixture f;
    auto *tabs = f.control<QTabWidget>(u"工具选择夹");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("]系统工具["));
    QCOMPARE(tabs->tabText(1), QStringLiteral("]屏幕抓手["));
    QCOMPARE(tabs->tabText(2), QStringLiteral("]文件传输["));
    auto *power = f.control<QComboBox>(u"关机组合框");
    QCOMPARE(power->count(), 4);
    QCOMPARE(power->currentIndex(), -1);
    QVERIFY(f.control<QRadioButton>(u"是否留在剪贴板框")->isChecked());
    QCOMPARE(f.control<QRadioButton>(u"是否留在剪贴板框")->text(), QStringLiteral("不操作、留在剪贴板[仅能一张]"));
    QVERIFY(!f.control<QComboBox>(u"抓图方式框")->isEnabled());
    QCOMPARE(f.control<QPushButton>(u"抓图确定按钮")->text(), QStringLiteral("开始抓图"));
    QVERIFY(!f.control<QPushButton>(u"按钮文件确定")->isEnabled());
    QVERIFY(!f.window->windowIcon().isNull());
}

void ToolsTest::launchersMinimiseFirst()
{
    Fixture f;
    f.control<QPushButton>(u"计算器按钮")->click();
    f.window->showNormal();
    f.control<QPushButton>(u"记事本按钮")->click();
    f.window->showNormal();
    f.control<QPushButton>(u"画图按钮")->click();
    QCOMPARE(f.shell.started.size(), 3);
    QCOMPARE(f.shell.started[0].front(), platform::deskToolProgram(platform::DeskTool::Calculator));
    QCOMPARE(f.shell.started[1].front(), platform::deskToolProgram(platform::DeskTool::Notepad));
    QCOMPARE(f.shell.started[2].front(), platform::deskToolProgram(platform::DeskTool::Paint));
    QCOMPARE(f.shell.minimisedAtStart, QList<bool>({true, true, true}));
    QVERIFY(f.fakes.power.actions.isEmpty());
}

void ToolsTest::powerNeedsAChoiceAndPassesItsValue_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("value");
    QTest::newRow("shut down") << QStringLiteral("系统关闭") << 1;
    QTest::newRow("restart") << QStringLiteral("系统重启") << 2;
    QTest::newRow("log off") << QStringLiteral("系统注销") << 3;
    QTest::newRow("hibernate") << QStringLiteral("系统休眠") << 4;
}

void ToolsTest::powerNeedsAChoiceAndPassesItsValue()
{
    QFETCH(QString, item);
    QFETCH(int, value);
    Fixture f;
    auto *list = f.control<QComboBox>(u"关机组合框");
    auto *ok = f.control<QPushButton>(u"确定关机按钮");
    QCOMPARE(ok->text(), QStringLiteral("√"));
    QVERIFY(!ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(f.fakes.power.actions.isEmpty());
    list->setCurrentIndex(list->findText(item));
    QVERIFY(ok->isEnabled());
    ok->click();
    QCOMPARE(f.fakes.power.actions, QList<int>{value});
    QVERIFY(f.fakes.dialogs.messages.isEmpty()); // at once, no question
}

void ToolsTest::browseChangesNothing()
{
    Fixture f;
    f.control<QTabWidget>(u"工具选择夹")->setCurrentIndex(2);
    f.fakes.dialogs.fileNames.push_back(f.dir.path() + QStringLiteral("/some.txt"));
    f.control<QPushButton>(u"按钮浏览文件")->click();
    QCOMPARE(f.fakes.dialogs.fileCaptions.size(), 1);
    QVERIFY(f.fakes.dialogs.fileNames.empty());
    for (const char16_t *label : {u"标签1", u"标签2"}) {
        auto *l = f.window->findChild<QWidget *>(QString::fromUtf16(label));
        QVERIFY(l->property("text").toString().isEmpty());
    }
    QVERIFY(f.shell.started.isEmpty());
}

void ToolsTest::captureLandsOnTheClipboard()
{
    Fixture f;
    QList<bool> minimised;
    f.fakes.dialogs.modalDrivers.push_back(selectAndCopy(QPoint(100, 50), QPoint(20, 10), &minimised, &f));
    f.control<QPushButton>(u"抓图确定按钮")->click();
    QCOMPARE(minimised, QList<bool>({true, true})); // tools window and bar out of the picture
    QVERIFY(!f.window->isMinimized());
    QVERIFY(!f.app.bar()->isMinimized());
    QCOMPARE(f.fakes.screen.grabs, 1);
    QCOMPARE(f.fakes.screen.clipboard.size(), QSize(81, 41));
    QCOMPARE(f.fakes.screen.clipboard.pixel(40, 20), qRgb(10, 20, 30));
    QVERIFY(f.window->capturePage()->picture().startsWith("BM"));
    QVERIFY(f.fakes.dialogs.fileCaptions.isEmpty()); // left on the clipboard: nothing else
    QVERIFY(f.shell.started.isEmpty());
}

void ToolsTest::saveAlwaysAppendsBmp_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("plain name") << QStringLiteral("shot") << QStringLiteral("shot.bmp");
    QTest::newRow("already .bmp") << QStringLiteral("shot.bmp") << QStringLiteral("shot.bmp.bmp");
}

void ToolsTest::saveAlwaysAppendsBmp()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    Fixture f;
    QList<bool> minimised;
    f.control<QRadioButton>(u"是否保存框")->click();
    f.fakes.dialogs.modalDrivers.push_back(selectAndCopy(QPoint(10, 10), QPoint(60, 30), &minimised, &f));
    f.fakes.dialogs.fileNames.push_back(f.dir.path() + u'/' + typed);
    f.control<QPushButton>(u"抓图确定按钮")->click();
    QCOMPARE(f.fakes.dialogs.fileCaptions, QStringList{QStringLiteral("请选择要保存的位置并输入文件名")});
    QByteArray data;
    QVERIFY(platform::readFile(f.dir.path() + u'/' + written, &data));
    QCOMPARE(data, f.window->capturePage()->picture());
    QImage back;
    QVERIFY(back.loadFromData(data, "BMP"));
    QCOMPARE(back.size(), QSize(51, 21));
    QVERIFY(!f.window->isMinimized());
}

void ToolsTest::saveWithoutAnyPictureWritesNothing()
{
    Fixture f;
    f.control<QRadioButton>(u"是否保存框")->click();
    f.fakes.dialogs.modalDrivers.push_back(cancelCapture());
    f.fakes.dialogs.fileNames.push_back(f.dir.path() + QStringLiteral("/empty"));
    f.control<QPushButton>(u"抓图确定按钮")->click();
    QCOMPARE(f.fakes.dialogs.modalTitles.size(), 2); // the splash and the capture window
    QVERIFY(f.fakes.dialogs.fileCaptions.isEmpty());
    QVERIFY(!QFile::exists(f.dir.path() + QStringLiteral("/empty.bmp")));
    QVERIFY(f.fakes.screen.clipboard.isNull());
    QVERIFY(!f.window->isMinimized());
    QVERIFY(!f.app.bar()->isMinimized());
}

void ToolsTest::cancelledCaptureSavesThePreviousPicture()
{
    Fixture f;
    QList<bool> minimised;
    f.fakes.dialogs.modalDrivers.push_back(selectAndCopy(QPoint(10, 10), QPoint(30, 30), &minimised, &f));
    f.control<QPushButton>(u"抓图确定按钮")->click();
    const QByteArray first = f.window->capturePage()->picture();
    f.control<QRadioButton>(u"是否保存框")->click();
    f.fakes.dialogs.modalDrivers.push_back(cancelCapture());
    f.fakes.dialogs.fileNames.push_back(f.dir.path() + QStringLiteral("/again"));
    f.control<QPushButton>(u"抓图确定按钮")->click();
    QByteArray data;
    QVERIFY(platform::readFile(f.dir.path() + QStringLiteral("/again.bmp"), &data));
    QCOMPARE(data, first);

    // A cancelled save dialog writes nothing.
    f.fakes.dialogs.modalDrivers.push_back(cancelCapture());
    f.control<QPushButton>(u"抓图确定按钮")->click();
    QCOMPARE(QDir(f.dir.path()).entryList({QStringLiteral("*.bmp")}).size(), 1);
}

void ToolsTest::editStartsPaint()
{
    Fixture f;
    f.control<QRadioButton>(u"是否编辑框")->click();
    f.fakes.dialogs.modalDrivers.push_back(cancelCapture());
    f.control<QPushButton>(u"抓图确定按钮")->click();
    QCOMPARE(f.shell.started.size(), 1);
    QCOMPARE(f.shell.started[0], QStringList{platform::deskToolProgram(platform::DeskTool::Paint)});
}

QTEST_MAIN(ToolsTest)
#include "test_tools.moc"
