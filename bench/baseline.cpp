// The yardstick for Tarvelle's start, memory and idle cost: the least a Qt Widgets program
// with the same window and menu bar can do. It keeps the one-second timer of the simplest way
// to bring a window up at a chosen second, the way a program of this kind is usually written:
// the idle figures say what sleeping until the display second saves against that.
// Anything Tarvelle spends beyond this is its own.
//
// Usage: tarvelle_baseline [--hidden]
//   --hidden  never shows the window, as Tarvelle started into the tray never shows its own.

#include "ui/FirstPaintReport.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QMainWindow window;
    window.setWindowTitle(u"Baseline"_s);
    auto *client = new QWidget(&window);
    client->setFixedSize(474, 480);
    window.setCentralWidget(client);

    QMenu *file = window.menuBar()->addMenu(u"&File"_s);
    file->addAction(u"&Open"_s);
    file->addSeparator();
    file->addAction(u"E&xit"_s, &application, &QCoreApplication::quit);
    window.menuBar()->addMenu(u"&Tools"_s)->addAction(u"&Settings"_s);
    window.menuBar()->addMenu(u"&Help"_s)->addAction(u"&About"_s);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);

    QTimer tick;
    tick.setInterval(1000);
    QObject::connect(&tick, &QTimer::timeout, &window, [] {});
    tick.start();

    ui::FirstPaintReport::watch(&window);
    if (!QApplication::arguments().contains(u"--hidden"_s))
        window.show();
    return QApplication::exec();
}
