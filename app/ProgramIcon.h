#pragma once

#include <QIcon>

class QPainter;
class QRectF;

namespace app {

// The program's own icon, drawn for each size a desktop asks for. Small targets get a
// simplified, pixel-aligned drawing; the icon is centred in `target` if it is not square.
void paintProgramIcon(QPainter &painter, const QRectF &target);

// Pixmaps at 16, 22, 24, 32, 48, 64, 128 and 256, built once per call.
QIcon programIcon();

} // namespace app
