#pragma once
// The invisible link control: its address is set, then it is activated, and the desktop opens
// the address with its default handler (the browser). The only way documents are opened.

#include "platform/seams.h"

#include <QUrl>
#include <QWidget>

namespace mivo {

class LinkControl : public QWidget {
    Q_OBJECT
public:
    LinkControl(platform::Shell *shell, QWidget *parent);
    void setAddress(const QUrl &address) { address_ = address; }
    QUrl address() const { return address_; }
    void activate();

private:
    platform::Shell *shell_;
    QUrl address_;
};

} // namespace mivo
