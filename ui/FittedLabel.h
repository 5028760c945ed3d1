#pragma once

#include <QGroupBox>
#include <QLabel>

namespace ui {

class LinkLabel;

// Gives `label` the largest font, from `preferred` down in small steps, at which its whole
// text fits its fixed box. Fonts differ between desktops, and a clipped word is never right.
void fitLabelFont(QLabel *label, const QFont &preferred);
void fitLabelFont(LinkLabel *link, const QFont &preferred);
bool labelTextFits(const QLabel *label);

// The same for a control sized by its style (a check box, a list, a text box): the largest font
// at which the control needs no more than `room`. A push button's text fits inside its bevel.
void fitWidgetFont(QWidget *widget, const QFont &preferred, QSize room);

// The same for a frame's caption, which must stay above what the frame holds.
void fitFrameTitle(QGroupBox *frame, const QFont &preferred, int titleHeight);

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
