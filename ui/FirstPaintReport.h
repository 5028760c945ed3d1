#pragma once

#include <QObject>

namespace ui {

// When TARVELLE_REPORT_FIRST_PAINT is set, prints "first-paint-ns <CLOCK_MONOTONIC ns>" to
// stderr at the watched window's first paint, so a benchmark can time the start.
class FirstPaintReport final : public QObject {
    Q_OBJECT

public:
    static void watch(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};

} // namespace ui
