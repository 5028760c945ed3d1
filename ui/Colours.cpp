#include "ui/Colours.h"

#include <QWidget>

namespace ui {

namespace {

// x to the power 2.4, for x in (0, 1]: x squared times the fifth root of x squared, found by
// Newton's steps from above. The library's pow would map a fifth of a megabyte of its tables
// into memory at start for this one sum.
double powTwelveFifths(double x)
{
    const double square = x * x;
    double root = 1.0;
    for (int i = 0; i < 64; ++i) {
        const double fourth = (root * root) * (root * root);
        const double next = (4.0 * root + square / fourth) / 5.0;
        if (next >= root)
            break;
        root = next;
    }
    return square * root;
}

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : powTwelveFifths((channel + 0.055) / 1.055);
}

double luminance(const QColor &colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
           + 0.0722 * linear(colour.blueF());
}

} // namespace

QColor textColourOn(const QColor &background)
{
    // Where black and white give the same contrast ratio.
    constexpr double kEvenLuminance = 0.179;
    return luminance(background) > kEvenLuminance ? QColor(Qt::black) : QColor(Qt::white);
}

QPalette programPalette(const QColor &background)
{
    const QColor text = textColourOn(background);
    const QColor button(239, 239, 239);
    // Still 4.5:1 on the buttons' grey, so a disabled choice stays legible.
    const QColor disabledText(105, 105, 105);

    QPalette palette;
    const auto set = [&palette](QPalette::ColorRole role, const QColor &colour) {
        palette.setColor(role, colour);
    };
    set(QPalette::Window, background);
    set(QPalette::WindowText, text);
    set(QPalette::Base, Qt::white);
    set(QPalette::AlternateBase, QColor(247, 247, 247));
    set(QPalette::Text, Qt::black);
    set(QPalette::PlaceholderText, disabledText);
    set(QPalette::Button, button);
    set(QPalette::ButtonText, Qt::black);
    set(QPalette::BrightText, Qt::white);
    set(QPalette::Light, Qt::white);
    set(QPalette::Midlight, QColor(202, 202, 202));
    set(QPalette::Mid, QColor(184, 184, 184));
    set(QPalette::Dark, QColor(159, 159, 159));
    set(QPalette::Shadow, QColor(118, 118, 118));
    set(QPalette::Highlight, QColor(48, 140, 198));
    set(QPalette::HighlightedText, Qt::white);
    set(QPalette::Link, QColor(0, 0, 255));
    set(QPalette::LinkVisited, QColor(128, 0, 128));
    set(QPalette::ToolTipBase, QColor(255, 255, 220));
    set(QPalette::ToolTipText, Qt::black);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, button);
    return palette;
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    if (role == QPalette::Window) {
        // The colours this widget chose for itself stay; everything else comes with the surface.
        palette = palette.resolve(programPalette(colour));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

} // namespace ui
