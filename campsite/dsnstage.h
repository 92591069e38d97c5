#pragma once

#include "campsitelayout.h"

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QWidget>

class TDsn8Register;

/// The layout area: a panel that holds and draws the campsite objects, over
/// its own colour and centred caption. While its designer is in design mode,
/// the designer takes all of its mouse and key input and draws its grab
/// handles and drag outlines over the objects; otherwise the objects are
/// inert pictures and labels.
class TDsnStage : public QWidget {
    Q_OBJECT
public:
    /// The drag outlines' look and the snap grid.
    struct RubberbandSettings {
        QColor Color{128, 128, 128};
        int PenWidth = 2;
        int MoveWidth = 8;  ///< horizontal grid step
        int MoveHeight = 8; ///< vertical grid step
    } Rubberband;

    explicit TDsnStage(QWidget* parent = nullptr);
    ~TDsnStage() override;

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QColor color() const { return m_color; }
    void setColor(const QColor& color);

    /// The objects, in creation order, with the window's names.
    CampsiteLayout& campsiteLayout() { return m_layout; }
    const CampsiteLayout& campsiteLayout() const { return m_layout; }

    void setDesigner(TDsn8Register* designer) { m_designer = designer; }

    /// Draws the area's colour, caption and the objects that meet \a clip.
    void paintContent(QPainter& painter, const QRect& clip);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void paintImage(QPainter& painter, const CampsiteObject& image);
    void paintLabel(QPainter& painter, const CampsiteObject& label);
    bool designerActive() const;

    struct PictureKey {
        qint64 image;
        bool transparent;
        QSize size;
        friend bool operator==(const PictureKey&, const PictureKey&) = default;
        friend size_t qHash(const PictureKey& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.image, key.transparent, key.size.width(),
                              key.size.height());
        }
    };
    /// The picture as drawn at \a size, with the transparent colour left out if asked.
    const QPixmap& drawnPicture(const CampsiteObject& image, QSize size);

    QString m_caption;
    QColor m_color{0, 255, 0};
    CampsiteLayout m_layout;
    TDsn8Register* m_designer = nullptr;
    QHash<PictureKey, QPixmap> m_pictures;
};
