#include "settingsfile.h"

#include "failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

// Keys and values are bytes as they stand; no wide-character interface is needed.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <string>

namespace {

enum class Load { Missing, Loaded, Unreadable };

Load load(const QString& path, CSimpleIniA& ini)
{
    ini.SetSpaces(false);
    ini.SetMultiKey(false);
    ini.SetMultiLine(false);
    QFile file(path);
    if (!file.exists())
        return Load::Missing;
    if (!file.open(QIODevice::ReadOnly) || file.size() > SettingsFile::kMaxFileSize)
        return Load::Unreadable;
    const QByteArray bytes = file.read(SettingsFile::kMaxFileSize + 1);
    if (bytes.size() > SettingsFile::kMaxFileSize)
        return Load::Unreadable;
    if (ini.LoadData(bytes.constData(), static_cast<size_t>(bytes.size())) < 0)
        return Load::Unreadable;
    return Load::Loaded;
}

QByteArray four(QPoint a, QPoint b)
{
    return QStringLiteral("%1,%2,%3,%4").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y()).toLatin1();
}

} // namespace

SettingsFile::SettingsFile()
    : SettingsFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                   QLatin1Char('/') + QLatin1String(kFileName))
{
}

SettingsFile::SettingsFile(QString path) : m_path(std::move(path)) {}

std::optional<SettingsFile::Restored> SettingsFile::restore() const
{
    CSimpleIniA ini;
    load(m_path, ini);
    if (ini.GetLongValue(kSection, "FormVersion", 0) < 0)
        return std::nullopt;

    Restored restored;
    switch (ini.GetLongValue(kSection, "ShowCmd", 0)) {
    case 2:
    case 6:
    case 7:
        restored.showState = 2;
        break;
    case 3:
        restored.showState = 3;
        break;
    default:
        restored.showState = 1;
        break;
    }
    if (const char* value = ini.GetValue(kSection, kPreferenceKey, nullptr)) {
        const QString text = QString::fromLatin1(value).trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            restored.showWelcome = true;
        else if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            restored.showWelcome = false;
    }
    return restored;
}

void SettingsFile::save(const Saved& values) const
{
    const Failure unableToWrite(
        QStringLiteral("Unable to write to %1").arg(QLatin1String(kFileName)));

    CSimpleIniA ini;
    // A file we cannot read whole is not replaced: what it holds would be lost.
    if (load(m_path, ini) == Load::Unreadable)
        throw unableToWrite;

    const QByteArray suffix = QStringLiteral("(%1x%2)")
                                  .arg(values.screenSize.width())
                                  .arg(values.screenSize.height())
                                  .toLatin1();
    const QByteArray minMax = four(values.minPosition, values.maxPosition);
    const QRect& r = values.normalRect;
    const QByteArray normal = four(r.topLeft(), QPoint(r.x() + r.width(), r.y() + r.height()));

    const auto set = [&](const QByteArray& key, const QByteArray& value) {
        ini.SetValue(kSection, key.constData(), value.constData());
    };
    set("FormVersion", "0");
    set("Flags", QByteArray::number(values.flags));
    set("ShowCmd", QByteArray::number(values.showCmd));
    set("PixelsPerInch", QByteArray::number(values.pixelsPerInch));
    set("MinMaxPos" + suffix, minMax);
    set("MinMaxPos", minMax);
    set("NormPos" + suffix, normal);
    set("NormPos", normal);
    set("Visible", values.visible ? "1" : "0");
    set(kPreferenceKey, values.showWelcome ? "True" : "False");

    std::string text;
    if (ini.Save(text) < 0)
        throw unableToWrite;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit())
        throw unableToWrite;
}
