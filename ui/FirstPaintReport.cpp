#include "ui/FirstPaintReport.h"

#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace ui {

void FirstPaintReport::watch(QWidget *window)
{
    if (qEnvironmentVariableIsSet("TARVELLE_REPORT_FIRST_PAINT"))
        window->installEventFilter(new FirstPaintReport(window));
}

bool FirstPaintReport::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        timespec now = {};
        ::clock_gettime(CLOCK_MONOTONIC, &now);
        std::fprintf(stderr, "first-paint-ns %lld\n",
                     static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stderr);
        watched->removeEventFilter(this);
        deleteLater();
    }
    return false;
}

} // namespace ui
