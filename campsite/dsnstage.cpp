#include "dsnstage.h"

#include "dsn8register.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

namespace {
// Drawn pictures kept at once; a layout rarely has more distinct picture sizes.
constexpr int kPictureCacheLimit = 512;
// Pictures stretched larger than this many pixels are scaled while drawing,
// clipped to what shows, instead of being kept at their full size.
constexpr qint64 kLargestCachedPicture = 2048 * 2048;

// The picture with every pixel of the bottom-left pixel's colour left out.
QImage withoutTransparentColour(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    const QRgb ground = image.pixel(0, image.height() - 1) | 0xff000000u;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] | 0xff000000u) == ground)
                line[x] = 0;
    }
    return image;
}
} // namespace

TDsnStage::TDsnStage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

TDsnStage::~TDsnStage() = default;

void TDsnStage::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void TDsnStage::setColor(const QColor& color)
{
    m_color = color;
    update();
}

bool TDsnStage::designerActive() const
{
    return m_designer && m_designer->isDesignMode();
}

bool TDsnStage::event(QEvent* event)
{
    // An object with a hint of its own shows it; elsewhere the area's hint.
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const CampsiteObject* object = m_layout.objectAt(help->pos());
        const QString hint = object && !object->hint.isEmpty() ? object->hint : toolTip();
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, this);
        return true;
    }
    return QWidget::event(event);
}

void TDsnStage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    paintContent(painter, event->rect());
    if (m_designer)
        m_designer->paintOverlay(painter);
}

void TDsnStage::paintContent(QPainter& painter, const QRect& clip)
{
    painter.fillRect(clip, m_color);
    // A raised bevel, as the panel it stands for.
    const QRect edge = rect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
    painter.setFont(font());
    painter.setPen(Qt::black);
    painter.drawText(rect(), Qt::AlignCenter, m_caption);

    for (const auto& object : m_layout.objects()) {
        const QRect& r = object->geometry;
        if (r.width() <= 0 || r.height() <= 0 || !clip.intersects(r))
            continue;
        if (object->isImage())
            paintImage(painter, *object);
        else
            paintLabel(painter, *object);
    }
}

const QPixmap& TDsnStage::drawnPicture(const CampsiteObject& image, QSize size)
{
    const QImage picture = image.picture.image();
    const PictureKey key{picture.cacheKey(), image.transparent, size};
    auto found = m_pictures.constFind(key);
    if (found != m_pictures.constEnd())
        return *found;
    if (m_pictures.size() >= kPictureCacheLimit)
        m_pictures.clear();
    QImage drawn = image.transparent ? withoutTransparentColour(picture) : picture;
    // Enlarged pixel for pixel, as a stretched bitmap is; shrunk smoothly, so
    // that a tent stays a tent at 20 x 20.
    if (drawn.size() != size) {
        const bool shrinking = size.width() < drawn.width() && size.height() < drawn.height();
        drawn = drawn.scaled(size, Qt::IgnoreAspectRatio,
                             shrinking ? Qt::SmoothTransformation : Qt::FastTransformation);
    }
    return *m_pictures.insert(key, QPixmap::fromImage(drawn));
}

void TDsnStage::paintImage(QPainter& painter, const CampsiteObject& image)
{
    if (image.picture.isNull())
        return;
    const QSize size = image.stretch ? image.geometry.size() : image.picture.image().size();
    if (qint64(size.width()) * size.height() > kLargestCachedPicture) {
        painter.drawPixmap(image.geometry, drawnPicture(image, image.picture.image().size()));
        return;
    }
    const QPixmap& picture = drawnPicture(image, size);
    if (image.stretch) {
        painter.drawPixmap(image.geometry.topLeft(), picture);
    } else {
        const QRect shown = QRect(image.geometry.topLeft(), picture.size()) & image.geometry;
        painter.drawPixmap(shown.topLeft(), picture, QRect(QPoint(0, 0), shown.size()));
    }
}

void TDsnStage::paintLabel(QPainter& painter, const CampsiteObject& label)
{
    // A label is not transparent: it covers what lies beneath in the area's colour.
    painter.fillRect(label.geometry, m_color);
    painter.setPen(Qt::black);
    painter.save();
    painter.setClipRect(label.geometry, Qt::IntersectClip);
    painter.drawText(label.geometry.x(), label.geometry.y() + painter.fontMetrics().ascent(),
                     label.caption);
    painter.restore();
}

void TDsnStage::mousePressEvent(QMouseEvent* event)
{
    if (designerActive())
        m_designer->stageMousePress(event);
}

void TDsnStage::mouseMoveEvent(QMouseEvent* event)
{
    if (designerActive())
        m_designer->stageMouseMove(event);
}

void TDsnStage::mouseReleaseEvent(QMouseEvent* event)
{
    if (designerActive())
        m_designer->stageMouseRelease(event);
}

void TDsnStage::keyPressEvent(QKeyEvent* event)
{
    if (designerActive())
        m_designer->stageKeyPress(event);
    else
        QWidget::keyPressEvent(event);
}

void TDsnStage::keyReleaseEvent(QKeyEvent* event)
{
    if (designerActive())
        m_designer->stageKeyRelease(event);
    else
        QWidget::keyReleaseEvent(event);
}
