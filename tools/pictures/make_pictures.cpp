// Draws the four pictures stored with the application and writes them as PNG files into the
// folder given as the only argument, each also at four times its size ("@4x" before the suffix)
// for paper and scaled screens: 288 dots to the inch on the printed page. The drawing depends only
// on this code and on the DejaVu fonts, so the files come out the same on every run.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <utility>

namespace {

const QColor kOrange(0xFE, 0x7F, 0x0F);
const QColor kLightOrange(0xFF, 0x99, 0x33);
const QColor kDarkOrange(0xC8, 0x5A, 0x00);
const QColor kInk(0x33, 0x33, 0x33);
const QColor kGrey(0x88, 0x88, 0x88);

// How many pixels of the high-resolution variants stand for one pixel of the plain pictures.
constexpr int kDetail = 4;

// A picture of the given size at the given scale. Its painter (see Scaled) draws in the plain
// picture's pixels whatever the scale.
QImage Blank(int width, int height, QColor fill, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

void Scaled(QPainter& p, int scale) {
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
}

QFont Font(int pixelSize, bool bold, bool italic = false) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The main window's banner: the title on an orange band, with a small scree-plot mark. The band
// ends well above the picture's foot: the window's byline stands there, from y 39 down.
QImage MainTitle(int scale) {
    QImage image = Blank(466, 47, Qt::white, scale);
    QPainter p(&image);
    Scaled(p, scale);

    QRectF band(1, 2, 464, 35);
    QLinearGradient gradient(band.topLeft(), band.topRight());
    gradient.setColorAt(0.0, kOrange);
    gradient.setColorAt(1.0, kLightOrange);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRoundedRect(band, 6, 6);

    // The mark: three falling bars.
    p.setBrush(QColor(255, 255, 255, 230));
    const int heights[] = {21, 12, 7};
    for (int i = 0; i < 3; ++i) {
        p.drawRect(QRectF(14 + i * 8, 30 - heights[i], 6, heights[i]));
    }

    p.setFont(Font(23, true));
    p.setPen(QColor(0, 0, 0, 40));
    p.drawText(QRectF(47, 3, 300, 35), Qt::AlignLeft | Qt::AlignVCenter, "Vantrex Analysis");
    p.setPen(Qt::white);
    p.drawText(QRectF(46, 2, 300, 35), Qt::AlignLeft | Qt::AlignVCenter, "Vantrex Analysis");

    p.setFont(Font(12, false, true));
    p.drawText(QRectF(260, 2, 194, 35), Qt::AlignRight | Qt::AlignVCenter,
               "parallel analysis criteria");
    return image;
}

// The help button: a round orange button with a white question mark.
QImage Quest(int scale) {
    QImage image = Blank(38, 23, Qt::transparent, scale);
    QPainter p(&image);
    Scaled(p, scale);
    QRectF circle(8.5, 0.5, 21, 21);
    QRadialGradient gradient(circle.center() - QPointF(3, 4), 14);
    gradient.setColorAt(0.0, kLightOrange);
    gradient.setColorAt(1.0, kOrange);
    p.setPen(QPen(kDarkOrange, 1));
    p.setBrush(gradient);
    p.drawEllipse(circle);
    p.setPen(Qt::white);
    p.setFont(Font(16, true));
    p.drawText(circle.adjusted(0, 0, 0, 0), Qt::AlignCenter, "?");
    return image;
}

// The About window's picture: a small scree plot. The eigenvalues of real data fall steeply; the
// random eigenvalues of parallel analysis fall gently and cross them.
QImage Parallel(int scale) {
    QImage image = Blank(147, 115, Qt::white, scale);
    QPainter p(&image);
    Scaled(p, scale);

    const QRectF plot(16, 8, 124, 92);
    p.setPen(QPen(kGrey, 1));
    p.drawLine(QPointF(plot.left(), plot.top()), QPointF(plot.left(), plot.bottom()));
    p.drawLine(QPointF(plot.left(), plot.bottom()), QPointF(plot.right(), plot.bottom()));
    for (int i = 1; i <= 8; ++i) {
        double x = plot.left() + i * plot.width() / 8.5;
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
    }

    const double actual[] = {4.6, 2.3, 1.45, 0.95, 0.72, 0.56, 0.45, 0.38};
    const double random[] = {1.62, 1.42, 1.28, 1.16, 1.06, 0.97, 0.89, 0.81};
    auto point = [&](int i, double value) {
        return QPointF(plot.left() + (i + 1) * plot.width() / 8.5,
                       plot.bottom() - value / 5.0 * plot.height());
    };

    QPainterPath randomLine;
    QPainterPath actualLine;
    for (int i = 0; i < 8; ++i) {
        if (i == 0) {
            randomLine.moveTo(point(i, random[i]));
            actualLine.moveTo(point(i, actual[i]));
        } else {
            randomLine.lineTo(point(i, random[i]));
            actualLine.lineTo(point(i, actual[i]));
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 1.4, Qt::DashLine));
    p.drawPath(randomLine);
    p.setPen(QPen(kOrange, 2.2));
    p.drawPath(actualLine);

    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        p.setBrush(kInk);
        QPointF r = point(i, random[i]);
        p.drawRect(QRectF(r.x() - 2, r.y() - 2, 4, 4));
        p.setBrush(kOrange);
        p.drawEllipse(point(i, actual[i]), 3, 3);
    }

    p.setFont(Font(8, false));
    p.setPen(kGrey);
    p.drawText(QRectF(plot.left(), plot.bottom() + 3, plot.width(), 12), Qt::AlignCenter,
               "eigenvalue number");
    return image;
}

// The About window's title: the name in orange over a thin rule.
QImage SplashTitle(int scale) {
    QImage image = Blank(244, 30, Qt::white, scale);
    QPainter p(&image);
    Scaled(p, scale);
    p.setFont(Font(20, true));
    p.setPen(kOrange);
    p.drawText(QRectF(0, 2, 244, 24), Qt::AlignCenter, "Vantrex Analysis");
    QLinearGradient rule(QPointF(20, 0), QPointF(224, 0));
    rule.setColorAt(0.0, QColor(0xFF, 0x99, 0x33, 0));
    rule.setColorAt(0.5, kLightOrange);
    rule.setColorAt(1.0, QColor(0xFF, 0x99, 0x33, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(rule);
    p.drawRect(QRectF(20, 27, 204, 1.5));
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    struct Output {
        const char* name;
        QImage (*draw)(int scale);
    };
    const Output outputs[] = {{"MainTitle", MainTitle},
                              {"quest", Quest},
                              {"Parallel", Parallel},
                              {"SplashTitle", SplashTitle}};
    for (const Output& output : outputs) {
        for (auto [scale, suffix] : {std::pair{1, QString(".png")},
                                     std::pair{kDetail, QString("@%1x.png").arg(kDetail)}}) {
            QString path = folder + "/" + output.name + suffix;
            if (!output.draw(scale).save(path, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    return 0;
}
