#include "mivo/handbook/linkcontrol.h"

namespace mivo {

LinkControl::LinkControl(platform::Shell *shell, QWidget *parent) : QWidget(parent), shell_(shell)
{
    hide();
}

void LinkControl::activate()
{
    if (shell_)
        shell_->open(address_);
}

} // namespace mivo
