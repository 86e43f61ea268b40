#include "binview/orders/ordercommands.h"

namespace binview {

void installOrderCommands(Application &, MainWindow &)
{
}

} // namespace binview
