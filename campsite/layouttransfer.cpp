#include "layouttransfer.h"

#include "campsiteclipboard.h"
#include "campsitefile.h"
#include "dsn8register.h"
#include "dsnstage.h"

#include <memory>

namespace {

// Objects read in go to the top of the layout area, named by its rule for
// read-in objects.
class StageReadTarget final : public CampsiteReadTarget {
public:
    StageReadTarget(TDsn8Register& designer, TDsnStage& stage)
        : m_designer(designer), m_stage(stage)
    {
    }

    /// The objects added so far, in stream order.
    const QList<CampsiteObject*>& added() const { return m_added; }

    QString nameForReadObject(const QString& storedName, CampsiteObject::Kind kind) override
    {
        const NameRegistry& names = m_stage.campsiteLayout().names();
        if (!storedName.isEmpty() && !names.contains(storedName))
            return storedName;
        return names.firstFreeName(kind == CampsiteObject::Kind::Image ? QStringLiteral("Image")
                                                                       : QStringLiteral("Label"));
    }

    void addReadObject(CampsiteObject object) override
    {
        m_added.append(
            m_designer.addReadInObject(std::make_unique<CampsiteObject>(std::move(object))));
    }

private:
    TDsn8Register& m_designer;
    TDsnStage& m_stage;
    QList<CampsiteObject*> m_added;
};

QList<const CampsiteObject*> constant(const QList<CampsiteObject*>& objects)
{
    return QList<const CampsiteObject*>(objects.begin(), objects.end());
}

} // namespace

void LayoutTransfer::Save(const QString& fileName)
{
    m_designer.clearSelection();
    CampsiteFile::save(fileName, constant(m_designer.objects()));
}

void LayoutTransfer::Load(const QString& fileName)
{
    const bool wasDesigning = m_designer.isDesignMode();
    m_designer.setDesignMode(false);
    const QByteArray contents = CampsiteFile::readContents(fileName);
    m_designer.destroyAllObjects();
    StageReadTarget target(m_designer, m_stage);
    CampsiteFile::readObjects(fileName, contents, target);
    if (wasDesigning)
        m_designer.setDesignMode(true);
}

void LayoutTransfer::Copy()
{
    if (m_designer.selectedObjects().isEmpty())
        return;
    CampsiteClipboard::copy(constant(m_designer.selectedObjects()));
}

void LayoutTransfer::Cut()
{
    if (m_designer.selectedObjects().isEmpty())
        return;
    Copy();
    m_designer.deleteSelection();
}

void LayoutTransfer::Paste()
{
    if (!m_designer.isDesignMode() || !CampsiteClipboard::hasObjects() ||
        !m_designer.selectedObjects().isEmpty())
        return;
    m_designer.clearSelection();
    StageReadTarget target(m_designer, m_stage);
    // Each object joins the selection as it is read; the inspector hears of
    // them together, also when a failure stops the paste.
    const auto selectPasted = [&] {
        m_designer.addToSelection(target.added());
        m_designer.refresh();
    };
    try {
        CampsiteClipboard::paste(target, m_stage.size());
    } catch (...) {
        selectPasted();
        throw;
    }
    selectPasted();
}
