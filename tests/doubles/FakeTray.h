#pragma once

#include "services/TrayIcon.h"

#include <QIcon>
#include <QMenu>
#include <QPointer>

// A notification area the test switches on and off; it counts the icons it holds.
class FakeTray final : public services::TrayIcon {
    Q_OBJECT

public:
    void add(const QIcon &, const QString &tip) override
    {
        added = true;
        toolTip = tip;
    }
    void remove() override { added = false; }
    bool isAvailable() const override { return available; }
    void setMenu(QMenu *contextMenu) override { menu = contextMenu; }

    void requestShow() { Q_EMIT showRequested(); }
    // The desktop's notification area comes or goes.
    void setAvailable(bool now)
    {
        available = now;
        Q_EMIT availabilityChanged();
    }

    bool available = true;
    bool added = false;
    QString toolTip;
    QPointer<QMenu> menu;
};
