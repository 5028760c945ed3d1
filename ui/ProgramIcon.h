#pragma once

#include <QIcon>

class QPainter;
class QRectF;

namespace ui {

// The program's own icon, drawn for each size a desktop asks for. Small targets get a
// simplified, pixel-aligned drawing; the icon is centred in `target` if it is not square.
void paintProgramIcon(QPainter &painter, const QRectF &target);

// Offers 16, 22, 24, 32, 48 and 64; each size is drawn when first asked for.
const QIcon &programIcon();
// Makes it the icon of every window. Drawing it waits until something is about to show it:
// the main window's first paint, the tray or a message.
void useProgramIconForWindows();

} // namespace ui
