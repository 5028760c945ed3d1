#pragma once

#include <QWidget>

namespace app {

// One card face, drawn at the screen's own pixel density.
class CardPicture final : public QWidget {
    Q_OBJECT

public:
    explicit CardPicture(QWidget *parent);

    void setCard(int index);
    int card() const { return m_index; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void nameCard();

    int m_index = 1;
};

} // namespace app
