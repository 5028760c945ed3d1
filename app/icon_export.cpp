// Writes the program icon as PNG files of the sizes given (the build lists those an icon theme
// holds), one folder per size.

#include "ui/ProgramIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc < 3) {
        std::fputs("usage: tarvelle_icon_export OUTPUT-FOLDER SIZE...\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int arg = 2; arg < argc; ++arg) {
        const int size = QByteArray(argv[arg]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "not a size: %s\n", argv[arg]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        ui::paintProgramIcon(painter, QRectF(0, 0, size, size));
        painter.end();
        const QString sized = folder + QStringLiteral("/%1x%1/apps").arg(size);
        if (!QDir().mkpath(sized)
            || !image.save(sized + QStringLiteral("/com.quellmoor.Tarvelle.png"))) {
            std::fprintf(stderr, "cannot write the icons into %s\n", argv[1]);
            return 1;
        }
    }
    return 0;
}
