#pragma once
// The main bar: a borderless black strip that floats above every window and is dragged by any
// free spot. Collapsed (height 20) it shows only "+" and "X".

#include <QWidget>

class QPushButton;

namespace mivo {

class MainBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 60;
    static constexpr int kCollapsed = 20;
    static constexpr int kExpanded = 138;
    static constexpr QPoint kHome{900, 0};

    MainBar();

    // Collapsed ↔ expanded; only the height changes.
    void toggle();
    bool collapsed() const { return height() == kCollapsed; }

    QPushButton *toggleBox() const { return toggleBox_; }

signals:
    void exitClicked();
    void handbookClicked();
    void toolsClicked();
    void settingsClicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPushButton *toggleBox_ = nullptr;
};

} // namespace mivo
