#pragma once

#include <QRect>

namespace ui {

// Window layouts are laid out in twips, fifteen to a pixel.
constexpr int fromTwips(int twips)
{
    return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15);
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height)};
}

} // namespace ui
