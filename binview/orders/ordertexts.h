#pragma once
// The texts the clerk sees in the order commands, the order entry window and the details window.

#include <QString>

namespace binview::ordertext {

// Titles.
inline const QString kWarning = QStringLiteral("警告");
inline const QString kWarningBang = QStringLiteral("警告!");
inline const QString kNotice = QStringLiteral("提示");
inline const QString kAskAdd = QStringLiteral("是否加入以下单？");

// Order entry.
inline const QString kIncomplete = QStringLiteral("请将各项信息输入完整！");
inline const QString kAddedContinue = QStringLiteral("加入成功！请继续加入！");
inline const QString kAdded = QStringLiteral("加入成功！");
inline const QString kPickFreeBins = QStringLiteral("请右键点击相关空白库位进行加入！");
inline const QString kBatchRunning = QStringLiteral("目前未结束加入库位操作！");
inline const QString kOccupied = QStringLiteral("已有成品,不能放置!");
inline const QString kNoBatch = QStringLiteral("无数据！请先进入加入订单选项！");
inline const QString kAskAddPrefix = QStringLiteral("是否加入？\r\n");
inline const QString kAskEndBatch = QStringLiteral("是否结束加入以下？\r\n");
inline const QString kBatchEnded = QStringLiteral("已经结束加入库位");
// A write the store refused: shown in place of the success message.
inline const QString kAddFailed = QStringLiteral("加入失败！订单没有保存。\r\n原因：%1");
inline const QString kUpdateFailed = QStringLiteral("更新失败！订单没有改动。\r\n原因：%1");
inline const QString kDeleteFailed = QStringLiteral("删除失败！订单没有删除。\r\n原因：%1");

// Details window and clearing.
inline const QString kSelectRow = QStringLiteral("请选择要相关项目");
inline const QString kNoNext = QStringLiteral("后面已无记录");
inline const QString kNoPrevious = QStringLiteral("前面已无记录");
inline const QString kUpdated = QStringLiteral("更新成功！");
inline const QString kBinTaken = QStringLiteral("该区域已有库位请重新填写！");
inline const QString kAskDelete = QStringLiteral("是否决定删除%1中的订单？");
inline const QString kAskClearShipped = QStringLiteral("是否决定清除已经走货货物?");

// Queries.
inline const QString kQueryTitle = QStringLiteral("提示");

} // namespace binview::ordertext
