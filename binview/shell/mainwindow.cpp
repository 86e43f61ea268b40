#include "binview/shell/mainwindow.h"

#include "binview/map/bins.h"
#include "binview/map/overview.h"
#include "binview/orders/orderlist.h"
#include "binview/shell/application.h"
#include "binview/shell/bintile.h"
#include "binview/shell/navigation.h"
#include "binview/shell/zonetextbox.h"

#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPieSeries>
#include <QPieSlice>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

// Resources compiled into a static library are registered by hand.
static void initBinviewResources()
{
    Q_INIT_RESOURCE(binview);
}

namespace binview {

namespace {

const QString kTitle = QStringLiteral("仓库库位管理系统   Brenmark出品 官方网站 http://www.brenmark.com");
const QStringList kPageTitles = {QStringLiteral("仓库总图"), QStringLiteral("A"), QStringLiteral("B"),
                                 QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E"),
                                 QStringLiteral("订单查询"), QStringLiteral("订单汇总"),
                                 QStringLiteral("短期预警"), QStringLiteral("系统设置"), QString()};
constexpr int kStripHeight = 43;

QLabel *transparentLabel(const QString &name, const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QWidget *pictureBox(const QPoint &pos, const QSize &size, QWidget *parent)
{
    auto *box = new QWidget(parent);
    box->setGeometry(QRect(pos, size));
    return box;
}

} // namespace

MainWindow::MainWindow(Application &app, QWidget *parent) : QMainWindow(parent), app_(app)
{
    setObjectName(QStringLiteral("主窗口"));
    setWindowTitle(kTitle);
    initBinviewResources();
    setWindowIcon(QIcon(QStringLiteral(":/binview/icons/binview.png")));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *strip = new QWidget(central);
    strip->setObjectName(QStringLiteral("工具条区"));
    strip->setFixedHeight(kStripHeight);
    layout->addWidget(strip);

    // The tab control fills the window below the strip.
    tabs_ = new QTabWidget(central);
    tabs_->setObjectName(QStringLiteral("选择夹"));
    layout->addWidget(tabs_, 1);
    for (const QString &title : kPageTitles) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("选择夹页%1").arg(pages_.size()));
        tabs_->addTab(page, title);
        pages_.append(page);
    }

    buildOverviewPage(pages_[0]);
    buildZonePages();
    buildQueryPage(pages_[6]);
    buildOrderListPage(pages_[7]);
    buildForecastPage(pages_[8]);
    buildWelcomePage(pages_[10]);
    buildMenus();
    navigation_ = new Navigation(app_, *this);

    setFixedSize(772, 609);
}

MainWindow::~MainWindow() = default;

void MainWindow::showPage(int index)
{
    tabs_->setCurrentIndex(index);
}

void MainWindow::buildOverviewPage(QWidget *page)
{
    QHash<QString, QWidget *> boxes; // the D and E1-E8 groups share one box
    for (const TileGroup &group : tileGroups()) {
        const QString key = QStringLiteral("%1,%2").arg(group.overviewPos.x()).arg(group.overviewPos.y());
        QWidget *box = boxes.value(key);
        if (!box) {
            box = pictureBox(group.overviewPos, group.overviewBox, page);
            boxes.insert(key, box);
        }
        int x = 0;
        int y = group.overviewOffsetY;
        for (const QString &code : group.bins) {
            const QSize size = findBin(code)->size;
            auto *tile = new BinTile(code, false, box);
            tile->setObjectName(miniTileName(code));
            tile->setGeometry(QRect(QPoint(x, y), size));
            auto *caption = transparentLabel(QStringLiteral("标签") + code + u'z', code, tile->geometry(), box);
            caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            tile->setCaption(caption);
            miniTiles_.insert(code, tile);
            if (group.column)
                y += size.height();
            else
                x += size.width();
        }
    }

    auto *dateCaption = new QLabel(QStringLiteral("今日日期："), page);
    dateCaption->setGeometry(662, 20, 100, 18);
    const QDateTime now = app_.seams().clock->now();
    todayTime_ = now.time();
    todayBox_ = new QDateEdit(now.date(), page);
    todayBox_->setObjectName(QStringLiteral("日期框今日"));
    todayBox_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    todayBox_->setCalendarPopup(true);
    todayBox_->setGeometry(662, 40, 100, 24);

    auto *group = new QGroupBox(QStringLiteral("库位总览"), page);
    group->setObjectName(QStringLiteral("分组框库位总览"));
    group->setGeometry(8, 225, 290, 280);
    usageLabel_ = transparentLabel(QStringLiteral("透明标签库位总览信息"), QStringLiteral("库位信息"),
                                   QRect(8, 18, 264, 72), group);
    usageLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("库位使用率"));
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->legend()->setAlignment(Qt::AlignBottom);
    pie_ = new QPieSeries(chart);
    pie_->append(QStringLiteral("已用库位"), 0);
    pie_->append(QStringLiteral("剩余库位"), 0);
    pie_->slices().at(0)->setColor(QColor(220, 60, 60));
    pie_->slices().at(1)->setColor(QColor(60, 170, 90));
    chart->addSeries(pie_);
    auto *view = new QChartView(chart, group);
    view->setObjectName(QStringLiteral("饼形图"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setGeometry(8, 92, 264, 168);
}

void MainWindow::buildZonePages()
{
    for (const TileGroup &group : tileGroups()) {
        QWidget *box = pictureBox(group.zonePos, group.zoneBox, pages_[group.zonePage]);
        int x = 0;
        int y = 0;
        for (const QString &code : group.bins) {
            const QSize size = findBin(code)->size;
            auto *tile = new BinTile(code, true, box);
            tile->setObjectName(zoneTileName(code));
            tile->setGeometry(QRect(QPoint(x, y), size));
            auto *caption = transparentLabel(QStringLiteral("标签") + code, code, tile->geometry(), box);
            caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            tile->setCaption(caption);
            connect(tile, &BinTile::rightClicked, this, &MainWindow::onTileRightClicked);
            zoneTiles_.insert(code, tile);
            if (group.column)
                y += size.height();
            else
                x += size.width();
        }
    }
    for (int z = 0; z < 5; ++z) {
        const QChar letter = kZoneLetters[z];
        auto *group = new QGroupBox(QStringLiteral("库位总览"), pages_[z + 1]);
        group->setObjectName(QStringLiteral("分组框") + letter);
        group->setGeometry(8, 350, 750, 140);
        auto *text = new ZoneTextBox(group);
        text->setObjectName(QStringLiteral("编辑框") + letter + u'Q');
        text->setGeometry(7, 18, 736, 117);
        zoneTexts_[static_cast<size_t>(z)] = text;
    }
}

void MainWindow::buildQueryPage(QWidget *page)
{
    // The query view's data source and provider have no window of their own.
    auto *source = new QObject(page);
    source->setObjectName(QStringLiteral("数据源查询"));
    auto *provider = new QObject(page);
    provider->setObjectName(QStringLiteral("数据库提供者查询"));

    auto *refresh = new QPushButton(QStringLiteral("刷新显示"), page);
    refresh->setObjectName(QStringLiteral("按钮刷新"));
    refresh->setGeometry(16, 16, 120, 32);
    connect(refresh, &QPushButton::clicked, this, [this] { app_.mapRefresh(); });
}

void MainWindow::buildOrderListPage(QWidget *page)
{
    orderList_ = new OrderListModel(this);
    orderView_ = new QTableView(page);
    orderView_->setObjectName(QStringLiteral("超级列表框1"));
    orderView_->setGeometry(15, 6, 736, 503);
    orderView_->setModel(orderList_);
    orderView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    orderView_->setSelectionMode(QAbstractItemView::SingleSelection);
    orderView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    orderView_->setWordWrap(false);
    orderView_->verticalHeader()->hide();
    orderView_->verticalHeader()->setDefaultSectionSize(22);
    orderView_->horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < 7; ++c)
        orderView_->setColumnWidth(c, OrderListModel::columnWidths()[static_cast<size_t>(c)]);
    orderView_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(orderView_, &QWidget::customContextMenuRequested, this, &MainWindow::showListMenu);
}

void MainWindow::buildForecastPage(QWidget *page)
{
    auto *group = new QGroupBox(QStringLiteral("今日信息"), page);
    group->setObjectName(QStringLiteral("分组框今日信息"));
    group->setGeometry(8, 8, 376, 90);
    todayInfo_ = transparentLabel(QStringLiteral("透明标签今日信息"), QStringLiteral("今日信息"),
                                  QRect(8, 20, 360, 64), group);
    todayInfo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void MainWindow::buildWelcomePage(QWidget *page)
{
    auto *canvas = new QWidget(page);
    canvas->setObjectName(QStringLiteral("画板"));
    canvas->setGeometry(2, 8, 767, 509);
    auto *welcome = transparentLabel(QStringLiteral("透明标签170"), QStringLiteral("欢迎使用 《成品仓库库位管理 测试版》"),
                                     QRect(16, 21, 720, 48), page);
    QFont big = welcome->font();
    big.setPointSize(18);
    big.setBold(true);
    welcome->setFont(big);
    welcome->setAlignment(Qt::AlignCenter);
    auto *credits = new QPushButton(QStringLiteral("Brenmark 成品仓库项目组 出品\n点击进入留言板"), canvas);
    credits->setObjectName(QStringLiteral("超级按钮1"));
    credits->setGeometry(123, 74, 520, 104);
    transparentLabel(QStringLiteral("透明标签171"),
                     QStringLiteral("[将成品仓库单元化.可视化.预警化管理]\r\n\r\n入库原则:\r\n先排计划预设,\r\n再拉成品入库.\r\n\r\n"
                                    "特色:\r\n1 单元化管理;\r\n2 自动根据出货日期进行颜色更改;\r\n3 入库:点击鼠标即可完成操作;\r\n"
                                    "  出库:表格操作订单号即可完成删除订单;\r\n4 可以对任何一天进行备份及历史库位图查看;\r\n"
                                    "5 可以直接将库位图进行打印.\r\n\r\n\r\n\r\n"),
                     QRect(220, 189, 328, 192), page)
        ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void MainWindow::buildMenus()
{
    binMenu_ = new QMenu(QStringLiteral("库位右键"), this);
    binMenu_->setObjectName(QStringLiteral("库位右键"));
    binMenu_->addAction(QStringLiteral("查看详情"));
    binMenu_->addSeparator();
    QMenu *add = binMenu_->addMenu(QStringLiteral("加入订单"));
    add->addAction(QStringLiteral("单一库位"));
    QMenu *batch = add->addMenu(QStringLiteral("批量库位"));
    batch->addAction(QStringLiteral("订单设置"));
    add->addAction(QStringLiteral("其他库位"));
    binMenu_->addSeparator();
    binMenu_->addAction(QStringLiteral("批量加入(&J)"));
    binMenu_->addAction(QStringLiteral("结束批量加"));

    listMenu_ = new QMenu(QStringLiteral("数据右键"), this);
    listMenu_->setObjectName(QStringLiteral("数据右键"));
    listMenu_->addAction(QStringLiteral("订单明细"));
    listMenu_->addSeparator();
    QMenu *query = listMenu_->addMenu(QStringLiteral("查询"));
    query->addAction(QStringLiteral("按订单查询(&D)"));
    query->addAction(QStringLiteral("按区域查询(&Q)"));
    query->addAction(QStringLiteral("按型号查询(&X)"));
    query->addAction(QStringLiteral("按数量查询(&S)"));
    query->addSeparator();
    query->addAction(QStringLiteral("查询合库信息(&H)"));
    listMenu_->addSeparator();
    listMenu_->addAction(QStringLiteral("清空该库位"));
    listMenu_->addSeparator();
    QAction *all = listMenu_->addAction(QStringLiteral("显示全部"));
    connect(all, &QAction::triggered, this, &MainWindow::showAll);
}

QAction *MainWindow::findAction(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
        if (QMenu *sub = action->menu()) {
            if (QAction *found = findAction(sub, text))
                return found;
        }
    }
    return nullptr;
}

void MainWindow::onTileRightClicked(const QString &tag)
{
    app_.state().currentBin = tag;
    binMenu_->popup(QCursor::pos());
}

void MainWindow::showListMenu(const QPoint &pos)
{
    listMenu_->popup(orderView_->viewport()->mapToGlobal(pos));
}

void MainWindow::showAll()
{
    orderList_->clear();
    app_.orderListFill();
}

void MainWindow::setBinColour(const QString &code, PackedColour colour)
{
    if (BinTile *t = zoneTiles_.value(code))
        t->setColour(colour);
    if (BinTile *t = miniTiles_.value(code))
        t->setColour(colour);
}

QDateTime MainWindow::todayValue() const
{
    return QDateTime(todayBox_->date(), todayTime_);
}

void MainWindow::showUsage(const OverviewStats &stats)
{
    usageLabel_->setText(stats.label);
    const int free = kCapacity - stats.used;
    QPieSlice *used = pie_->slices().at(0);
    QPieSlice *rest = pie_->slices().at(1);
    used->setValue(stats.used);
    // A negative free share (more orders than units) cannot be drawn; its label keeps the number.
    rest->setValue(std::max(free, 0));
    used->setLabel(QStringLiteral("已用库位 %1库位").arg(stats.used));
    rest->setLabel(QStringLiteral("剩余库位 %1库位").arg(free));
    used->setProperty("units", stats.used);
    rest->setProperty("units", free);
}

void MainWindow::setTodayInfo(const QString &text)
{
    todayInfo_->setText(text);
}

void MainWindow::setZoneTexts(const std::array<QString, 5> &texts)
{
    for (size_t z = 0; z < 5; ++z)
        zoneTexts_[z]->setZoneText(texts[z]);
}

QString MainWindow::zoneText(int zone) const
{
    return zoneTexts_.at(static_cast<size_t>(zone))->zoneText();
}

int MainWindow::selectedRow() const
{
    const QModelIndexList rows = orderView_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

} // namespace binview
