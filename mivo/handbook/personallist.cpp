#include "mivo/handbook/personallist.h"

#include "mivo/frame/layout.h"
#include "mivo/handbook/linkcontrol.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/text.h"

#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTreeWidget>

namespace mivo {

namespace {

struct Texts {
    QString title = QStringLiteral("个人档案型号管理");
    QString column = QStringLiteral("档案资料");
    QString clear = QStringLiteral("清空设置");
    QString add = QStringLiteral("添加");
    QString save = QStringLiteral("保存");
    QString cancel = QStringLiteral("取消");
    QString indexLabel = QStringLiteral("索  引");
    QString partLabel = QStringLiteral("BOM料号");
    QString indexRequired = QStringLiteral("红色部分内容不能为空!");
    QString clearQuestion = QStringLiteral("是否决定清空配置表？");
    QString clearTitle = QStringLiteral("提示");
    QString countKey = QStringLiteral("记录数");
    QString indexKey = QStringLiteral("索引");
    QString partKey = QStringLiteral("主件料号");
    QString pdf = QStringLiteral(".pdf");
};

const Texts &texts()
{
    static const Texts t;
    return t;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QString trimmedBlanks(QStringView s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b).toString();
}

// The section a header line names, exactly as written between the brackets.
bool headerName(const QString &line, QString *name)
{
    const QString t = trimmedBlanks(line);
    if (!t.startsWith(u'['))
        return false;
    const qsizetype close = t.indexOf(u']');
    *name = t.mid(1, close < 0 ? -1 : close - 1);
    return true;
}

bool keyOf(const QString &line, QString *key, QString *value)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return false;
    *key = trimmedBlanks(QStringView(line).left(eq));
    QString v = trimmedBlanks(QStringView(line).mid(eq + 1));
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    *value = platform::unescapeIniValue(v);
    return true;
}

QStringList loadLines(const QString &path)
{
    QByteArray bytes;
    if (!platform::readFile(path, &bytes))
        return {};
    return platform::fromCodePage(bytes).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
}

qsizetype findSection(const QStringList &lines, const QString &section)
{
    QString name;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (headerName(lines[i], &name) && name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype sectionEnd(const QStringList &lines, qsizetype header)
{
    QString name;
    qsizetype i = header + 1;
    while (i < lines.size() && !headerName(lines[i], &name))
        ++i;
    return i;
}

} // namespace

QString PersonalListFile::read(const QString &section, const QString &key) const
{
    const QStringList lines = loadLines(path_);
    const qsizetype header = findSection(lines, section);
    if (header < 0)
        return {};
    QString k;
    QString v;
    for (qsizetype i = header + 1; i < sectionEnd(lines, header); ++i) {
        if (keyOf(lines[i], &k, &v) && k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    }
    return {};
}

bool PersonalListFile::write(const QString &section, const QString &key, const QString &value)
{
    QStringList lines = loadLines(path_);
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    const QString newLine = key + u'=' + platform::escapeIniValue(value);
    const qsizetype header = findSection(lines, section);
    if (header < 0) {
        lines.append(u'[' + section + u']');
        lines.append(newLine);
    } else {
        const qsizetype end = sectionEnd(lines, header);
        qsizetype at = -1;
        QString k;
        QString v;
        for (qsizetype i = header + 1; i < end && at < 0; ++i) {
            if (keyOf(lines[i], &k, &v) && k.compare(key, Qt::CaseInsensitive) == 0)
                at = i;
        }
        if (at >= 0) {
            if (v == value)
                return true;
            lines[at] = newLine;
        } else {
            qsizetype insertAt = end;
            while (insertAt > header + 1 && trimmedBlanks(lines[insertAt - 1]).isEmpty())
                --insertAt;
            lines.insert(insertAt, newLine);
        }
    }
    return platform::writeFileAtomic(path_,
                                     platform::toCodePage(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

int PersonalListFile::count() const
{
    return qMax(0, platform::textToInt(read(countSection(), texts().countKey)));
}

QString PersonalListFile::indexText(int n) const
{
    return read(entrySection(n), texts().indexKey);
}

QString PersonalListFile::partNumber(int n) const
{
    return read(entrySection(n), texts().partKey);
}

void PersonalListFile::store(int k, const QString &indexText, const QString &partNumber)
{
    write(entrySection(k), texts().indexKey, indexText);
    write(entrySection(k), texts().partKey, partNumber);
    write(countSection(), texts().countKey, QString::number(k + 1));
}

void PersonalListFile::clear()
{
    QFile::remove(path_);
    write(countSection(), texts().countKey, QStringLiteral("0"));
}

PersonalListWindow::PersonalListWindow(const platform::Seams &seams, const DocumentBases &bases,
                                       const QString &filePath)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      seams_(seams), bases_(bases), file_(filePath)
{
    const Texts &t = texts();
    setWindowTitle(t.title);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(356, kBrowsingHeight);

    list_ = place<QTreeWidget>(this, u"超级档案管理列表框", QRect(0, -1, 354, 153));
    list_->setHeaderLabels({t.column});
    list_->setColumnWidth(0, 350);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->viewport()->installEventFilter(this);

    auto flat = [this](const char16_t *name, const QRect &r, const QString &text) {
        auto *b = place<QPushButton>(this, name, r, text);
        b->setFlat(true);
        return b;
    };
    auto *clearButton = flat(u"超级初始按钮", QRect(6, 161, 70, 24), t.clear);
    link_ = place<LinkControl>(this, u"个人资料链接框", QRect(80, 160, 88, 24), seams_.shell);
    addButton_ = flat(u"超级加档案按钮", QRect(200, 161, 70, 24), t.add);
    auto *cancelButton = flat(u"超级档案取消按钮", QRect(272, 161, 70, 24), t.cancel);

    group_ = place<QGroupBox>(this, u"分组框1", QRect(8, 187, 336, 93));
    auto *group = group_;
    auto *indexLabel = place<QLabel>(group, u"标签1", QRect(19, 18, 39, 24), t.indexLabel);
    indexLabel->setStyleSheet(QStringLiteral("color: red;")); // the required field
    indexBox_ = place<QLineEdit>(group, u"编辑索引框", QRect(67, 18, 250, 24));
    place<QLabel>(group, u"标签4", QRect(19, 48, 47, 24), t.partLabel);
    partBox_ = place<QLineEdit>(group, u"编辑料号框", QRect(67, 57, 250, 24));

    group_->hide();
    connect(addButton_, &QPushButton::clicked, this, &PersonalListWindow::addEntry);
    connect(clearButton, &QPushButton::clicked, this, &PersonalListWindow::clearList);
    connect(cancelButton, &QPushButton::clicked, this, &QWidget::close);

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    fill();
}

void PersonalListWindow::fill()
{
    const int n = file_.count();
    for (int i = 0; i < n; ++i)
        new QTreeWidgetItem(list_, {file_.indexText(i)});
}

void PersonalListWindow::setHeight(int height)
{
    setFixedSize(width(), height);
    // The sizes count the title bar, which here lies outside the window: without this the top
    // of the entry fields would peek out below the buttons while browsing.
    group_->setVisible(height == kEnteringHeight);
}

void PersonalListWindow::addEntry()
{
    const Texts &t = texts();
    if (addButton_->text() != t.save) {
        if (height() != kEnteringHeight)
            setHeight(kEnteringHeight);
        indexBox_->clear();
        partBox_->clear();
        addButton_->setText(t.save);
        return;
    }
    if (indexBox_->text().isEmpty()) {
        seams_.dialogs->message(this, t.indexRequired, {}, platform::Icon::None, platform::Buttons::Ok);
        return;
    }
    new QTreeWidgetItem(list_, {indexBox_->text()});
    const int k = list_->topLevelItemCount() - 1;
    file_.store(k, indexBox_->text(), partBox_->text());
    addButton_->setText(t.add);
    setHeight(kBrowsingHeight);
}

void PersonalListWindow::openEntry()
{
    const QList<QTreeWidgetItem *> selected = list_->selectedItems();
    const int row = selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.front());
    const QString part = file_.partNumber(row);
    link_->setAddress(documentAddress(bases_.item, part, texts().pdf));
    link_->activate();
}

void PersonalListWindow::clearList()
{
    const Texts &t = texts();
    if (seams_.dialogs->message(this, t.clearQuestion, t.clearTitle, platform::Icon::Question,
                                platform::Buttons::OkCancel) != platform::Answer::Ok)
        return;
    file_.clear();
    emit cleared();
}

bool PersonalListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // Let the view select the row under the pointer first.
        list_->viewport()->removeEventFilter(this);
        QCoreApplication::sendEvent(list_->viewport(), event);
        list_->viewport()->installEventFilter(this);
        openEntry();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void PersonalListWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace mivo
