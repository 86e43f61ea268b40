#include "mivo/handbook/handbookwindow.h"

#include "mivo/frame/dragmove.h"
#include "mivo/frame/layout.h"
#include "mivo/handbook/linkcontrol.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

namespace mivo {

namespace {

struct Texts {
    QString title = QStringLiteral("查手窗口");
    QString productPage = QStringLiteral("]档  案[");
    QString commonPage = QStringLiteral("]通用件[");
    QString explodedPage = QStringLiteral("]爆炸图[");
    QString structurePage = QStringLiteral("]结构表[");
    QString ok = QStringLiteral("确  定");
    QString productPrompt = QStringLiteral("请输入主件料号");
    QString modelPrompt = QStringLiteral("请输入型号");
    QString personal = QStringLiteral(" 个 人 配 置 ");
    QString pdf = QStringLiteral(".pdf");
    QString xls = QStringLiteral(".xls");
};

const Texts &texts()
{
    static const Texts t;
    return t;
}

// A page holding one group box without caption at the common place.
QGroupBox *pageGroup(QTabWidget *tabs, const QString &caption, const char16_t *groupName)
{
    auto *page = new QWidget;
    tabs->addTab(page, caption);
    return place<QGroupBox>(page, groupName, onPage(9, 43, 130, 80));
}

} // namespace

HandbookWindow::HandbookWindow(const platform::Seams &seams, const DocumentBases &bases, QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint),
      seams_(seams), bases_(bases)
{
    const Texts &t = texts();
    setWindowTitle(t.title);
    setFixedSize(150, 200);
    setAttribute(Qt::WA_DeleteOnClose);
    if (owner)
        setWindowIcon(owner->windowIcon());

    tabs_ = place<QTabWidget>(this, u"查手选择夹", QRect(-2, -2, 148, 178));
    tabs_->setUsesScrollButtons(true);
    tabs_->setElideMode(Qt::ElideNone);

    // Page "档案": the box and "个人配置" sit on the page itself, the button in the group box.
    QGroupBox *productGroup = pageGroup(tabs_, t.productPage, u"分组档案框");
    QWidget *productPage = productGroup->parentWidget();
    auto *productOk = flatButton(productGroup, u"确定查询档案按钮", QRect(64, 50, 60, 22), t.ok);
    productBox_ = place<QLineEdit>(productPage, u"档案查询框", onPage(14, 61, 120, 25), t.productPrompt);
    auto *personal = flatButton(productPage, u"超级档案配置按钮", onPage(9, 137, 130, 30), t.personal);

    QGroupBox *commonGroup = pageGroup(tabs_, t.commonPage, u"分组通用件框");
    commonList_ = place<QComboBox>(commonGroup, u"通用件列表框", QRect(5, 21, 120, 25));
    for (const CommonPart &part : commonParts())
        commonList_->addItem(part.listText);
    commonList_->setCurrentIndex(-1);
    auto *commonOk = flatButton(commonGroup, u"确定查询通用件按钮", QRect(64, 50, 60, 22), t.ok);

    QGroupBox *explodedGroup = pageGroup(tabs_, t.explodedPage, u"分组爆炸框");
    explodedBox_ = place<QLineEdit>(explodedGroup, u"爆炸框", QRect(5, 18, 120, 25), t.modelPrompt);
    auto *explodedOk = flatButton(explodedGroup, u"确定查询爆炸按钮", QRect(64, 50, 60, 22), t.ok);

    QGroupBox *structureGroup = pageGroup(tabs_, t.structurePage, u"分组结构框");
    structureBox_ = place<QLineEdit>(structureGroup, u"结构数据框", QRect(5, 18, 120, 25), t.modelPrompt);
    auto *structureOk = flatButton(structureGroup, u"确定查询结构按钮", QRect(64, 50, 60, 22), t.ok);

    link_ = place<LinkControl>(this, u"资料链接框", QRect(24, 176, 72, 32), seams_.shell);

    // Each box shows its prompt until it gets the focus, which empties it.
    for (QLineEdit *box : {productBox_, explodedBox_, structureBox_})
        box->installEventFilter(this);
    // The box overlaps the group box; keep it above so it can be clicked.
    productBox_->raise();

    connect(productOk, &QPushButton::clicked, this, &HandbookWindow::queryProductFile);
    connect(explodedOk, &QPushButton::clicked, this, &HandbookWindow::queryExplodedView);
    connect(structureOk, &QPushButton::clicked, this, &HandbookWindow::queryStructure);
    connect(commonOk, &QPushButton::clicked, this, &HandbookWindow::queryCommonPart);
    connect(personal, &QPushButton::clicked, this, &HandbookWindow::personalListRequested);

    DragMove::install(this);
}

bool HandbookWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (auto *box = qobject_cast<QLineEdit *>(watched))
            box->clear();
    }
    return QWidget::eventFilter(watched, event);
}

void HandbookWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HandbookWindow::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Qt::black);
}

void HandbookWindow::openAddress(const QUrl &address)
{
    link_->setAddress(address);
    link_->activate();
}

void HandbookWindow::queryTyped(QLineEdit *box, const QString &base, const QString &extension, const QString &prompt)
{
    showMinimized();
    openAddress(documentAddress(base, box->text(), extension));
    box->setText(prompt);
}

void HandbookWindow::queryProductFile()
{
    queryTyped(productBox_, bases_.item, texts().pdf, texts().productPrompt);
}

void HandbookWindow::queryExplodedView()
{
    queryTyped(explodedBox_, bases_.exploded, texts().xls, texts().modelPrompt);
}

void HandbookWindow::queryStructure()
{
    queryTyped(structureBox_, bases_.structure, texts().xls, texts().modelPrompt);
}

void HandbookWindow::queryCommonPart()
{
    showMinimized();
    const int row = commonList_->currentIndex();
    if (row < 0 || row >= kCommonPartCount)
        return;
    openAddress(documentAddress(bases_.item, commonParts()[std::size_t(row)].fileName, {}));
}

} // namespace mivo
