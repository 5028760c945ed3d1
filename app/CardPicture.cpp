#include "app/CardPicture.h"

#include "cards/CardFace.h"
#include "cards/Deck.h"

#include <QPainter>

namespace app {

CardPicture::CardPicture(QWidget *parent) : QWidget(parent)
{
    setFixedSize(cards::kCardFaceSize);
    setAccessibleName(cards::cardName(m_index));
}

void CardPicture::setCard(int index)
{
    if (!cards::isCardIndex(index) || index == m_index)
        return;
    m_index = index;
    setAccessibleName(cards::cardName(index));
    update();
}

void CardPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    cards::paintCardFace(painter, QRectF(rect()), m_index);
}

} // namespace app
