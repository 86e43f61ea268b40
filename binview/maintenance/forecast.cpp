#include "binview/maintenance/forecast.h"

#include "binview/maintenance/maintenance.h"
#include "binview/maintenance/maintenancepanel.h"
#include "binview/map/bins.h"
#include "binview/shell/application.h"
#include "binview/shell/mainwindow.h"
#include "platform/text.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace binview {

namespace {

const QString kPageBoxName = QStringLiteral("分组框短期预警");
const QString kTodayGroupName = QStringLiteral("分组框今日信息");
const QString kTodayLabelName = QStringLiteral("透明标签今日信息");
const QString kInputGroup = QStringLiteral("输入三天内出入库情况");
const QString kInCaption = QStringLiteral("未来三天入库情况\r\n输入单位：台  数");
const QString kOutCaption = QStringLiteral("未来三天出库情况\r\n输入单位：台  数");
const QString kEnterText = QStringLiteral("输入预警信息");
const QString kClearText = QStringLiteral("清空图表");
const QString kIncomplete = QStringLiteral("请将信息输入完整!");
const QString kIncompleteTitle = QStringLiteral("警告!");
const QString kChartTitle = QStringLiteral("未来三天库位使用率预测");
const QString kAxisTitle = QStringLiteral("使用率（%）");
const QStringList kDayLabels = {QStringLiteral("今日"), QStringLiteral("T+1"), QStringLiteral("T+2"),
                                QStringLiteral("T+3")};
const std::array<const char *, 3> kInNames = {"编辑框加一", "编辑框加二", "编辑框加三"};
const std::array<const char *, 3> kOutNames = {"编辑框减一", "编辑框减二", "编辑框减三"};

double usagePercent(long long units)
{
    return static_cast<double>(units) / kCapacity * 100;
}

// The axis always shows 0 to 100 % and widens to take in points beyond that range.
void fitAxis(QValueAxis *axis, const QList<QPointF> &points)
{
    double low = 0;
    double high = 100;
    for (const QPointF &p : points) {
        low = std::min(low, std::floor(p.y() / 10) * 10);
        high = std::max(high, std::ceil(p.y() / 10) * 10);
    }
    axis->setRange(low, high);
}

} // namespace

int piecesToBins(int pieces)
{
    int bins = pieces / kPiecesPerBin;
    if (pieces % kPiecesPerBin != 0 && pieces < 0)
        --bins;
    return bins;
}

std::array<double, 4> forecastPoints(int used, const std::array<int, 3> &in, const std::array<int, 3> &out)
{
    // Wide sums: a few boxes near the 32-bit limit must not wrap.
    std::array<double, 4> points{};
    long long units = used;
    points[0] = usagePercent(units);
    for (size_t day = 0; day < 3; ++day) {
        units += static_cast<long long>(in[day]) - out[day];
        points[day + 1] = usagePercent(units);
    }
    return points;
}

IntegerBox::IntegerBox(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-0-9]*")), this));
    setAlignment(Qt::AlignCenter);
}

QString IntegerBox::normalised(const QString &text)
{
    const int value = platform::textToInt(text);
    return value == 0 ? QString() : QString::number(value);
}

void IntegerBox::normalise()
{
    setText(normalised(text()));
}

void IntegerBox::focusOutEvent(QFocusEvent *event)
{
    normalise();
    QLineEdit::focusOutEvent(event);
}

void enterForecast(Application &app)
{
    MaintenancePanel *panel = MaintenancePanel::of(app.mainWindow());
    if (!panel)
        return;
    for (size_t i = 0; i < 3; ++i) {
        if (panel->inBoxes[i]->text().isEmpty() || panel->outBoxes[i]->text().isEmpty()) {
            app.seams().dialogs->message(app.mainWindow(), kIncomplete, kIncompleteTitle, platform::Icon::None,
                                         platform::Buttons::Ok);
            return;
        }
    }
    RunState &state = app.state();
    for (size_t i = 0; i < 3; ++i) {
        state.forecastIn[i] = piecesToBins(platform::textToInt(panel->inBoxes[i]->text()));
        state.forecastOut[i] = piecesToBins(platform::textToInt(panel->outBoxes[i]->text()));
    }
    for (size_t i = 0; i < 3; ++i) {
        panel->inBoxes[i]->clear();
        panel->outBoxes[i]->clear();
    }
    drawForecastCurve(app);
}

void drawForecastCurve(Application &app)
{
    MaintenancePanel *panel = MaintenancePanel::of(app.mainWindow());
    if (!panel)
        return;
    const RunState &state = app.state();
    const int used = app.queryView().rowCount() + state.doubleRowCount;
    const std::array<double, 4> values = forecastPoints(used, state.forecastIn, state.forecastOut);
    QList<QPointF> points;
    for (int i = 0; i < 4; ++i)
        points.append(QPointF(i, values[static_cast<size_t>(i)]));
    panel->curve->replace(points);
    fitAxis(panel->axisY, points);
}

void clearForecastChart(Application &app)
{
    MaintenancePanel *panel = MaintenancePanel::of(app.mainWindow());
    if (!panel)
        return;
    const QList<QPointF> zeros = {{0, 0}, {1, 0}, {2, 0}, {3, 0}};
    panel->curve->replace(zeros);
    fitAxis(panel->axisY, zeros);
}

QList<QPointF> forecastCurve(Application &app)
{
    MaintenancePanel *panel = MaintenancePanel::of(app.mainWindow());
    return panel ? panel->curve->points() : QList<QPointF>{};
}

void buildForecastPage(Application &app, MainWindow &window, MaintenancePanel &panel)
{
    QWidget *page = window.tabs()->widget(8);
    auto *pageBox = new QGroupBox(page);
    pageBox->setObjectName(kPageBoxName);
    pageBox->setGeometry(0, 0, 768, 513);

    // The today group and its label come with the window; they move into the page's box.
    if (auto *today = page->findChild<QGroupBox *>(kTodayGroupName)) {
        today->setParent(pageBox);
        today->setGeometry(8, 22, 750, 103);
        if (auto *label = today->findChild<QLabel *>(kTodayLabelName))
            label->setGeometry(32, 23, 360, 64);
        today->show();
    }

    auto *chart = new QChart;
    chart->setTitle(kChartTitle);
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    panel.curve = new QLineSeries(chart);
    panel.curve->setPointsVisible(true);
    panel.curve->setPointLabelsVisible(true);
    panel.curve->setPointLabelsFormat(QStringLiteral("@yPoint%"));
    panel.curve->setPointLabelsClipping(false);
    QPen pen(QColor(200, 40, 40));
    pen.setWidth(2);
    panel.curve->setPen(pen);
    chart->addSeries(panel.curve);
    auto *axisX = new QBarCategoryAxis(chart);
    axisX->append(kDayLabels);
    chart->addAxis(axisX, Qt::AlignBottom);
    panel.curve->attachAxis(axisX);
    panel.axisY = new QValueAxis(chart);
    panel.axisY->setTitleText(kAxisTitle);
    panel.axisY->setLabelFormat(QStringLiteral("%d"));
    panel.axisY->setTickCount(6);
    panel.axisY->setRange(0, 100);
    chart->addAxis(panel.axisY, Qt::AlignLeft);
    panel.curve->attachAxis(panel.axisY);
    panel.chartView = new QChartView(chart, pageBox);
    panel.chartView->setObjectName(QStringLiteral("曲线图"));
    panel.chartView->setRenderHint(QPainter::Antialiasing);
    panel.chartView->setGeometry(10, 155, 512, 344);

    auto *inputs = new QGroupBox(kInputGroup, pageBox);
    inputs->setObjectName(QStringLiteral("分组框输入三天内出入库情况"));
    inputs->setGeometry(544, 149, 216, 352);
    auto *inCaption = new QLabel(kInCaption, inputs);
    inCaption->setGeometry(18, 64, 110, 40);
    auto *outCaption = new QLabel(kOutCaption, inputs);
    outCaption->setGeometry(18, 172, 110, 40);
    for (size_t i = 0; i < 3; ++i) {
        const int row = static_cast<int>(i) * 32;
        panel.inBoxes[i] = new IntegerBox(inputs);
        panel.inBoxes[i]->setObjectName(QString::fromUtf8(kInNames[i]));
        panel.inBoxes[i]->setGeometry(132, 28 + row, 64, 24);
        panel.outBoxes[i] = new IntegerBox(inputs);
        panel.outBoxes[i]->setObjectName(QString::fromUtf8(kOutNames[i]));
        panel.outBoxes[i]->setGeometry(132, 136 + row, 64, 24);
    }
    panel.enterButton = new QPushButton(kEnterText, inputs);
    panel.enterButton->setObjectName(QStringLiteral("按钮确定曲线"));
    panel.enterButton->setGeometry(48, 259, 120, 32);
    panel.clearButton = new QPushButton(kClearText, inputs);
    panel.clearButton->setObjectName(QStringLiteral("按钮清空"));
    panel.clearButton->setGeometry(48, 296, 120, 32);
    QObject::connect(panel.enterButton, &QPushButton::clicked, &panel, [&app] { enterForecast(app); });
    QObject::connect(panel.clearButton, &QPushButton::clicked, &panel, [&app] { clearForecastChart(app); });
}

} // namespace binview
