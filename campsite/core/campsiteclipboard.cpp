#include "campsiteclipboard.h"

#include "campsitestream.h"
#include "objectstreamerror.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtEndian>

namespace {

// Hands pasted objects on, each brought inside the target first.
class PasteTarget final : public CampsiteReadTarget {
public:
    PasteTarget(CampsiteReadTarget& target, QSize area) : m_target(target), m_area(area) {}

    QString nameForReadObject(const QString& storedName, CampsiteObject::Kind kind) override
    {
        return m_target.nameForReadObject(storedName, kind);
    }

    void addReadObject(CampsiteObject object) override
    {
        object.geometry = CampsiteClipboard::broughtInside(object.geometry, m_area);
        m_target.addReadObject(std::move(object));
    }

private:
    CampsiteReadTarget& m_target;
    QSize m_area;
};

} // namespace

namespace CampsiteClipboard {

QString format()
{
    return QStringLiteral("Dsn_ClipboardFormat");
}

QByteArray block(QByteArrayView stream)
{
    QByteArray block(4, Qt::Uninitialized);
    qToLittleEndian<quint32>(quint32(stream.size()), block.data());
    block.append(stream.data(), stream.size());
    return block;
}

QByteArrayView streamOf(QByteArrayView block)
{
    if (block.size() < 4)
        throw ObjectStreamError::endOfStream();
    const quint32 length = qFromLittleEndian<quint32>(block.data());
    if (length > quint64(block.size() - 4))
        throw ObjectStreamError::endOfStream();
    return block.sliced(4, length);
}

void copy(const QList<const CampsiteObject*>& objects)
{
    auto* data = new QMimeData;
    data->setData(format(), block(CampsiteStream::write(objects)));
    QGuiApplication::clipboard()->setMimeData(data);
}

bool hasObjects()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(format());
}

void paste(CampsiteReadTarget& target, QSize targetSize)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return;
    const QByteArray clipboardBlock = data->data(format());
    PasteTarget pasteTarget(target, targetSize);
    CampsiteStream::read(streamOf(clipboardBlock), pasteTarget, CampsiteStream::Mode::Clipboard);
}

QRect broughtInside(QRect rect, QSize area)
{
    int left = rect.x();
    int top = rect.y();
    if (left > area.width())
        left = area.width() - rect.width();
    if (left < 0)
        left = 0;
    if (top > area.height())
        top = area.height() - rect.height();
    if (top < 0)
        top = 0;
    rect.moveTo(left, top);
    return rect;
}

} // namespace CampsiteClipboard
