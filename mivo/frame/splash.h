#pragma once
// The splash window shown modally while the bar starts; "进入查手", its close button or Esc ends it.

#include <QDialog>

namespace mivo {

class SplashWindow : public QDialog {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *owner);
};

// The settings window "请设置相关内容": laid out, but without any behaviour.
class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    explicit SettingsWindow(QWidget *owner);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace mivo
