#pragma once
// The order commands of the bin menu, the list menu and the menu "订单操作", connected to the
// main window's actions.

#include "binview/orders/orderlist.h"
#include "binview/orders/orderops.h"

class QLabel;

namespace binview {

class Application;
class MainWindow;
class OrderEntryWindow;

// Connects the bin menu ("库位右键") and list menu ("数据右键") items to their commands and
// puts the balloon "气球提示框A" on page "A".
void installOrderCommands(Application &app, MainWindow &window);

// Bin menu, on currentBin.
void showBinDetails(Application &app);                        // "查看详情"
OrderEntryWindow *openOrderEntry(Application &app, int page); // "单一库位", "其他库位"
void setUpBatch(Application &app);                            // "订单设置"
void addBatchToBin(Application &app);                         // "批量加入(&J)"
void endBatch(Application &app);                              // "结束批量加"

// List menu, on the order list's selected row.
void openOrderDetails(Application &app);         // "订单明细"
void runQuery(Application &app, QueryKind kind); // the five queries of "查询"
void clearSelectedBin(Application &app);         // "清空该库位"

// Menu "订单操作".
void clearShippedGoods(Application &app); // "清除走货"
void refreshOrderList(Application &app);  // "查询更新"

// The open order entry window, or null.
OrderEntryWindow *orderEntryWindow(Application &app);
// The balloon of "查看详情".
QLabel *binBalloon(Application &app);

// Puts row in place of the order list's selected row, keeping it selected.
void rewriteSelectedRow(MainWindow &window, const OrderListModel::Row &row);

} // namespace binview
