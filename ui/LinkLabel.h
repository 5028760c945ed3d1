#pragma once

#include <QWidget>

namespace ui {

// A text that opens something when clicked, or activated with Enter or Space once the user has
// tabbed to it; it then shows a focus frame, so no keystroke opens a page unseen.
//
// It draws its plain text itself: a QLabel that takes focus keeps a whole text document behind
// its words, which cost every start half a MiB for three short links. Links sit in boxes of
// fixed size, so it offers no size of its own.
class LinkLabel final : public QWidget {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget *parent);

    QString text() const { return m_text; }
    void setText(const QString &text);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wrap);
    // How the text is laid out in its box, for QPainter::drawText and QFontMetrics.
    int textFlags() const;

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
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_wordWrap = false;
    bool m_handShown = false;
};

} // namespace ui
