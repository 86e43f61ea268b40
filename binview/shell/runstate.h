#pragma once
// The values the main program keeps for its whole run. They start empty or zero and are never
// saved.

#include "binview/map/colours.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>

namespace binview {

struct RunState {
    QString currentBin;     // bin of the tile last right-clicked
    QString batchOrderNo;   // empty when no batch is in progress
    QString batchModel;
    int batchQuantity = 0;
    double batchDateIn = 0;
    double batchShipDate = 0; // the empty date while the ship date is pending
    QString batchRemarks;
    QString selectedBin;    // bin of the order list's selected row
    QString queryText;
    QString queryField;
    std::array<QString, 4> queryInputs; // zone, quantity, order number, model
    QString balloonText;
    QString loggedInUser;
    QString profilePath;
    QStringList classNames;
    QStringList classFlags;
    QStringList userClasses;
    QStringList userNames;
    QStringList userDigests;
    quint8 failedLogins = 0;
    QString savedDigest;
    QString loggedInDigest;
    double nowStamp = 0;    // the today date box's value, taken by the colour pass
    QString paintBin;
    PackedColour paintColour = 0; // black at start, never reset
    int doubleRowCount = 0;
    std::array<int, 3> forecastIn{};
    std::array<int, 3> forecastOut{};
};

} // namespace binview
