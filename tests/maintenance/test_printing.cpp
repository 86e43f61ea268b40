// Printing the map: the sheet's layout, the picture files, and a whole print into a PDF through
// the print dialog seam.

#include "binview/maintenance/legend.h"
#include "binview/maintenance/maintenance.h"
#include "binview/maintenance/printing.h"
#include "binview/shell/mainwindow.h"
#include "platform/files.h"

#include "support/testenv.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace binview;

namespace {

// The print dialog "chooses" a PDF file as the printer.
class PdfDialogs : public platform::testing::FakeDialogs {
public:
    bool printDialog(QPrinter *printer, QWidget *parent) override
    {
        const bool accepted = FakeDialogs::printDialog(printer, parent);
        if (accepted) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdfPath);
            printable = printer->pageLayout().paintRectPoints();
        }
        return accepted;
    }
    QString pdfPath;
    QRect printable; // in points
};

struct PrintFixture : testenv::BinviewFixture {
    Application &startPrinting()
    {
        platform::Seams seams = fakes.seams();
        seams.dialogs = &dialogs;
        dialogs.pdfPath = run.path(QStringLiteral("sheet.pdf"));
        app = std::make_unique<Application>(seams, run.dir.path());
        app->layOutLiveFiles();
        app->openMainWindow();
        return *app;
    }
    void layOutPictures()
    {
        platform::makeFolder(run.path(QStringLiteral("pic")));
        QVERIFY(colourLegend().save(run.path(QStringLiteral("pic/exl.jpg")), "JPG"));
    }
    PdfDialogs dialogs;
};

QImage solid(const QColor &colour)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray bytes(const QString &path)
{
    QByteArray data;
    platform::readFile(path, &data);
    return data;
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One device pixel per hundredth of an inch: the boxes land exactly where the sheet says.
    void sheetLayout()
    {
        QImage page(850, 1200, QImage::Format_RGB32);
        page.fill(Qt::white);
        page.setDotsPerMeterX(3937); // 100 dpi
        page.setDotsPerMeterY(3937);
        QPainter painter(&page);
        drawMapSheet(painter, 100, solid(Qt::red), solid(Qt::blue));
        painter.end();

        auto at = [&](int x, int y) { return QColor(page.pixel(x, y)); };
        QCOMPARE(at(11, 51), QColor(Qt::red));
        QCOMPARE(at(808, 300), QColor(Qt::red));
        QCOMPARE(at(400, 548), QColor(Qt::red));
        QCOMPARE(at(11, 552), QColor(Qt::blue)); // the legend is drawn over the map's last rows
        QCOMPARE(at(808, 1148), QColor(Qt::blue));
        QCOMPARE(at(8, 300), QColor(Qt::white));
        QCOMPARE(at(812, 300), QColor(Qt::white));
        QCOMPARE(at(400, 1152), QColor(Qt::white));
        QCOMPARE(at(400, 48), QColor(Qt::white));

        // The title's ink starts at (300, 10) and stays above the map.
        QRect ink;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 850; ++x)
                if (qGray(page.pixel(x, y)) < 128)
                    ink |= QRect(x, y, 1, 1);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(ink.left() >= 300 && ink.left() < 310, qPrintable(QString::number(ink.left())));
        QVERIFY2(ink.top() >= 10 && ink.top() < 20, qPrintable(QString::number(ink.top())));
    }

    void missingPictureIsLeftOut()
    {
        QImage page(850, 1200, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        drawMapSheet(painter, 100, QImage(), solid(Qt::blue));
        painter.end();
        QCOMPARE(QColor(page.pixel(400, 300)), QColor(Qt::white));
        QCOMPARE(QColor(page.pixel(400, 800)), QColor(Qt::blue));
    }

    void loadsBitmapDataUnderAnyName()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pic.jpeg"));
        QVERIFY(platform::writeFileAtomic(path, bitmapFileData(solid(Qt::green))));
        QVERIFY(bytes(path).startsWith("BM"));
        QCOMPARE(loadPicture(path).size(), QSize(40, 30));
        QVERIFY(loadPicture(dir.filePath(QStringLiteral("missing.jpg"))).isNull());
    }

    void legendShowsTheFourColours()
    {
        const QImage legend = colourLegend(QSize(1200, 900));
        QCOMPARE(legend.size(), QSize(1200, 900));
        QSet<QRgb> seen;
        for (int y = 0; y < legend.height(); y += 3)
            for (int x = 0; x < legend.width() / 4; x += 3)
                seen.insert(legend.pixel(x, y) & 0xFFFFFF);
        for (QRgb c : {0xFF0000u, 0x0000FFu, 0x000000u, 0x00FF00u})
            QVERIFY2(seen.contains(c), qPrintable(QString::number(c, 16)));
    }

    void printsOneSheet()
    {
        PrintFixture f;
        platform::makeFolder(f.run.path(QStringLiteral("pic")));
        QVERIFY(solid(Qt::blue).save(f.run.path(QStringLiteral("pic/exl.jpg")), "JPG"));
        Application &app = f.startPrinting();
        const QByteArray legend = bytes(f.run.path(QStringLiteral("pic/exl.jpg")));
        app.mainWindow()->showPage(7);
        f.dialogs.printAnswers.push_back(true);
        QPushButton *button = app.mainWindow()->findChild<QPushButton *>(QStringLiteral("按钮打印库位图"));
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("打印库位图"));
        QVERIFY(app.mainWindow()->tabs()->widget(0)->isAncestorOf(button));
        QElapsedTimer clock;
        clock.start();
        printMapCommand(app);
        QVERIFY(clock.elapsed() >= 950); // the page is given a second to paint

        QCOMPARE(app.mainWindow()->tabs()->currentIndex(), 0);
        QCOMPARE(f.dialogs.printDialogs, 1);
        QVERIFY(f.dialogs.messages.isEmpty());
        const QString map = f.run.path(QStringLiteral("pic/pic.jpeg"));
        QVERIFY(bytes(map).startsWith("BM"));
        QCOMPARE(loadPicture(map).size(), QSize(767, 509));
        QCOMPARE(bytes(f.run.path(QStringLiteral("pic/exl.jpg"))), legend);

        const QString pdf = f.dialogs.pdfPath;
        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY(info.contains(QStringLiteral("(A4)")));
        QCOMPARE(
            run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(u'\n', Qt::SkipEmptyParts).size(),
            2 + 2); // the listing's two header lines, then the two pictures

        // The title, in points from the top left of the printable area: (300, 10) hundredths.
        const QString words = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        const QRegularExpressionMatch title =
            QRegularExpression(QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>仓库库位图<")).match(words);
        QVERIFY2(title.hasMatch(), qPrintable(words));
        const QPointF origin = f.dialogs.printable.topLeft();
        QVERIFY(qAbs(title.captured(1).toDouble() - origin.x() - 216) < 3);
        QVERIFY(qAbs(title.captured(2).toDouble() - origin.y() - 7.2) < 4);

        // The page rendered at 100 dpi: one pixel per hundredth of an inch.
        const QString raster = f.run.path(QStringLiteral("sheet"));
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdf, raster});
        const QImage sheet(raster + QStringLiteral(".png"));
        QVERIFY(!sheet.isNull());
        const QPoint o = (origin * 100.0 / 72).toPoint();
        auto at = [&](int x, int y) {
            const QPoint p = o + QPoint(x, y);
            return sheet.valid(p) ? QColor(sheet.pixel(p)) : QColor();
        };
        const QColor mapCorner = at(14, 54);
        QVERIFY2(mapCorner != QColor(Qt::white), qPrintable(mapCorner.name())); // the page's grey
        QCOMPARE(at(5, 300), QColor(Qt::white));                                // left of the map
        QCOMPARE(at(400, 45), QColor(Qt::white));                               // between title and map
        const QColor legendInside = at(400, 850);
        QVERIFY2(legendInside.blue() > 200 && legendInside.red() < 60, qPrintable(legendInside.name()));
        QCOMPARE(at(400, 1155), QColor(Qt::white)); // below the legend
        QVERIFY(at(805, 300) != QColor(Qt::white)); // the map is stretched to the full 800
    }

    void cancelledDialogPrintsNothing()
    {
        PrintFixture f;
        f.layOutPictures();
        Application &app = f.startPrinting();
        printMap(app, 0);
        QCOMPARE(f.dialogs.printDialogs, 1);
        QVERIFY(!QFileInfo::exists(f.dialogs.pdfPath));
        QVERIFY(f.dialogs.messages.isEmpty());
        // The picture has been written all the same.
        QVERIFY(bytes(f.run.path(QStringLiteral("pic/pic.jpeg"))).startsWith("BM"));
    }

    void missingPictureFolder()
    {
        PrintFixture f;
        Application &app = f.startPrinting();
        f.dialogs.printAnswers.push_back(true);
        printMap(app, 0);
        QVERIFY(!QFileInfo::exists(f.run.path(QStringLiteral("pic"))));
        QVERIFY(f.dialogs.messages.isEmpty());
        const QString pdf = f.dialogs.pdfPath;
        QVERIFY(run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).contains(QStringLiteral("仓库库位图")));
        // Only the two header lines of the listing: neither picture could be loaded.
        QCOMPARE(
            run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(u'\n', Qt::SkipEmptyParts).size(),
            2);
    }

    void eachPrintReplacesThePicture()
    {
        PrintFixture f;
        f.layOutPictures();
        Application &app = f.startPrinting();
        printMap(app, 0);
        const QImage before = loadPicture(f.run.path(QStringLiteral("pic/pic.jpeg")));
        app.mainWindow()->findChild<QWidget *>(QStringLiteral("画板B8Z"))->hide();
        printMap(app, 0);
        QVERIFY(loadPicture(f.run.path(QStringLiteral("pic/pic.jpeg"))) != before);
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
