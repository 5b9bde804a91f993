// Writes the program's icon for the desktop's icon theme, drawn by the code that draws the
// window icon: NAME.svg and NAME-SIZE.png for each size given.
#include "shell/card_logo.h"
#include "shell/window_services.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: make_icons FOLDER/NAME SIZE...\n");
        return 2;
    }
    const QString stem = args[1];
    for (const QString& text : args.mid(2)) {
        const int size = text.toInt();
        if (size <= 0) {
            std::fprintf(stderr, "make_icons: '%s' is no size in pixels\n", qPrintable(text));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        bj::PaintProgramIcon(p, size);
        p.end();
        if (!image.save(stem + '-' + text + ".png")) {
            std::fprintf(stderr, "make_icons: cannot write the %s px icon\n", qPrintable(text));
            return 1;
        }
    }
    constexpr int kSvgSize = 256;
    QSvgGenerator svg;
    svg.setFileName(stem + ".svg");
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(bj::AppTitle());
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "make_icons: cannot write the scalable icon\n");
        return 1;
    }
    bj::PaintProgramIcon(p, kSvgSize);
    return p.end() ? 0 : 1;
}
