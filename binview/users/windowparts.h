#pragma once
// Decoration shared by the account windows: the banner across the top and the labels beside
// the controls. They carry no behaviour.

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace binview {

// The 324x64 banner at the top of an account window.
QLabel *addBanner(QWidget *window, const QString &caption);
QLabel *addLabel(QWidget *window, const QString &text, const QRect &geometry);

} // namespace binview
