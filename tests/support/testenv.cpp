#include "testenv.h"

#include "binview/map/bins.h"
#include "binview/map/colours.h"
#include "platform/files.h"
#include "platform/ini.h"

namespace testenv {

RunFolder::RunFolder()
{
    platform::makeFolder(path(QStringLiteral("dat")));
    binview::OrderStore::createEmpty(path(QStringLiteral("dat/库位数据.edb")));
    platform::IniDocument table;
    for (const binview::Bin &bin : binview::bins())
        table.setValue(bin.code, binview::kColourKey, binview::kGreen);
    table.save(path(QStringLiteral("dat/clor.ini")));
}

BinviewFixture::BinviewFixture() = default;
BinviewFixture::~BinviewFixture() = default;

binview::Application &BinviewFixture::start()
{
    app = std::make_unique<binview::Application>(fakes.seams(), run.dir.path());
    app->layOutLiveFiles();
    app->openMainWindow();
    return *app;
}

QString colourOf(binview::Application &app, const QString &bin)
{
    return platform::readProfileString(app.colourTablePath(), bin, binview::kColourKey);
}

void addOrder(binview::OrderStore &store, const QString &orderNo, const QString &bin, const QString &model,
              int quantity, double dateIn, double shipDate, const QString &remarks)
{
    store.addBlank();
    store.write(1, orderNo);
    store.write(2, bin);
    store.write(3, model);
    store.write(4, quantity);
    store.write(5, dateIn);
    store.write(6, shipDate);
    store.write(7, remarks);
}

} // namespace testenv
