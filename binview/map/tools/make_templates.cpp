// Writes the empty order store and the colour table template into a folder, with the same code
// the program uses to open and write them. Existing files are left alone.

#include "binview/map/bins.h"
#include "binview/map/colours.h"
#include "binview/map/orderstore.h"
#include "platform/files.h"
#include "platform/ini.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: binview_templates <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!platform::makeFolder(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const QString store = QDir(folder).filePath(binview::kTableName + QStringLiteral(".edb"));
    if (!QFileInfo::exists(store)) {
        QString error;
        if (!binview::OrderStore::createEmpty(store, &error)) {
            std::fprintf(stderr, "cannot create the store template: %s\n", qPrintable(error));
            return 1;
        }
    }
    const QString colours = QDir(folder).filePath(QStringLiteral("clor.ini"));
    if (!QFileInfo::exists(colours)) {
        platform::IniDocument table;
        for (const binview::Bin &bin : binview::bins())
            table.setValue(bin.code, binview::kColourKey, binview::kGreen);
        if (!table.save(colours)) {
            std::fprintf(stderr, "cannot write the colour table template\n");
            return 1;
        }
    }
    return 0;
}
