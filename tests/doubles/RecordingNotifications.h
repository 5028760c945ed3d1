#pragma once

#include "services/Notifications.h"

#include <QList>

// Keeps what the program sends; the test plays the user choosing the default action.
class RecordingNotifications final : public services::Notifications {
    Q_OBJECT

public:
    void notify(const Notification &notification) override { sent.append(notification); }

    void chooseDefaultAction(const QString &token = {}) { Q_EMIT defaultActionInvoked(token); }
    void chooseLater() { Q_EMIT laterActionInvoked(); }

    QList<Notification> sent;
};
