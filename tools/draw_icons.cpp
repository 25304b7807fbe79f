// Draws the program's icons (application icon, menu action icons, language flags) into
// a folder, as PNG files. The images are committed in resources/; run this again only to
// change them:
//
//   g++ -std=c++17 -fPIC tools/draw_icons.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/draw_icons
//   QT_QPA_PLATFORM=offscreen /tmp/draw_icons resources
//
// Every action icon is drawn on a 32 x 32 grid in one flat style: a dark outline of the
// same width, a small palette, rounded corners.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

const QColor outline(0x2b, 0x3a, 0x4a);
const QColor blue(0x3a, 0x7b, 0xd5);
const QColor lightBlue(0x9c, 0xc3, 0xf0);
const QColor yellow(0xf5, 0xb8, 0x2e);
const QColor lightYellow(0xfb, 0xd9, 0x7a);
const QColor green(0x3f, 0xa3, 0x4d);
const QColor red(0xd6, 0x45, 0x41);
const QColor grey(0x9a, 0xa5, 0xb1);
const QColor paper(0xfa, 0xfb, 0xfc);
const QColor white(Qt::white);

const qreal lineWidth = 1.6;

using drawing = std::function<void(QPainter &)>;

// Draws on a transparent square image of the given side, in 32 x 32 units.
QImage render(int side, const drawing &draw)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 32.0, side / 32.0);
    draw(p);
    p.end();
    return image;
}

QPen pen(const QColor &c = outline, qreal width = lineWidth)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fileOpen(QPainter &p)
{
    p.setPen(pen());
    // Back of the folder with its tab.
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(11, 8);
    back.lineTo(13.5, 10.5);
    back.lineTo(25, 10.5);
    back.lineTo(25, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    p.setBrush(yellow);
    p.drawPath(back);
    // A sheet sticking out.
    p.setBrush(paper);
    p.drawRect(QRectF(7, 6, 14, 12));
    // The open front, tilted.
    QPainterPath front;
    front.moveTo(3, 26);
    front.lineTo(7.5, 15);
    front.lineTo(29.5, 15);
    front.lineTo(25, 26);
    front.closeSubpath();
    p.setBrush(lightYellow);
    p.drawPath(front);
}

void fileSave(QPainter &p)
{
    p.setPen(pen());
    QPainterPath body;
    body.moveTo(4, 4);
    body.lineTo(24, 4);
    body.lineTo(28, 8);
    body.lineTo(28, 28);
    body.lineTo(4, 28);
    body.closeSubpath();
    p.setBrush(blue);
    p.drawPath(body);
    // Shutter with its window.
    p.setBrush(grey);
    p.drawRect(QRectF(9, 4, 13, 8));
    p.setBrush(outline);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(17.5, 5.5, 2.5, 5));
    // Label.
    p.setPen(pen());
    p.setBrush(paper);
    p.drawRoundedRect(QRectF(8, 16, 16, 12), 1.5, 1.5);
    p.setPen(pen(lightBlue, 1.2));
    p.drawLine(QPointF(11, 20), QPointF(21, 20));
    p.drawLine(QPointF(11, 23.5), QPointF(21, 23.5));
}

void fileNew(QPainter &p)
{
    p.setPen(pen());
    QPainterPath sheet;
    sheet.moveTo(7, 3);
    sheet.lineTo(19, 3);
    sheet.lineTo(26, 10);
    sheet.lineTo(26, 29);
    sheet.lineTo(7, 29);
    sheet.closeSubpath();
    p.setBrush(paper);
    p.drawPath(sheet);
    // Folded corner.
    QPainterPath fold;
    fold.moveTo(19, 3);
    fold.lineTo(19, 10);
    fold.lineTo(26, 10);
    p.setBrush(lightBlue);
    p.drawPath(fold);
    // A sparkle: the sheet is fresh and empty.
    p.setPen(Qt::NoPen);
    p.setBrush(yellow);
    QPainterPath star;
    const QPointF c(14, 19);
    for (int i = 0; i < 8; ++i) {
        const qreal r = (i % 2 == 0) ? 6.0 : 1.8;
        const qreal a = M_PI / 4 * i - M_PI / 2;
        const QPointF pt = c + QPointF(r * qCos(a), r * qSin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.drawPath(star);
}

void exitIcon(QPainter &p)
{
    // Door frame and open door.
    p.setPen(pen());
    p.setBrush(grey);
    p.drawRect(QRectF(4, 4, 14, 24));
    QPainterPath door;
    door.moveTo(4, 4);
    door.lineTo(13, 7);
    door.lineTo(13, 31);
    door.lineTo(4, 28);
    door.closeSubpath();
    p.setBrush(blue);
    p.drawPath(door);
    p.setBrush(outline);
    p.drawEllipse(QPointF(11, 18), 0.8, 0.8);
    // Arrow out.
    QPainterPath arrow;
    arrow.moveTo(16, 13.5);
    arrow.lineTo(23, 13.5);
    arrow.lineTo(23, 9);
    arrow.lineTo(30, 16);
    arrow.lineTo(23, 23);
    arrow.lineTo(23, 18.5);
    arrow.lineTo(16, 18.5);
    arrow.closeSubpath();
    p.setBrush(red);
    p.drawPath(arrow);
}

void search(QPainter &p)
{
    // Handle first, so the ring covers its end.
    p.setPen(pen(outline, 5.5));
    p.drawLine(QPointF(19.5, 19.5), QPointF(27.5, 27.5));
    p.setPen(pen(yellow, 3));
    p.drawLine(QPointF(20.5, 20.5), QPointF(27, 27));
    p.setPen(pen(outline, 2));
    p.setBrush(lightBlue);
    p.drawEllipse(QPointF(13, 13), 9, 9);
    p.setPen(pen(white, 1.6));
    p.drawArc(QRectF(7.5, 7.5, 11, 11), 95 * 16, 70 * 16);
}

void wrench(QPainter &p)
{
    p.translate(16, 16);
    p.rotate(45);
    QPainterPath tool;
    // Handle.
    tool.addRoundedRect(QRectF(-2.8, -2, 5.6, 16), 2.5, 2.5);
    // Open jaw: a ring with a slot cut out of its top.
    QPainterPath head;
    head.addEllipse(QPointF(0, -7), 7, 7);
    QPainterPath slot;
    slot.addRect(QRectF(-2.6, -16, 5.2, 9.5));
    tool = tool.united(head).subtracted(slot);
    p.setPen(pen());
    p.setBrush(grey);
    p.drawPath(tool);
    p.setPen(pen(white, 1.2));
    p.drawLine(QPointF(0, 4), QPointF(0, 10));
}

void verify(QPainter &p)
{
    p.setPen(pen());
    p.setBrush(green);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    QPainterPath tick;
    tick.moveTo(9.5, 16.5);
    tick.lineTo(14, 21);
    tick.lineTo(22.5, 11.5);
    p.setPen(pen(white, 3.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

void message(QPainter &p)
{
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(3, 5, 26, 18), 5, 5);
    QPainterPath tail;
    tail.moveTo(9, 21);
    tail.lineTo(8, 29);
    tail.lineTo(16, 21);
    tail.closeSubpath();
    p.setPen(pen());
    p.setBrush(blue);
    p.drawPath(bubble.united(tail));
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    for (qreal x : {10.0, 16.0, 22.0})
        p.drawEllipse(QPointF(x, 14), 2.1, 2.1);
}

// The application icon: a stage light on a dark tile, its beam falling on three DMX level
// bars.
void application(QPainter &p)
{
    p.setPen(Qt::NoPen);
    QLinearGradient tile(0, 0, 0, 32);
    tile.setColorAt(0, QColor(0x2f, 0x45, 0x63));
    tile.setColorAt(1, QColor(0x17, 0x22, 0x33));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);

    QPainterPath beam;
    beam.moveTo(9, 9);
    beam.lineTo(29, 22);
    beam.lineTo(18, 30);
    beam.closeSubpath();
    QLinearGradient light(9, 9, 24, 26);
    light.setColorAt(0, QColor(0xff, 0xe0, 0x8a, 230));
    light.setColorAt(1, QColor(0xff, 0xe0, 0x8a, 40));
    p.setBrush(light);
    p.drawPath(beam);

    // The light's body, pointing down to the right.
    p.save();
    p.translate(9, 9);
    p.rotate(35);
    p.setPen(pen(QColor(0x0e, 0x15, 0x1f), 1));
    p.setBrush(QColor(0xc9, 0xd1, 0xda));
    p.drawRoundedRect(QRectF(-6, -3.5, 9, 7), 1.5, 1.5);
    p.setBrush(yellow);
    p.drawRect(QRectF(3, -4.2, 2, 8.4));
    p.restore();

    const QColor bars[] = {red, green, blue};
    const qreal heights[] = {7, 11, 5};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(bars[i]);
        p.drawRoundedRect(QRectF(4 + 4.5 * i, 28 - heights[i], 3, heights[i]), 1, 1);
    }
}

// Flags: a 30 x 20 field in the middle of the square, with a thin border.
const QRectF flagField(1, 6, 30, 20);

void stripes(QPainter &p, const QList<QColor> &colours, Qt::Orientation orientation,
             const QList<qreal> &weights = {})
{
    qreal total = 0;
    for (int i = 0; i < colours.size(); ++i)
        total += weights.isEmpty() ? 1 : weights[i];
    qreal start = 0;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < colours.size(); ++i) {
        const qreal part = (weights.isEmpty() ? 1 : weights[i]) / total;
        p.setBrush(colours[i]);
        if (orientation == Qt::Horizontal)
            p.drawRect(QRectF(flagField.left(), flagField.top() + start * flagField.height(), flagField.width(),
                              part * flagField.height()));
        else
            p.drawRect(QRectF(flagField.left() + start * flagField.width(), flagField.top(),
                              part * flagField.width(), flagField.height()));
        start += part;
    }
}

void flagBorder(QPainter &p)
{
    p.setPen(pen(outline, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(flagField);
}

drawing flag(const QList<QColor> &colours, Qt::Orientation orientation, const QList<qreal> &weights = {})
{
    return [=](QPainter &p) {
        stripes(p, colours, orientation, weights);
        flagBorder(p);
    };
}

void unionFlag(QPainter &p)
{
    p.save();
    p.setClipRect(flagField);
    p.fillRect(flagField, QColor(0x01, 0x21, 0x69));
    const QPointF tl = flagField.topLeft(), tr = flagField.topRight();
    const QPointF bl = flagField.bottomLeft(), br = flagField.bottomRight();
    const QPointF c = flagField.center();
    p.setPen(QPen(white, 4.2));
    p.drawLine(tl, br);
    p.drawLine(tr, bl);
    p.setPen(QPen(QColor(0xc8, 0x10, 0x2e), 1.4));
    p.drawLine(tl, br);
    p.drawLine(tr, bl);
    p.setPen(QPen(white, 6.5));
    p.drawLine(QPointF(c.x(), flagField.top()), QPointF(c.x(), flagField.bottom()));
    p.drawLine(QPointF(flagField.left(), c.y()), QPointF(flagField.right(), c.y()));
    p.setPen(QPen(QColor(0xc8, 0x10, 0x2e), 3.6));
    p.drawLine(QPointF(c.x(), flagField.top()), QPointF(c.x(), flagField.bottom()));
    p.drawLine(QPointF(flagField.left(), c.y()), QPointF(flagField.right(), c.y()));
    p.restore();
    flagBorder(p);
}

struct icon
{
    const char *file;
    int side;
    drawing draw;
};

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_icons <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    const QList<icon> icons = {
        {"vd_sh.png", 64, application},
        {"fileopen.png", 32, fileOpen},
        {"filesave.png", 32, fileSave},
        {"filenew.png", 32, fileNew},
        {"exit.png", 32, exitIcon},
        {"szukaj.png", 32, search},
        {"wrench.png", 32, wrench},
        {"verify.png", 32, verify},
        {"message.png", 32, message},
        {"en.png", 32, unionFlag},
        {"pl.png", 32, flag({white, QColor(0xdc, 0x14, 0x3c)}, Qt::Horizontal)},
        {"de.png", 32, flag({Qt::black, QColor(0xdd, 0x00, 0x00), QColor(0xff, 0xce, 0x00)}, Qt::Horizontal)},
        {"fr.png", 32, flag({QColor(0x00, 0x23, 0x95), white, QColor(0xed, 0x29, 0x39)}, Qt::Vertical)},
        {"it.png", 32, flag({QColor(0x00, 0x92, 0x46), white, QColor(0xce, 0x2b, 0x37)}, Qt::Vertical)},
        {"es.png", 32,
         flag({QColor(0xaa, 0x15, 0x1b), QColor(0xf1, 0xbf, 0x00), QColor(0xaa, 0x15, 0x1b)}, Qt::Horizontal,
              {1, 2, 1})},
        {"ru.png", 32, flag({white, QColor(0x00, 0x39, 0xa6), QColor(0xd5, 0x2b, 0x1e)}, Qt::Horizontal)},
    };

    for (const icon &i : icons) {
        const QString path = folder.filePath(QString::fromLatin1(i.file));
        if (!render(i.side, i.draw).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
