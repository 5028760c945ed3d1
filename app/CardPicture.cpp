#include "app/CardPicture.h"

#include "cards/CardFace.h"
#include "cards/Deck.h"
#include "ui/Accessibility.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace app {

CardPicture::CardPicture(QWidget *parent) : QWidget(parent)
{
    setFixedSize(cards::kCardFaceSize);
    ui::readAs(this, QAccessible::Graphic);
    nameCard();
}

void CardPicture::nameCard()
{
    const QString name = cards::cardName(m_index);
    setAccessibleName(name);
    setAccessibleDescription(tr("Picture of the card %1").arg(name));
}

void CardPicture::setCard(int index)
{
    if (!cards::isCardIndex(index) || index == m_index)
        return;
    m_index = index;
    nameCard();
    update();
}

void CardPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    cards::paintCardFace(painter, QRectF(rect()), m_index);
}

} // namespace app
