#pragma once

#include <QLabel>

namespace app {

// A label of fixed size whose text never clips: when the text does not fit at the preferred
// point size, the font steps down until it does. Fonts differ between desktops, and the
// card texts vary several-fold in length.
class FittedLabel final : public QLabel {
    Q_OBJECT

public:
    FittedLabel(const QFont &preferred, bool wrap, QWidget *parent);

    void setFittedText(const QString &text);
    bool textFits() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    bool fitsWith(const QFont &font) const;
    void fit();

    QFont m_preferred;
};

} // namespace app
