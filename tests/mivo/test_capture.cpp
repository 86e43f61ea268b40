// Screen capture: the selection state machine on its own, then the capture window on a
// synthetic snapshot.

#include "mivo/capture/capturewindow.h"
#include "mivo/capture/selection.h"
#include "platform/testing/fakeseams.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QtTest>

using namespace mivo;

Q_DECLARE_METATYPE(mivo::Span)

namespace {

const QSize kScreen(1280, 800);

// Steps: "p x y" press, "m x y" move, "r x y" release, "R" right release, "d x y" double-click.
// Returns the close requests of the right releases.
int play(CaptureSelection &s, const QString &script)
{
    int closes = 0;
    for (const QString &step : script.split(u';', Qt::SkipEmptyParts)) {
        const QStringList p = step.trimmed().split(u' ');
        const int x = p.size() > 1 ? p[1].toInt() : 0;
        const int y = p.size() > 2 ? p[2].toInt() : 0;
        if (p[0] == u"p")
            s.press(x, y);
        else if (p[0] == u"m")
            s.move(x, y);
        else if (p[0] == u"r")
            s.release(x, y);
        else if (p[0] == u"R")
            closes += s.rightRelease() ? 1 : 0;
        else if (p[0] == u"d")
            s.doubleClick(x, y);
    }
    return closes;
}

// A snapshot whose every pixel tells its own place.
QImage syntheticScreen()
{
    QImage img(kScreen, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 40 + 7));
    return img;
}

void mouse(QWidget *w, QEvent::Type type, Qt::MouseButton button, QPoint at)
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease || type == QEvent::MouseMove ? Qt::NoButton : button;
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

void drag(QWidget *canvas, QPoint from, QPoint to)
{
    mouse(canvas, QEvent::MouseButtonPress, Qt::LeftButton, from);
    mouse(canvas, QEvent::MouseMove, Qt::NoButton, to);
    mouse(canvas, QEvent::MouseButtonRelease, Qt::LeftButton, to);
}

void doubleClick(QWidget *canvas, QPoint at)
{
    mouse(canvas, QEvent::MouseButtonPress, Qt::LeftButton, at);
    mouse(canvas, QEvent::MouseButtonRelease, Qt::LeftButton, at);
    mouse(canvas, QEvent::MouseButtonDblClick, Qt::LeftButton, at);
    mouse(canvas, QEvent::MouseButtonRelease, Qt::LeftButton, at);
}

} // namespace

class CaptureTest : public QObject {
    Q_OBJECT
private slots:
    void selection_data();
    void selection();
    void doubleClickClampsToTheScreen();
    void infoBox_data();
    void infoBox();
    void readOutAndLabel();

    void windowShowsTheFrozenScreen();
    void doubleClickCopiesTheRegion();
    void rightClickTwiceLeaves();
    void escapeLeavesAtOnce();
    void closeRequestCancelsSelectionFirst();
    void labelJumpsOutOfTheWay();
};

void CaptureTest::selection_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<Span>("rect");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<int>("closes");

    const QString base = QStringLiteral("p 100 100; m 300 200; r 300 200;");
    const int capture = int(PointerShape::Capture);
    QTest::newRow("drawn bottom-right to top-left is ordered")
        << "p 300 200; m 250 150; m 100 50; r 100 50" << Span{100, 50, 300, 200} << true << int(PointerShape::SizeNwSe)
        << 0;
    QTest::newRow("press and release at one point: no selection")
        << "p 40 40; r 40 40" << Span{40, 40, 40, 40} << false << int(PointerShape::SizeNwSe) << 0;
    QTest::newRow("handle 1 moves only the top") << base + "m 200 100; p 200 100; m 180 60; m 200 60; r 200 60"
                                                 << Span{100, 60, 300, 200} << true << int(PointerShape::SizeNs) << 0;
    QTest::newRow("handle 1 dragged past the bottom is reordered")
        << base + "m 200 101; p 200 101; m 200 250; r 200 250" << Span{100, 200, 300, 250} << true
        << int(PointerShape::SizeNs) << 0;
    QTest::newRow("handle 0 moves the top-left corner")
        << base + "m 99 98; p 99 98; m 50 60; r 50 60" << Span{50, 60, 300, 200} << true << int(PointerShape::SizeNwSe)
        << 0;
    QTest::newRow("handle 5 (bottom-left)") << base + "m 102 200; p 102 200; m 80 240; r 80 240"
                                            << Span{80, 100, 300, 240} << true << int(PointerShape::SizeNeSw) << 0;
    QTest::newRow("handle 4 (right edge)") << base + "m 300 150; p 300 150; m 350 170; m 350 150; r 350 150"
                                           << Span{100, 100, 350, 200} << true << int(PointerShape::SizeWe) << 0;
    QTest::newRow("inside moves the whole, size kept")
        << base + "m 150 150; p 150 150; m 170 130; m 190 110; r 190 110" << Span{140, 60, 340, 160} << true
        << int(PointerShape::Move) << 0;
    QTest::newRow("press outside an existing selection is ignored")
        << base + "m 500 500; p 500 500; m 600 600; r 600 600" << Span{100, 100, 300, 200} << true << capture << 0;
    QTest::newRow("tiny selection: handle 7 is tested first")
        << "p 100 100; m 102 102; r 102 102; m 101 101" << Span{100, 100, 102, 102} << true
        << int(PointerShape::SizeNwSe) << 0;
    QTest::newRow("first right-click removes the selection")
        << base + "R" << Span{-1, -1, -1, -1} << false << capture << 0;
    QTest::newRow("second right-click leaves") << base + "R; R" << Span{-1, -1, -1, -1} << false << capture << 1;
    QTest::newRow("after a right-click a new selection can be drawn")
        << base + "R; p 500 500; m 600 550; r 600 550" << Span{500, 500, 600, 550} << true
        << int(PointerShape::SizeNwSe) << 0;
    QTest::newRow("double-click outside does nothing")
        << base + "d 400 400" << Span{100, 100, 300, 200} << true << int(PointerShape::SizeNwSe) << 0;
}

void CaptureTest::selection()
{
    QFETCH(QString, script);
    QFETCH(Span, rect);
    QFETCH(bool, selected);
    QFETCH(int, pointer);
    QFETCH(int, closes);
    CaptureSelection s(kScreen);
    QCOMPARE(play(s, script), closes);
    QCOMPARE(s.rect().left, rect.left);
    QCOMPARE(s.rect().top, rect.top);
    QCOMPARE(s.rect().right, rect.right);
    QCOMPARE(s.rect().bottom, rect.bottom);
    QCOMPARE(s.hasSelection(), selected);
    QCOMPARE(int(s.pointer()), pointer);
    QVERIFY(!s.buttonDown());
    QVERIFY(!s.grabbing());
    QVERIFY(!s.ignoringPress());
}

void CaptureTest::doubleClickClampsToTheScreen()
{
    CaptureSelection s(kScreen);
    // Moved past the right edge by dragging the whole rectangle, and past the top.
    play(s, QStringLiteral("p 1200 100; m 1270 150; r 1270 150; m 1210 110; p 1210 110; m 1250 60; r 1250 60"));
    QCOMPARE(s.rect(), (Span{1240, 50, 1310, 100}));
    play(s, QStringLiteral("p 20 20; r 20 20")); // ignored press
    const std::optional<Span> region = s.doubleClick(1260, 70);
    QVERIFY(region);
    QCOMPARE(*region, (Span{1240, 50, 1280, 100}));
    QVERIFY(!s.hasSelection()); // cancelled after the copy
    QVERIFY(!s.doubleClick(1260, 70));

    CaptureSelection t(kScreen);
    play(t, QStringLiteral("p 10 10; m 60 40; r 60 40; m 20 20; p 20 20; m 0 0; r 0 0"));
    QCOMPARE(t.rect(), (Span{-10, -10, 40, 20}));
    QCOMPARE(*t.doubleClick(0, 0), (Span{0, 0, 40, 20}));
}

void CaptureTest::infoBox_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QStringList>("lines");
    const int h = 12;
    Q_UNUSED(h);
    QTest::newRow("middle of the screen: above right")
        << "p 100 100; m 400 300" << QPoint(400, 300) << QPoint(408, 300 - 72 - 8)
        << QStringList{"顶点位置", "(100,100)", "矩形大小", "(300,200)", "光标坐标", "(400,300)"};
    QTest::newRow("reversed while drawing: corner ordered, size absolute")
        << "p 400 300; m 100 100" << QPoint(100, 100) << QPoint(108, 100 - 72 - 8)
        << QStringList{"顶点位置", "(100,100)", "矩形大小", "(300,200)", "光标坐标", "(100,100)"};
    QTest::newRow("near the right edge: to the left")
        << "p 1000 90; m 1211 90" << QPoint(1211, 90) << QPoint(1211 - 64, 90 - 80)
        << QStringList{"顶点位置", "(1000,90)", "矩形大小", "(211,0)", "光标坐标", "(1211,90"};
    QTest::newRow("right edge limit stays right")
        << "p 1000 90; m 1210 90" << QPoint(1210, 90) << QPoint(1218, 10)
        << QStringList{"顶点位置", "(1000,90)", "矩形大小", "(210,0)", "光标坐标", "(1210,90"};
    QTest::newRow("near the top: below") << "p 10 10; m 20 83" << QPoint(20, 83) << QPoint(28, 91)
                                         << QStringList{"顶点位置", "(10,10)",  "矩形大小",
                                                        "(10,73)",  "光标坐标", "(20,83)"};
    QTest::newRow("y = 84 is above") << "p 10 10; m 20 84" << QPoint(20, 84) << QPoint(28, 4)
                                     << QStringList{"顶点位置", "(10,10)",  "矩形大小",
                                                    "(10,74)",  "光标坐标", "(20,84)"};
    QTest::newRow("x = 1005: no closing parenthesis")
        << "p 1000 300; m 1005 300" << QPoint(1005, 300) << QPoint(1013, 220)
        << QStringList{"顶点位置", "(1000,300)", "矩形大小", "(5,0)", "光标坐标", "(1005,300"};
    QTest::newRow("1000 wide: size without closing parenthesis")
        << "p 5 200; m 1005 250" << QPoint(999, 250) << QPoint(1007, 170)
        << QStringList{"顶点位置", "(5,200)", "矩形大小", "(1000,50", "光标坐标", "(999,250)"};
}

void CaptureTest::infoBox()
{
    QFETCH(QString, script);
    QFETCH(QPoint, pointer);
    QFETCH(QPoint, place);
    QFETCH(QStringList, lines);
    CaptureSelection s(kScreen);
    play(s, script);
    QCOMPARE(s.infoBoxPlace(pointer.x(), pointer.y(), 12), place);
    QCOMPARE(s.infoLines(pointer.x(), pointer.y()), lines);
}

void CaptureTest::readOutAndLabel()
{
    QCOMPARE(CaptureSelection::initialColourText(), QStringLiteral("\r\n\r\n\r\n·当前像素RGB(255,255,255)"));
    QCOMPARE(CaptureSelection::colourText(QColor(1, 22, 255)),
             QStringLiteral("\r\n\r\n\r\n·当前像素RGB(1,22,255)\r\n\r\n·按下鼠标左键不放选择截取范围\r\n\r\n"
                            "·按'ESC'键或鼠标右键退出"));
    CaptureSelection s(kScreen);
    QCOMPARE(s.labelLeftAvoiding(639, 172), 1280 - 172 - 8);
    QCOMPARE(s.labelLeftAvoiding(640, 172), 8);
}

void CaptureTest::windowShowsTheFrozenScreen()
{
    platform::testing::FakeSeams fakes;
    fakes.screen.image = syntheticScreen();
    CaptureWindow w(fakes.seams(), std::nullopt);
    QCOMPARE(fakes.screen.grabs, 1);
    QCOMPARE(w.geometry(), QRect(QPoint(0, 0), kScreen));
    QCOMPARE(w.canvas()->objectName(), QStringLiteral("画板1"));
    QCOMPARE(w.canvas()->size(), kScreen);
    QCOMPARE(w.snapshot(), fakes.screen.image);
    QCOMPARE(w.readOut()->objectName(), QStringLiteral("标签1"));
    QCOMPARE(w.readOut()->geometry(), QRect(16, 16, 172, 146));
    QCOMPARE(w.readOut()->text(), CaptureSelection::initialColourText());
    auto *timer = w.findChild<QTimer *>(QStringLiteral("时钟1"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 500);
    QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);

    // The pointer at the start is drawn into the snapshot, with its hot spot at its position.
    CaptureWindow withPointer(fakes.seams(), QPoint(600, 400));
    QVERIFY(withPointer.snapshot().pixel(600, 401) != fakes.screen.image.pixel(600, 401));
    QCOMPARE(withPointer.snapshot().pixel(590, 390), fakes.screen.image.pixel(590, 390));
    QCOMPARE(fakes.screen.grabs, 2);

    // A move reads the frozen pixel under the pointer.
    w.show();
    mouse(w.canvas(), QEvent::MouseMove, Qt::NoButton, QPoint(300, 270));
    QCOMPARE(w.readOut()->text(), CaptureSelection::colourText(QColor(300 % 256, 270 % 256, 47)));
}

void CaptureTest::doubleClickCopiesTheRegion()
{
    platform::testing::FakeSeams fakes;
    fakes.screen.image = syntheticScreen();
    CaptureWindow w(fakes.seams(), std::nullopt);
    w.show();
    drag(w.canvas(), QPoint(1250, 300), QPoint(1200, 260));
    // Drag the whole selection past the right edge, then copy it.
    drag(w.canvas(), QPoint(1210, 270), QPoint(1250, 280));
    QCOMPARE(w.selection().rect(), (Span{1240, 270, 1290, 310}));
    doubleClick(w.canvas(), QPoint(1260, 290));
    QVERIFY(w.captured());
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QVERIFY(!w.isVisible());
    const QImage copy = fakes.screen.clipboard;
    QCOMPARE(copy.size(), QSize(1280 - 1240 + 1, 310 - 270 + 1));
    QCOMPARE(copy.pixel(0, 0), fakes.screen.image.pixel(1240, 270));
    QCOMPARE(copy.pixel(39, 40), fakes.screen.image.pixel(1279, 310));
}

void CaptureTest::rightClickTwiceLeaves()
{
    platform::testing::FakeSeams fakes;
    fakes.screen.image = syntheticScreen();
    CaptureWindow w(fakes.seams(), std::nullopt);
    w.show();
    drag(w.canvas(), QPoint(10, 10), QPoint(100, 100));
    mouse(w.canvas(), QEvent::MouseButtonPress, Qt::RightButton, QPoint(50, 50));
    mouse(w.canvas(), QEvent::MouseButtonRelease, Qt::RightButton, QPoint(50, 50));
    QVERIFY(w.isVisible());
    QVERIFY(!w.selection().hasSelection());
    mouse(w.canvas(), QEvent::MouseButtonRelease, Qt::RightButton, QPoint(50, 50));
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QVERIFY(!w.captured());
    QVERIFY(fakes.screen.clipboard.isNull());
}

void CaptureTest::escapeLeavesAtOnce()
{
    platform::testing::FakeSeams fakes;
    fakes.screen.image = syntheticScreen();
    CaptureWindow w(fakes.seams(), std::nullopt);
    w.show();
    drag(w.canvas(), QPoint(10, 10), QPoint(100, 100));
    QTest::keyClick(&w, Qt::Key_Escape, Qt::ShiftModifier);
    QVERIFY(w.isVisible()); // only a plain Esc
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
    QVERIFY(!w.captured());
    QVERIFY(fakes.screen.clipboard.isNull());
}

void CaptureTest::closeRequestCancelsSelectionFirst()
{
    platform::testing::FakeSeams fakes;
    fakes.screen.image = syntheticScreen();
    CaptureWindow w(fakes.seams(), std::nullopt);
    w.show();
    drag(w.canvas(), QPoint(10, 10), QPoint(100, 100));
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QVERIFY(!w.selection().hasSelection());
    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
}

void CaptureTest::labelJumpsOutOfTheWay()
{
    platform::testing::FakeSeams fakes;
    fakes.screen.image = syntheticScreen();
    CaptureWindow w(fakes.seams(), std::nullopt);
    w.show();
    QLabel *label = w.readOut();
    // Reported by the label itself.
    mouse(label, QEvent::MouseMove, Qt::NoButton, QPoint(10, 10));
    QCOMPARE(label->pos(), QPoint(1280 - 172 - 8, 16));
    // Found by the canvas while the button is held over it.
    mouse(w.canvas(), QEvent::MouseButtonPress, Qt::LeftButton, QPoint(900, 300));
    mouse(w.canvas(), QEvent::MouseMove, Qt::NoButton, QPoint(1150, 50));
    QCOMPARE(label->pos(), QPoint(8, 16));
}

QTEST_MAIN(CaptureTest)
#include "test_capture.moc"
