#pragma once
// A run folder of its own for each test, laid out like the real one.

#include "binview/shell/application.h"
#include "platform/testing/fakeseams.h"

#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace testenv {

struct RunFolder {
    RunFolder();
    QString path(const QString &relative) const { return dir.path() + u'/' + relative; }
    QTemporaryDir dir;
};

// A run folder with both templates under dat/ (and, unless told otherwise, no live files).
struct BinviewFixture {
    BinviewFixture();
    ~BinviewFixture();
    // Creates the application, lays out the live files and opens the main window, as a
    // successful login would.
    binview::Application &start();
    RunFolder run;
    platform::testing::FakeSeams fakes;
    std::unique_ptr<binview::Application> app;
};

// The colour word of a bin in the application's colour table.
QString colourOf(binview::Application &app, const QString &bin);

// A named control of a window; warns (and gives null) when there is none.
template <typename T> T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QString::fromUtf8(name));
    if (!c)
        qWarning("no control %s", name);
    return c;
}

// Appends one record with the given fields straight through the store API.
void addOrder(binview::OrderStore &store, const QString &orderNo, const QString &bin, const QString &model,
              int quantity, double dateIn, double shipDate, const QString &remarks = {});

} // namespace testenv
