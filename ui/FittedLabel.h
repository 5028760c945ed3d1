#pragma once

#include <QLabel>

namespace ui {

// Gives `label` the largest font, from `preferred` down in small steps, at which its whole
// text fits its fixed box. Fonts differ between desktops, and a clipped word is never right.
void fitLabelFont(QLabel *label, const QFont &preferred);
bool labelTextFits(const QLabel *label);

// A label of fixed size whose text never clips: when the text does not fit at the preferred
// point size, the font steps down until it does. The card texts vary several-fold in length.
class FittedLabel final : public QLabel {
    Q_OBJECT

public:
    FittedLabel(const QFont &preferred, bool wrap, QWidget *parent);

    void setFittedText(const QString &text);
    bool textFits() const { return labelTextFits(this); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();

    QFont m_preferred;
    QSize m_fittedSize;
};

} // namespace ui
