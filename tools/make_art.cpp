// Draws the program's own pictures: the splash and banner JPEGs, the twelve moon phases, the web
// pane's button pictures and the program's icon in the sizes of the desktop's icon theme. Run
// once; the results are committed under resources/pictures and resources/icons.
//   make_art <pictures folder> <icons folder>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace {

const QColor kLit(0xFF, 0xF1, 0xA8);
const QColor kDark(0x3A, 0x3E, 0x58);

// Phase k: 0 full, 1-5 waning (lit on the left), 6 new, 7-11 waxing (lit on the right).
QImage moon(int k) {
    constexpr int size = 20, samples = 4;
    constexpr double radius = 8.5, centre = 10.0;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const double phi = k * M_PI / 6.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int inDisc = 0, lit = 0;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    const double u = (x + (sx + 0.5) / samples - centre) / radius;
                    const double v = (y + (sy + 0.5) / samples - centre) / radius;
                    if (u * u + v * v > 1.0)
                        continue;
                    ++inDisc;
                    const double s = std::sqrt(1.0 - v * v);
                    const bool isLit = k == 6  ? false
                                       : k < 6 ? u <= std::cos(phi) * s
                                               : u >= -std::cos(phi) * s;
                    lit += isLit ? 1 : 0;
                }
            if (inDisc == 0)
                continue;
            const int n = samples * samples;
            if (k == 6) {
                QColor c = kDark;
                c.setAlpha(255 * inDisc / n);
                image.setPixelColor(x, y, c);
            } else if (lit > 0) {
                QColor c = kLit;
                c.setAlpha(255 * lit / n);
                image.setPixelColor(x, y, c);
            }
        }
    return image;
}

QImage splash() {
    QImage image(198, 200, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(0x1B, 0x2A, 0x4A));
    sky.setColorAt(0.6, QColor(0x3C, 0x5A, 0x8C));
    sky.setColorAt(1, QColor(0xE8, 0xC9, 0x8A));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        p.setBrush(QColor(255, 255, 255, 80 + (i * 37) % 150));
        p.drawEllipse(QPointF((i * 53) % 198, (i * 29) % 110), 0.8, 0.8);
    }
    p.setBrush(kLit);
    p.drawEllipse(QPointF(170, 24), 11, 11);
    // A scroll: the checklist.
    p.setBrush(QColor(0xF6, 0xEE, 0xD8));
    p.setPen(QPen(QColor(0x8A, 0x6A, 0x3A), 1.5));
    p.drawRoundedRect(QRectF(44, 92, 110, 78), 6, 6);
    p.setPen(QPen(QColor(0x8A, 0x6A, 0x3A), 1.2));
    for (int i = 0; i < 4; ++i) {
        const double y = 106 + i * 16;
        p.drawRect(QRectF(54, y - 5, 8, 8));
        if (i < 2) {
            p.drawLine(QPointF(55, y - 1), QPointF(58, y + 2));
            p.drawLine(QPointF(58, y + 2), QPointF(63, y - 6));
        }
        p.drawLine(QPointF(68, y), QPointF(140 - i * 9, y));
    }
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xFF, 0xF6, 0xE0));
    p.drawText(QRectF(0, 40, 198, 40), Qt::AlignCenter, QStringLiteral("Korvane"));
    return image;
}

QImage banner() {
    QImage image(148, 20, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 148, 0);
    band.setColorAt(0, QColor(0x10, 0x18, 0x40));
    band.setColorAt(1, QColor(0x40, 0x20, 0x50));
    p.fillRect(image.rect(), band);
    p.setPen(Qt::NoPen);
    p.setBrush(kLit);
    p.drawEllipse(QPointF(10, 10), 6, 6);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0xF0, 0xE0, 0xB0));
    p.drawText(QRectF(20, 0, 128, 20), Qt::AlignCenter, QStringLiteral("GAME CLOCK"));
    return image;
}

// The back arrow; forward is its mirror image.
QImage backArrow() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF outline[] = {{2, 8}, {9, 2}, {9, 5.5}, {14, 5.5}, {14, 10.5}, {9, 10.5}, {9, 14}};
    p.setPen(QPen(QColor(0x1E, 0x4E, 0x8C), 1));
    p.setBrush(QColor(0x5A, 0x9B, 0xE0));
    p.drawPolygon(outline, static_cast<int>(std::size(outline)));
    return image;
}

QImage addPicture() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 7.0 : 3.0;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(8 + r * std::cos(a), 8 + r * std::sin(a));
        i == 0 ? star.moveTo(point) : star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(0x9A, 0x6A, 0x00), 1));
    p.setBrush(QColor(0xFF, 0xCC, 0x33));
    p.drawPath(star);
    return image;
}

// The program's icon: a checklist page with two quests ticked, under the game's crescent moon, on
// the night blue of the clock panel. Small sizes keep the page, one tick and the moon.
QImage icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    const bool detailed = size >= 48;

    QLinearGradient night(0, 0, 0, 256);
    night.setColorAt(0, QColor(0x24, 0x33, 0x5E));
    night.setColorAt(1, QColor(0x10, 0x16, 0x2E));
    p.setPen(Qt::NoPen);
    p.setBrush(night);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    QPainterPath crescent;
    crescent.addEllipse(QPointF(190, 66), 36, 36);
    QPainterPath bite;
    bite.addEllipse(QPointF(208, 52), 32, 32);
    p.setBrush(kLit);
    p.drawPath(crescent.subtracted(bite));

    const QRectF page(40, 70, 146, 160);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(page.translated(6, 6), 14, 14);
    p.setBrush(QColor(0xFF, 0xF7, 0xE2));
    p.drawRoundedRect(page, 14, 14);

    const QColor ink(0x8A, 0x93, 0xA8), tick(0x2E, 0xA8, 0x4C);
    const int rows = detailed ? 3 : 2;
    const double step = detailed ? 44 : 62, box = detailed ? 26 : 38, top = detailed ? 94 : 96;
    for (int i = 0; i < rows; ++i) {
        const QRectF square(58, top + i * step, box, box);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, detailed ? 6 : 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawRoundedRect(square, 5, 5);
        p.drawLine(QPointF(square.right() + 16, square.center().y()), QPointF(168, square.center().y()));
        if (i < rows - 1) {
            p.setPen(QPen(tick, detailed ? 10 : 16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            const QPointF mark[] = {square.topLeft() + QPointF(box * 0.15, box * 0.5),
                                    square.topLeft() + QPointF(box * 0.42, box * 0.85),
                                    square.topLeft() + QPointF(box * 1.05, box * 0.05)};
            p.drawPolyline(mark, 3);
        }
    }
    return image;
}

bool save(const QImage& image, const QString& folder, const QString& name, int quality = -1) {
    const QString path = folder + QLatin1Char('/') + name;
    if (image.save(path, nullptr, quality))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_art <pictures folder> <icons folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]), icons = QString::fromLocal8Bit(argv[2]);
    bool ok = save(splash(), folder, QStringLiteral("splash.jpg"), 92) &&
              save(banner(), folder, QStringLiteral("banner.jpg"), 92);
    for (int k = 0; k < 12; ++k)
        ok = ok && save(moon(k), folder, QStringLiteral("moon%1.png").arg(k, 2, 10, QLatin1Char('0')));
    ok = ok && save(backArrow(), folder, QStringLiteral("back.png")) &&
         save(backArrow().mirrored(true, false), folder, QStringLiteral("forward.png")) &&
         save(addPicture(), folder, QStringLiteral("add.png"));
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        ok = ok && save(icon(size), icons, QStringLiteral("korvane-%1.png").arg(size));
    return ok ? 0 : 1;
}
