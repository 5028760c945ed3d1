#pragma once

#include <QLabel>

namespace ui {

// A text that opens something when clicked, or activated with Enter or Space once the user has
// tabbed to it; it then shows a focus frame, so no keystroke opens a page unseen.
class LinkLabel final : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent);

    // What a click does, for those who press it another way (a screen reader's action).
    void activate() { Q_EMIT clicked(); }

Q_SIGNALS:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_handShown = false;
};

} // namespace ui
