#pragma once
// The handbook window "查手窗口": four pages that open product files, common-part documents,
// exploded-view sheets and structure sheets from the document server.

#include "mivo/handbook/addresses.h"
#include "platform/seams.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace mivo {

class LinkControl;

class HandbookWindow : public QWidget {
    Q_OBJECT
public:
    HandbookWindow(const platform::Seams &seams, const DocumentBases &bases, QWidget *owner);

    // Minimise, open base + the box's content + extension, put the prompt back.
    void queryProductFile();
    void queryExplodedView();
    void queryStructure();
    void queryCommonPart();

signals:
    void personalListRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void queryTyped(QLineEdit *box, const QString &base, const QString &extension, const QString &prompt);
    void openAddress(const QUrl &address);

    platform::Seams seams_;
    DocumentBases bases_;
    QTabWidget *tabs_ = nullptr;
    QLineEdit *productBox_ = nullptr;
    QLineEdit *explodedBox_ = nullptr;
    QLineEdit *structureBox_ = nullptr;
    QComboBox *commonList_ = nullptr;
    LinkControl *link_ = nullptr;
};

} // namespace mivo
