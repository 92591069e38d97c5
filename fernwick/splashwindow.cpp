#include "splashwindow.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace fernwick {

namespace {
constexpr QSize kCardSize(420, 240);
const char* const kMakerNotice = "Fernwick Scout Software \u00a9 2026. All rights reserved.";
} // namespace

SplashWindow::SplashWindow(const QString& programName)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_programName(programName)
{
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    setFixedSize(kCardSize);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    qApp->installEventFilter(this);
}

SplashWindow::~SplashWindow() { qApp->removeEventFilter(this); }

bool SplashWindow::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
        emit dismissed();
        return true; // the dismissing press is not passed on
    default:
        return false;
    }
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card = rect();

    // evening sky over a green hill, with a small tent
    QLinearGradient sky(card.topLeft(), card.bottomLeft());
    sky.setColorAt(0, QColor(28, 52, 96));
    sky.setColorAt(1, QColor(236, 150, 80));
    p.fillRect(card, sky);
    QPainterPath hill;
    hill.moveTo(0, card.height());
    hill.cubicTo(card.width() * 0.3, card.height() * 0.62, card.width() * 0.7, card.height() * 0.7,
                 card.width(), card.height() * 0.78);
    hill.lineTo(card.width(), card.height());
    hill.closeSubpath();
    p.fillPath(hill, QColor(34, 110, 50));
    QPolygonF tent;
    tent << QPointF(300, 210) << QPointF(345, 150) << QPointF(390, 210);
    p.setPen(QPen(QColor(60, 40, 20), 2));
    p.setBrush(QColor(230, 200, 120));
    p.drawPolygon(tent);
    p.setBrush(QColor(90, 60, 30));
    p.drawPolygon(QPolygonF() << QPointF(335, 210) << QPointF(345, 178) << QPointF(355, 210));

    p.setPen(Qt::white);
    QFont title("Liberation Serif", 30, QFont::Bold);
    p.setFont(title);
    p.drawText(QRectF(24, 30, card.width() - 48, 60), Qt::AlignLeft | Qt::AlignVCenter,
               m_programName);
    QFont notice("Liberation Sans", 9);
    p.setFont(notice);
    p.drawText(QRectF(24, 92, card.width() - 48, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8(kMakerNotice));
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(card.adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace fernwick
