#pragma once

#include <QDialog>

namespace services {
class Browser;
}

namespace dialogs {

// Which program and version this is, what it does, and two links to the maker's site.
class AboutDialog final : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(services::Browser &browser, QWidget *parent = nullptr);
};

} // namespace dialogs
