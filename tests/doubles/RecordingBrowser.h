#pragma once

#include "web/Browser.h"

#include <QList>
#include <QUrl>

class RecordingBrowser final : public web::Browser {
public:
    void open(const QUrl &address) override { opened.append(address); }

    QList<QUrl> opened;
};
