#pragma once
// The personal list of main part numbers: its INI file and its window "个人档案型号管理".

#include "mivo/handbook/addresses.h"
#include "platform/seams.h"

#include <QStringList>
#include <QWidget>

class QPushButton;
class QLineEdit;
class QTreeWidget;
class QGroupBox;

namespace mivo {

class LinkControl;

// The list file: section "记录数 " (with its trailing space) holds the count, sections 档案0 …
// 档案N-1 the entries. Section names are matched exactly, blanks included, so a count stored
// under "记录数" (no space) is not this file's count. Values are read and written one by one;
// every write replaces the file atomically.
class PersonalListFile {
public:
    explicit PersonalListFile(QString path) : path_(std::move(path)) {}

    static QString countSection() { return QStringLiteral("记录数 "); }
    static QString entrySection(int n) { return QStringLiteral("档案") + QString::number(n); }

    int count() const;
    QString indexText(int n) const;
    QString partNumber(int n) const;
    // Stores entry k and sets the count to k + 1.
    void store(int k, const QString &indexText, const QString &partNumber);
    // Deletes the file and writes a count of 0 into a fresh one.
    void clear();

    QString read(const QString &section, const QString &key) const;
    bool write(const QString &section, const QString &key, const QString &value);
    const QString &path() const { return path_; }

private:
    QString path_;
};

class PersonalListWindow : public QWidget {
    Q_OBJECT
public:
    PersonalListWindow(const platform::Seams &seams, const DocumentBases &bases, const QString &filePath);

    static constexpr int kBrowsingHeight = 215;
    static constexpr int kEnteringHeight = 312;

    void addEntry();
    void openEntry();
    void clearList();

signals:
    // The file was cleared: the window is to be closed and opened afresh.
    void cleared();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fill();
    void setHeight(int height);

    platform::Seams seams_;
    DocumentBases bases_;
    PersonalListFile file_;
    QTreeWidget *list_ = nullptr;
    QPushButton *addButton_ = nullptr;
    QLineEdit *indexBox_ = nullptr;
    QLineEdit *partBox_ = nullptr;
    QGroupBox *group_ = nullptr;
    LinkControl *link_ = nullptr;
};

} // namespace mivo
