// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the splash picture: a 400 x 300 close-up of a printed circuit board with integrated
// circuits, resistors and capacitors, saved as a 256-colour PNG. The drawing is deterministic,
// so running it again gives the same file.
//
//   QT_QPA_PLATFORM=offscreen circuitboard OUTPUT.png

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

const QColor kMask(24, 98, 52);
const QColor kTraceUnderMask(52, 138, 72);
const QColor kSilk(236, 238, 226);
const QColor kTin(196, 198, 192);

std::mt19937 &generator()
{
    static std::mt19937 engine(20260307U);
    return engine;
}

int randomInt(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(generator());
}

// Separable box blur, three passes come close to a Gaussian.
QImage blurred(const QImage &source, int radius)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width();
    const int h = image.height();
    std::vector<std::array<int, 4>> line(static_cast<std::size_t>(std::max(w, h)));
    auto pass = [&](bool horizontal) {
        const int length = horizontal ? w : h;
        const int count = horizontal ? h : w;
        for (int n = 0; n < count; ++n) {
            auto pixel = [&](int i) -> QRgb & {
                const int x = horizontal ? i : n;
                const int y = horizontal ? n : i;
                return reinterpret_cast<QRgb *>(image.scanLine(y))[x];
            };
            for (int i = 0; i < length; ++i) {
                const QRgb p = pixel(i);
                line[static_cast<std::size_t>(i)] = {qRed(p), qGreen(p), qBlue(p), qAlpha(p)};
            }
            for (int i = 0; i < length; ++i) {
                std::array<int, 4> sum{};
                int taken = 0;
                for (int k = i - radius; k <= i + radius; ++k) {
                    const int c = std::clamp(k, 0, length - 1);
                    for (std::size_t ch = 0; ch < 4; ++ch) {
                        sum[ch] += line[static_cast<std::size_t>(c)][ch];
                    }
                    ++taken;
                }
                pixel(i) = qRgba(sum[0] / taken, sum[1] / taken, sum[2] / taken, sum[3] / taken);
            }
        }
    };
    for (int round = 0; round < 3; ++round) {
        pass(true);
        pass(false);
    }
    return image;
}

void drawBoard(QPainter &p)
{
    // Solder mask over glass-fibre weave: a faint grid and grain.
    QImage base(kWidth, kHeight, QImage::Format_RGB32);
    std::normal_distribution<double> grain(0.0, 3.0);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double weave = 3.0 * std::sin(x * 0.9) * std::sin(y * 0.9);
            const double shade = grain(generator()) + weave + (y - kHeight / 2) * -0.03;
            base.setPixel(x, y,
                          qRgb(std::clamp(int(kMask.red() + shade), 0, 255),
                               std::clamp(int(kMask.green() + shade * 1.4), 0, 255),
                               std::clamp(int(kMask.blue() + shade), 0, 255)));
        }
    }
    p.drawImage(0, 0, base);
}

// A trace from a to b: straight, then at 45 degrees, as a router lays them.
QPainterPath route(QPointF a, QPointF b, bool horizontalFirst)
{
    QPainterPath path(a);
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double diagonal = std::min(std::abs(dx), std::abs(dy));
    const double sx = dx < 0 ? -1 : 1;
    const double sy = dy < 0 ? -1 : 1;
    if (horizontalFirst) {
        path.lineTo(b.x() - sx * diagonal, a.y());
    } else {
        path.lineTo(a.x(), b.y() - sy * diagonal);
    }
    path.lineTo(b);
    return path;
}

void drawTrace(QPainter &p, const QPainterPath &path, double width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(
        QPen(kTraceUnderMask.darker(125), width + 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(0.6, 0.8));
    p.setPen(QPen(kTraceUnderMask, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(kTraceUnderMask.lighter(118), std::max(1.0, width / 3.0), Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(-0.4, -0.6));
}

void drawPad(QPainter &p, QPointF centre, double radius, bool drilled)
{
    QRadialGradient tin(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.6);
    tin.setColorAt(0.0, QColor(246, 246, 240));
    tin.setColorAt(0.5, kTin);
    tin.setColorAt(1.0, QColor(120, 122, 118));
    p.setPen(Qt::NoPen);
    p.setBrush(tin);
    p.drawEllipse(centre, radius, radius);
    if (drilled) {
        p.setBrush(QColor(28, 30, 26));
        p.drawEllipse(centre, radius * 0.42, radius * 0.42);
    }
}

void drawSquarePad(QPainter &p, QRectF rect)
{
    QLinearGradient tin(rect.topLeft(), rect.bottomRight());
    tin.setColorAt(0.0, QColor(240, 240, 234));
    tin.setColorAt(1.0, QColor(128, 130, 124));
    p.setPen(Qt::NoPen);
    p.setBrush(tin);
    p.drawRect(rect);
}

void drawVia(QPainter &p, QPointF centre)
{
    drawPad(p, centre, 3.2, true);
}

void silkText(QPainter &p, QPointF at, const QString &text, double size = 6.5)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(int(std::lround(size * 1.33)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(kSilk);
    p.drawText(at, text);
}

void silkRect(QPainter &p, QRectF rect)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kSilk, 1.2));
    p.drawRect(rect);
}

// Everything that stands on the board, drawn twice: once as a shadow silhouette, once for real.
struct Scene
{
    bool shadow = false;

    QBrush fill(const QBrush &brush) const { return shadow ? QBrush(Qt::black) : brush; }
};

void dipChip(QPainter &p, const Scene &s, QRectF body, int pinsPerSide, const QString &marking)
{
    const double pitch = body.width() / pinsPerSide;
    for (int i = 0; i < pinsPerSide; ++i) {
        const double x = body.left() + pitch * (i + 0.5);
        for (int side = 0; side < 2; ++side) {
            const QRectF pin(x - 2.2, side == 0 ? body.top() - 7 : body.bottom() - 1, 4.4, 8);
            QLinearGradient metal(pin.topLeft(), pin.topRight());
            metal.setColorAt(0.0, QColor(150, 152, 150));
            metal.setColorAt(0.4, QColor(238, 238, 236));
            metal.setColorAt(1.0, QColor(110, 112, 110));
            p.setPen(Qt::NoPen);
            p.setBrush(s.fill(metal));
            p.drawRect(pin);
        }
    }
    QLinearGradient plastic(body.topLeft(), body.bottomLeft());
    plastic.setColorAt(0.0, QColor(62, 62, 66));
    plastic.setColorAt(0.08, QColor(38, 38, 42));
    plastic.setColorAt(0.9, QColor(24, 24, 27));
    plastic.setColorAt(1.0, QColor(12, 12, 14));
    p.setBrush(s.fill(plastic));
    p.drawRoundedRect(body, 2, 2);
    if (s.shadow) {
        return;
    }
    // Notch at pin 1 and the moulding dot.
    p.setBrush(QColor(16, 16, 18));
    p.drawPie(QRectF(body.left() - 6, body.center().y() - 6, 12, 12), -90 * 16, 180 * 16);
    p.setBrush(QColor(30, 30, 33));
    p.setPen(QPen(QColor(60, 60, 64), 0.8));
    p.drawEllipse(QPointF(body.left() + 10, body.bottom() - 9), 3.2, 3.2);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(200, 200, 196));
    p.drawText(body.adjusted(0, -6, 0, -6), Qt::AlignCenter, marking);
    font.setPixelSize(8);
    font.setBold(false);
    p.setFont(font);
    p.setPen(QColor(150, 150, 148));
    p.drawText(body.adjusted(0, 10, 0, 10), Qt::AlignCenter, QStringLiteral("2614  K3"));
}

void quadChip(QPainter &p, const Scene &s, QRectF body, int pinsPerSide, const QString &marking)
{
    const double pitch = (body.width() - 10) / pinsPerSide;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < pinsPerSide; ++i) {
        const double offset = 5 + pitch * (i + 0.5);
        const std::array<QRectF, 4> pins = {
            QRectF(body.left() + offset - 0.9, body.top() - 5, 1.8, 6),
            QRectF(body.left() + offset - 0.9, body.bottom() - 1, 1.8, 6),
            QRectF(body.left() - 5, body.top() + offset - 0.9, 6, 1.8),
            QRectF(body.right() - 1, body.top() + offset - 0.9, 6, 1.8),
        };
        for (const QRectF &pin : pins) {
            p.setBrush(s.fill(QColor(212, 212, 206)));
            p.drawRect(pin);
        }
    }
    QLinearGradient plastic(body.topLeft(), body.bottomRight());
    plastic.setColorAt(0.0, QColor(58, 58, 62));
    plastic.setColorAt(0.5, QColor(32, 32, 35));
    plastic.setColorAt(1.0, QColor(18, 18, 20));
    p.setBrush(s.fill(plastic));
    p.drawRect(body);
    if (s.shadow) {
        return;
    }
    p.setBrush(QColor(22, 22, 24));
    p.drawEllipse(QPointF(body.left() + 8, body.top() + 8), 3, 3);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(196, 196, 192));
    p.drawText(body.adjusted(0, -5, 0, -5), Qt::AlignCenter, marking);
    font.setPixelSize(7);
    font.setBold(false);
    p.setFont(font);
    p.setPen(QColor(146, 146, 144));
    p.drawText(body.adjusted(0, 9, 0, 9), Qt::AlignCenter, QStringLiteral("QFP44 0719"));
}

// An axial resistor between two pads on one line, with its four colour bands.
void resistor(QPainter &p, const Scene &s, QPointF from, QPointF to,
              const std::array<QColor, 4> &bands, const QColor &bodyColour)
{
    const QLineF axis(from, to);
    p.save();
    p.translate(axis.center());
    p.rotate(-axis.angle());
    const double half = axis.length() / 2;
    // Leads.
    p.setPen(QPen(s.shadow ? QColor(Qt::black) : QColor(170, 172, 170), 2.2, Qt::SolidLine,
                  Qt::RoundCap));
    p.drawLine(QPointF(-half, 0), QPointF(half, 0));
    if (!s.shadow) {
        p.setPen(QPen(QColor(235, 235, 232), 0.8));
        p.drawLine(QPointF(-half, -0.6), QPointF(half, -0.6));
    }
    QPainterPath body;
    body.addRoundedRect(QRectF(-27, -8.5, 14, 17), 6, 6);
    body.addRoundedRect(QRectF(13, -8.5, 14, 17), 6, 6);
    body.addRect(QRectF(-17, -6.5, 34, 13));
    body.setFillRule(Qt::WindingFill);
    body = body.simplified();
    p.setPen(Qt::NoPen);
    p.setBrush(s.fill(bodyColour));
    p.drawPath(body);
    if (!s.shadow) {
        p.setClipPath(body);
        const std::array<double, 4> at = {-19, -10, -2, 16};
        for (std::size_t i = 0; i < 4; ++i) {
            p.setBrush(bands[i]);
            p.drawRect(QRectF(at[i], -10, i == 3 ? 4 : 4.5, 20));
        }
        // The cylinder's light and shade.
        QLinearGradient shade(0, -9, 0, 9);
        shade.setColorAt(0.0, QColor(0, 0, 0, 90));
        shade.setColorAt(0.25, QColor(255, 255, 255, 120));
        shade.setColorAt(0.45, QColor(255, 255, 255, 0));
        shade.setColorAt(1.0, QColor(0, 0, 0, 150));
        p.setBrush(shade);
        p.drawRect(QRectF(-30, -10, 60, 20));
    }
    p.restore();
}

// An electrolytic capacitor seen from above: sleeve, polarity stripe and the scored can top.
void electrolytic(QPainter &p, const Scene &s, QPointF centre, double radius, const QColor &sleeve)
{
    p.setPen(Qt::NoPen);
    if (s.shadow) {
        p.setBrush(Qt::black);
        p.drawEllipse(centre, radius, radius);
        return;
    }
    QRadialGradient wrap(centre - QPointF(radius * 0.3, radius * 0.35), radius * 1.3);
    wrap.setColorAt(0.0, sleeve.lighter(170));
    wrap.setColorAt(0.6, sleeve);
    wrap.setColorAt(1.0, sleeve.darker(220));
    p.setBrush(wrap);
    p.drawEllipse(centre, radius, radius);
    // Polarity stripe on the minus side.
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setBrush(QColor(186, 190, 204));
    p.drawPie(box, 200 * 16, 40 * 16);
    p.setBrush(QColor(40, 40, 60));
    for (int k = 0; k < 3; ++k) {
        p.drawPie(box.adjusted(1, 1, -1, -1), (205 + k * 12) * 16, 5 * 16);
    }
    const double top = radius * 0.78;
    QRadialGradient metal(centre - QPointF(top * 0.35, top * 0.4), top * 1.5);
    metal.setColorAt(0.0, QColor(250, 250, 252));
    metal.setColorAt(0.45, QColor(196, 198, 204));
    metal.setColorAt(1.0, QColor(110, 112, 120));
    p.setBrush(metal);
    p.drawEllipse(centre, top, top);
    // The pressure vent scored into the can.
    p.setPen(QPen(QColor(120, 122, 130), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 3; ++k) {
        const double angle = (90 + k * 120) * std::numbers::pi / 180.0;
        p.drawLine(centre, centre + QPointF(std::cos(angle), -std::sin(angle)) * top * 0.7);
    }
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - top + 2, centre.y() - top + 2, 2 * top - 4, 2 * top - 4),
              100 * 16, 80 * 16);
}

void ceramicDisc(QPainter &p, const Scene &s, QPointF centre, const QString &code)
{
    p.setPen(QPen(s.shadow ? QColor(Qt::black) : QColor(172, 172, 168), 1.8));
    p.drawLine(centre + QPointF(-5, 4), centre + QPointF(-5, 14));
    p.drawLine(centre + QPointF(5, 4), centre + QPointF(5, 14));
    QRadialGradient glaze(centre - QPointF(4, 4), 16);
    glaze.setColorAt(0.0, QColor(246, 178, 96));
    glaze.setColorAt(0.55, QColor(206, 118, 42));
    glaze.setColorAt(1.0, QColor(120, 60, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(s.fill(glaze));
    p.drawEllipse(centre, 12, 9);
    if (s.shadow) {
        return;
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(70, 34, 10));
    p.drawText(QRectF(centre.x() - 12, centre.y() - 6, 24, 12), Qt::AlignCenter, code);
}

void crystal(QPainter &p, const Scene &s, QRectF body)
{
    QLinearGradient can(body.topLeft(), body.bottomLeft());
    can.setColorAt(0.0, QColor(120, 122, 126));
    can.setColorAt(0.3, QColor(244, 244, 246));
    can.setColorAt(0.65, QColor(170, 172, 176));
    can.setColorAt(1.0, QColor(90, 92, 96));
    p.setPen(Qt::NoPen);
    p.setBrush(s.fill(can));
    p.drawRoundedRect(body, body.height() / 2, body.height() / 2);
    if (s.shadow) {
        return;
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(60, 62, 66));
    p.drawText(body, Qt::AlignCenter, QStringLiteral("16.000"));
}

// A surface-mounted chip part: tinned ends, ceramic or black body.
void smdPart(QPainter &p, const Scene &s, QPointF centre, bool vertical, bool resistorBody)
{
    const QSizeF size = vertical ? QSizeF(7, 13) : QSizeF(13, 7);
    const QRectF body(centre - QPointF(size.width() / 2, size.height() / 2), size);
    p.setPen(Qt::NoPen);
    if (s.shadow) {
        p.setBrush(Qt::black);
        p.drawRect(body);
        return;
    }
    p.setBrush(resistorBody ? QColor(30, 30, 32) : QColor(176, 146, 98));
    p.drawRect(body);
    const QRectF endA = vertical ? QRectF(body.left(), body.top(), body.width(), 3.5)
                                 : QRectF(body.left(), body.top(), 3.5, body.height());
    const QRectF endB =
        vertical ? endA.translated(0, body.height() - 3.5) : endA.translated(body.width() - 3.5, 0);
    drawSquarePad(p, endA);
    drawSquarePad(p, endB);
}

void drawComponents(QPainter &p, const Scene &s)
{
    dipChip(p, s, QRectF(128, 34, 150, 48), 14, QStringLiteral("74HC595N"));
    quadChip(p, s, QRectF(34, 150, 72, 72), 11, QStringLiteral("80C51"));

    const QColor beige(214, 190, 146);
    const QColor blue(96, 150, 196);
    resistor(p, s, QPointF(150, 128), QPointF(236, 128),
             {QColor(150, 80, 30), QColor(20, 20, 20), QColor(200, 40, 30), QColor(212, 170, 40)},
             beige);
    resistor(
        p, s, QPointF(150, 154), QPointF(236, 154),
        {QColor(230, 200, 40), QColor(120, 60, 160), QColor(150, 80, 30), QColor(212, 170, 40)},
        beige);
    resistor(
        p, s, QPointF(150, 180), QPointF(236, 180),
        {QColor(200, 40, 30), QColor(200, 40, 30), QColor(230, 120, 30), QColor(190, 190, 196)},
        blue);
    resistor(p, s, QPointF(372, 150), QPointF(372, 250),
             {QColor(40, 110, 200), QColor(60, 160, 70), QColor(20, 20, 20), QColor(150, 80, 30)},
             blue);

    electrolytic(p, s, QPointF(328, 72), 40, QColor(24, 36, 110));
    electrolytic(p, s, QPointF(292, 214), 30, QColor(28, 28, 32));
    electrolytic(p, s, QPointF(68, 60), 22, QColor(24, 36, 110));

    ceramicDisc(p, s, QPointF(172, 228), QStringLiteral("104"));
    ceramicDisc(p, s, QPointF(212, 250), QStringLiteral("22"));
    crystal(p, s, QRectF(132, 262, 60, 20));

    smdPart(p, s, QPointF(124, 170), true, true);
    smdPart(p, s, QPointF(124, 196), true, false);
    smdPart(p, s, QPointF(70, 246), false, true);
    smdPart(p, s, QPointF(96, 262), false, false);
    smdPart(p, s, QPointF(20, 130), true, false);
    smdPart(p, s, QPointF(254, 280), false, true);
}

void drawCopperAndSilk(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    // Pins of the large chip run to the parts below and off the board's edges.
    for (int i = 0; i < 14; ++i) {
        const double x = 128 + (150.0 / 14) * (i + 0.5);
        drawTrace(p, route(QPointF(x, 26), QPointF(x - 30 + i * 2, -4), false), 2.4);
        if (i % 3 == 0) {
            drawTrace(p, route(QPointF(x, 90), QPointF(100 + i * 6, 140), false), 2.4);
        }
    }
    drawTrace(p, route(QPointF(150, 128), QPointF(106, 160), true), 3.0);
    drawTrace(p, route(QPointF(150, 154), QPointF(112, 186), true), 3.0);
    drawTrace(p, route(QPointF(236, 128), QPointF(300, 110), true), 3.0);
    drawTrace(p, route(QPointF(236, 154), QPointF(292, 214), true), 3.0);
    drawTrace(p, route(QPointF(236, 180), QPointF(372, 250), true), 3.0);
    drawTrace(p, route(QPointF(372, 150), QPointF(400, 120), false), 4.0);
    drawTrace(p, route(QPointF(292, 214), QPointF(400, 290), true), 5.0);
    drawTrace(p, route(QPointF(172, 242), QPointF(60, 300), true), 2.4);
    drawTrace(p, route(QPointF(212, 264), QPointF(250, 300), false), 2.4);
    drawTrace(p, route(QPointF(132, 272), QPointF(70, 246), true), 2.4);
    drawTrace(p, route(QPointF(30, 186), QPointF(0, 230), true), 2.4);
    drawTrace(p, route(QPointF(68, 60), QPointF(0, 100), false), 4.0);
    drawTrace(p, route(QPointF(328, 72), QPointF(400, 20), true), 5.0);
    for (int k = 0; k < 6; ++k) {
        drawTrace(p, route(QPointF(248, 200 + k * 7), QPointF(400, 190 + k * 9), true), 1.8);
    }
    // Pads and vias.
    for (int i = 0; i < 14; ++i) {
        const double x = 128 + (150.0 / 14) * (i + 0.5);
        drawPad(p, QPointF(x, 26), 3.6, true);
        drawPad(p, QPointF(x, 90), 3.6, true);
    }
    for (const QPointF pad :
         {QPointF(150, 128), QPointF(236, 128), QPointF(150, 154), QPointF(236, 154),
          QPointF(150, 180), QPointF(236, 180), QPointF(372, 150), QPointF(372, 250)}) {
        drawPad(p, pad, 4.8, true);
    }
    for (int i = 0; i < 9; ++i) {
        drawVia(p, QPointF(randomInt(8, 392), randomInt(100, 292)));
    }
    for (const QPointF via : {QPointF(106, 160), QPointF(112, 186), QPointF(300, 110),
                              QPointF(60, 290), QPointF(250, 112), QPointF(16, 20)}) {
        drawVia(p, via);
    }
    // Mounting hole.
    drawPad(p, QPointF(16, 284), 11, false);
    p.setBrush(QColor(14, 16, 14));
    p.drawEllipse(QPointF(16, 284), 6.5, 6.5);

    // Silkscreen.
    silkRect(p, QRectF(124, 30, 158, 56));
    silkText(p, QPointF(130, 100), QStringLiteral("IC1"));
    silkRect(p, QRectF(26, 142, 88, 88));
    silkText(p, QPointF(30, 240), QStringLiteral("IC2"));
    silkText(p, QPointF(186, 119), QStringLiteral("R1"));
    silkText(p, QPointF(186, 145), QStringLiteral("R2"));
    silkText(p, QPointF(186, 197), QStringLiteral("R3"));
    silkText(p, QPointF(380, 204), QStringLiteral("R4"));
    silkText(p, QPointF(330, 125), QStringLiteral("C1"));
    silkText(p, QPointF(252, 186), QStringLiteral("C2"));
    silkText(p, QPointF(92, 40), QStringLiteral("C3"));
    silkText(p, QPointF(150, 246), QStringLiteral("C4"));
    silkText(p, QPointF(228, 246), QStringLiteral("C5"));
    silkText(p, QPointF(200, 276), QStringLiteral("Q1"));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kSilk, 1.2));
    p.drawEllipse(QPointF(328, 72), 43, 43);
    p.drawEllipse(QPointF(292, 214), 33, 33);
    p.drawEllipse(QPointF(68, 60), 25, 25);
    silkText(p, QPointF(290, 292), QStringLiteral("TSK-3.0"), 7.5);
}

// Macro look: the board is sharp in a band across the middle and softens towards the top and
// bottom edges, with a little vignetting.
QImage focusAndLight(const QImage &sharp)
{
    const QImage soft = blurred(sharp, 2);
    QImage out(sharp.size(), QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        const double distance = std::abs(y - kHeight * 0.55) / (kHeight * 0.5);
        const double mix = std::clamp((distance - 0.55) / 0.4, 0.0, 1.0);
        for (int x = 0; x < kWidth; ++x) {
            const QRgb a = sharp.pixel(x, y);
            const QRgb b = soft.pixel(x, y);
            const double dx = (x - kWidth / 2.0) / (kWidth / 2.0);
            const double dy = (y - kHeight / 2.0) / (kHeight / 2.0);
            const double light = 1.06 - 0.28 * (dx * dx + dy * dy) / 2.0;
            auto channel = [&](int ca, int cb) {
                return std::clamp(int(std::lround((ca * (1 - mix) + cb * mix) * light)), 0, 255);
            };
            out.setPixel(x, y,
                         qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
                              channel(qBlue(a), qBlue(b))));
        }
    }
    return out;
}

// Median cut to 256 colours, then Floyd-Steinberg dithering onto that palette.
QImage toIndexed256(const QImage &image)
{
    struct Box
    {
        std::vector<QRgb> pixels;
    };
    std::vector<Box> boxes(1);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            boxes[0].pixels.push_back(image.pixel(x, y));
        }
    }
    auto range = [](const Box &box, int channel) {
        int low = 255;
        int high = 0;
        for (QRgb c : box.pixels) {
            const int v = channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c);
            low = std::min(low, v);
            high = std::max(high, v);
        }
        return high - low;
    };
    while (boxes.size() < 256) {
        std::size_t widest = 0;
        int widestRange = -1;
        int widestChannel = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].pixels.size() < 2) {
                continue;
            }
            for (int ch = 0; ch < 3; ++ch) {
                // Weight by population so that large areas get finer shades.
                const int r = range(boxes[i], ch) * int(std::sqrt(double(boxes[i].pixels.size())));
                if (r > widestRange) {
                    widestRange = r;
                    widest = i;
                    widestChannel = ch;
                }
            }
        }
        if (widestRange <= 0) {
            break;
        }
        auto &pixels = boxes[widest].pixels;
        auto key = [widestChannel](QRgb c) {
            return widestChannel == 0 ? qRed(c) : widestChannel == 1 ? qGreen(c) : qBlue(c);
        };
        std::sort(pixels.begin(), pixels.end(), [&](QRgb a, QRgb b) { return key(a) < key(b); });
        Box upper;
        upper.pixels.assign(pixels.begin() + long(pixels.size() / 2), pixels.end());
        pixels.resize(pixels.size() / 2);
        boxes.push_back(std::move(upper));
    }
    QList<QRgb> palette;
    for (const Box &box : boxes) {
        long r = 0;
        long g = 0;
        long b = 0;
        for (QRgb c : box.pixels) {
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
        const long n = std::max<long>(1, long(box.pixels.size()));
        palette.append(qRgb(int(r / n), int(g / n), int(b / n)));
    }

    const int w = image.width();
    const int h = image.height();
    std::vector<std::array<double, 3>> work(std::size_t(w * h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            work[std::size_t(y * w + x)] = {double(qRed(c)), double(qGreen(c)), double(qBlue(c))};
        }
    }
    QImage out(w, h, QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            auto &px = work[std::size_t(y * w + x)];
            int best = 0;
            double bestDistance = 1e18;
            for (int i = 0; i < palette.size(); ++i) {
                const double dr = px[0] - qRed(palette[i]);
                const double dg = px[1] - qGreen(palette[i]);
                const double db = px[2] - qBlue(palette[i]);
                const double d = dr * dr + dg * dg + db * db;
                if (d < bestDistance) {
                    bestDistance = d;
                    best = i;
                }
            }
            out.setPixel(x, y, uint(best));
            const std::array<double, 3> error = {px[0] - qRed(palette[best]),
                                                 px[1] - qGreen(palette[best]),
                                                 px[2] - qBlue(palette[best])};
            auto spread = [&](int nx, int ny, double weight) {
                if (nx < 0 || nx >= w || ny >= h) {
                    return;
                }
                auto &target = work[std::size_t(ny * w + nx)];
                for (std::size_t ch = 0; ch < 3; ++ch) {
                    target[ch] += error[ch] * weight;
                }
            };
            spread(x + 1, y, 7.0 / 16);
            spread(x - 1, y + 1, 3.0 / 16);
            spread(x, y + 1, 5.0 / 16);
            spread(x + 1, y + 1, 1.0 / 16);
        }
    }
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: circuitboard OUTPUT.png\n";
        return 2;
    }

    QImage board(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&board);
        drawBoard(p);
        drawCopperAndSilk(p);
    }

    QImage shadowLayer(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    shadowLayer.fill(Qt::transparent);
    {
        QPainter p(&shadowLayer);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(4, 5);
        drawComponents(p, Scene{true});
    }
    shadowLayer = blurred(shadowLayer, 2);

    {
        QPainter p(&board);
        p.setRenderHint(QPainter::Antialiasing);
        p.setOpacity(0.6);
        p.drawImage(0, 0, shadowLayer);
        p.setOpacity(1.0);
        drawComponents(p, Scene{false});
    }

    const QImage indexed = toIndexed256(focusAndLight(board));
    if (!indexed.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        QTextStream(stderr) << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
