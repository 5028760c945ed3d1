#pragma once

#include "services/Browser.h"

#include <QList>
#include <QUrl>

#include <functional>

class RecordingBrowser final : public services::Browser {
public:
    void open(const QUrl &address) override
    {
        if (whenOpening)
            whenOpening(address);
        opened.append(address);
    }

    QList<QUrl> opened;
    std::function<void(const QUrl &)> whenOpening;
};
