#pragma once

#include <QDialog>

class QPushButton;

namespace services {
class Browser;
}
namespace ui {
class LinkLabel;
}

namespace web {

// Which program and version this is, what it does, and two links to the maker's site.
class frmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(services::Browser &browser, QWidget *parent = nullptr);

    ui::LinkLabel *lblHomePage;
    ui::LinkLabel *Label5;
    QPushButton *cmdOK;
};

} // namespace web
