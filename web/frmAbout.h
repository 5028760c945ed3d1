#pragma once

#include <QDialog>

class QPushButton;

namespace app {
class LinkLabel;
}

namespace web {

class Browser;

// Which program and version this is, what it does, and two links to the maker's site.
class frmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(Browser &browser, QWidget *parent = nullptr);

    app::LinkLabel *lblHomePage;
    app::LinkLabel *Label5;
    QPushButton *cmdOK;
};

} // namespace web
