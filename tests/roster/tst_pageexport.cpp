#include "emfwriter.h"
#include "failure.h"
#include "pageexport.h"
#include "pagefilename.h"
#include "pagelayout.h"
#include "rosterdocument.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <cstring>

namespace {

/// A roster of three pages at 100 dpi: a bold title, an underlined heading and numbered lines.
PageLayout::Pages threePages()
{
    QTextDocument document;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(12);
    document.setDefaultFont(font);
    RosterDocument roster(&document);
    roster.setStyle(RosterDocument::Bold);
    roster.appendLine(QStringLiteral("Roster Title"));
    roster.setStyle(RosterDocument::Underline);
    roster.appendLine(QStringLiteral("Meals"));
    roster.setStyle({});
    for (int i = 1; i <= 120; ++i)
        roster.appendLine(QStringLiteral("Line %1 Zoë").arg(i));
    PageLayout::Result result =
        PageLayout::paginate(document, TTextOptions(), [] { return PageMetrics::letterAt(100); });
    return std::move(result.pages);
}

/// A little-endian number of \a bytes bytes at \a at.
quint32 littleEndian(const QByteArray& data, qsizetype at, int bytes = 4)
{
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | uchar(data.at(at + i));
    return value;
}

struct EmfRecord {
    quint32 type;
    QByteArray bytes; ///< the whole record
    quint32 u32(int offset) const { return littleEndian(bytes, offset); }
    qint32 s32(int offset) const { return qint32(littleEndian(bytes, offset)); }
    float f32(int offset) const
    {
        const quint32 bits = u32(offset);
        float value;
        std::memcpy(&value, &bits, 4);
        return value;
    }
    QString utf16(int offset, int units) const
    {
        QString text;
        for (int i = 0; i < units; ++i)
            text += QChar(char16_t(littleEndian(bytes, offset + 2 * i, 2)));
        return text;
    }
};

/// Splits a metafile into its records, checking each one's size on the way.
QList<EmfRecord> records(const QByteArray& emf)
{
    QList<EmfRecord> list;
    qsizetype at = 0;
    while (at + 8 <= emf.size()) {
        const quint32 type = littleEndian(emf, at);
        const quint32 size = littleEndian(emf, at + 4);
        if (size < 8 || size % 4 != 0 || at + size > emf.size()) {
            qWarning() << "bad record size" << size << "at" << at;
            return {};
        }
        list.append({type, emf.mid(at, size)});
        at += size;
    }
    if (at != emf.size())
        return {};
    return list;
}

/// The quantization tables' entries of a JPEG file.
QList<int> quantizationEntries(const QByteArray& jpeg)
{
    QList<int> entries;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && uchar(jpeg[at]) == 0xFF) {
        const uchar marker = uchar(jpeg[at + 1]);
        const int length = (uchar(jpeg[at + 2]) << 8) | uchar(jpeg[at + 3]);
        if (marker == 0xDB) {
            qsizetype p = at + 4;
            while (p < at + 2 + length) {
                const bool wide = (uchar(jpeg[p]) >> 4) != 0;
                ++p;
                for (int i = 0; i < 64; ++i, p += wide ? 2 : 1)
                    entries.append(wide ? (uchar(jpeg[p]) << 8 | uchar(jpeg[p + 1]))
                                        : uchar(jpeg[p]));
            }
        }
        if (marker == 0xDA)
            break;
        at += 2 + length;
    }
    return entries;
}

} // namespace

Q_DECLARE_METATYPE(PageMetrics)

class TestPageExport : public QObject {
    Q_OBJECT
private slots:
    void fileNames_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("name");
        QTest::newRow("jpeg") << "/home/a/roster.jpg" << 1 << ".JPG"
                              << "/home/a/roster1.JPG";
        QTest::newRow("cut before the first full stop") << "/home/a/camp.2024.WMF" << 12 << ".EMF"
                                                        << "/home/a/camp12.EMF";
        QTest::newRow("folders keep their full stops") << "/home/a.b/roster" << 3 << ".JPG"
                                                       << "/home/a.b/roster3.JPG";
        QTest::newRow("no full stop") << "roster" << 2 << ".EMF"
                                      << "roster2.EMF";
        QTest::newRow("only an extension") << "/tmp/.WMF" << 1 << ".JPG"
                                           << "/tmp/1.JPG";
    }
    void fileNames()
    {
        QFETCH(QString, chosen);
        QFETCH(int, page);
        QFETCH(QString, extension);
        QFETCH(QString, name);
        QCOMPARE(pageFileName(chosen, page, extension), name);
    }

    void jpegFilesArePageBitmapsAtQuality100()
    {
        const PageLayout::Pages pages = threePages();
        QCOMPARE(pages.size(), size_t(3));
        QTemporaryDir dir;
        PageExport::saveAllJpeg(pages, dir.filePath(QStringLiteral("camp.jpg")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("camp1.JPG"), QStringLiteral("camp2.JPG"),
                              QStringLiteral("camp3.JPG")}));
        QFile file(dir.filePath(QStringLiteral("camp2.JPG")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xFF\xD8\xFF"));
        const QList<int> quantization = quantizationEntries(bytes);
        QCOMPARE(quantization.size(), 128); // luminance and chrominance
        QVERIFY(
            std::all_of(quantization.begin(), quantization.end(), [](int q) { return q == 1; }));

        const QImage image = QImage::fromData(bytes, "JPG");
        QCOMPARE(image.size(), QSize(850, 1100));
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 100);
        // White sheet, dark text in the body and at the credit line.
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
        auto darkIn = [&](const QRect& area) {
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (qGray(image.pixel(x, y)) < 100)
                        return true;
            return false;
        };
        QVERIFY(darkIn(QRect(50, 50, 200, 40)));
        QVERIFY(darkIn(QRect(500, 1025, 300, 20)));
        QVERIFY(!darkIn(QRect(0, 0, 850, 45)));
        // Drawn band by band, the page matches the page drawn whole, seams included.
        const QImage whole = PageExport::bitmap(*pages[1]);
        qint64 difference = 0;
        int worst = 0;
        for (int y = 0; y < whole.height(); ++y) {
            for (int x = 0; x < whole.width(); ++x) {
                const int d = std::abs(qGray(whole.pixel(x, y)) - qGray(image.pixel(x, y)));
                difference += d;
                worst = std::max(worst, d);
            }
        }
        QVERIFY2(difference < qint64(whole.width()) * whole.height() / 4 && worst < 48,
                 qPrintable(QStringLiteral("total %1, worst %2").arg(difference).arg(worst)));
    }

    void emfFilesReadBackRecordByRecord()
    {
        const PageLayout::Pages pages = threePages();
        QTemporaryDir dir;
        PageExport::saveAllEmf(pages, dir.filePath(QStringLiteral("camp.WMF")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3);
        QFile file(dir.filePath(QStringLiteral("camp1.EMF")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray emf = file.readAll();
        const QList<EmfRecord> list = records(emf);
        QVERIFY(list.size() > 10);

        const EmfRecord& header = list.first();
        QCOMPARE(header.type, quint32(EmfWriter::EMR_HEADER));
        QCOMPARE(header.u32(40), 0x464D4520u); // " EMF"
        QCOMPARE(header.u32(48), quint32(emf.size()));
        QCOMPARE(header.u32(52), quint32(list.size()));
        QCOMPARE(header.s32(72), 1000); // reference device: 10 x 15 inches in dots
        QCOMPARE(header.s32(76), 1500);
        QCOMPARE(header.s32(80), 254); // and in millimetres
        QCOMPARE(header.s32(84), 381);
        QCOMPARE(header.utf16(int(header.u32(64)), 8), QStringLiteral("Patrolia"));
        QCOMPARE(list.last().type, quint32(EmfWriter::EMR_EOF));

        // Each text run: its font is made and selected just before it; the
        // lines drawn after it up to the next run are its decorations, if any.
        struct Run {
            QString text;
            QString face;
            int weight;
            bool italic;
            bool fontDecorated; ///< underline or strikeout in the font
            int height;
            QPoint origin;
            int advance; ///< the sum of the advances
            QList<QLine> lines;
        };
        QList<Run> runs;
        QString face;
        int weight = 0, height = 0;
        bool italic = false, decorated = false;
        for (const EmfRecord& record : list) {
            if (record.type == EmfWriter::EMR_EXTCREATEFONTINDIRECTW) {
                QCOMPARE(record.bytes.size(), 104); // a LOGFONTW after the handle
                height = -record.s32(12);
                weight = record.s32(28);
                italic = record.bytes[32] != 0;
                decorated = record.bytes[33] != 0 || record.bytes[34] != 0;
                face = record.utf16(40, 32).section(QChar(0), 0, 0);
            } else if (record.type == EmfWriter::EMR_EXTTEXTOUTW) {
                const int chars = int(record.u32(44));
                QCOMPARE(record.u32(24), 1u); // GM_COMPATIBLE, scaled by the sheet's dot
                // exScale and eyScale: a dot at 100 dpi is 25.4 hundredths of a millimetre.
                QCOMPARE(record.f32(28), 25.4f);
                QCOMPARE(record.f32(32), 25.4f);
                QCOMPARE(record.u32(52), 0u); // no options, and an empty rectangle
                QCOMPARE(record.bytes.mid(56, 16), QByteArray(16, '\0'));
                QCOMPARE(record.u32(48), 76u); // the text right after the EMRTEXT
                const QString text = record.utf16(int(record.u32(48)), chars);
                // One advance per character, after the text.
                const quint32 dx = record.u32(72);
                QCOMPARE(dx, 76 + quint32(chars * 2 + 3) / 4 * 4);
                QCOMPARE(dx + 4 * quint32(chars), quint32(record.bytes.size()));
                int advance = 0;
                for (int i = 0; i < chars; ++i)
                    advance += record.s32(int(dx) + 4 * i);
                runs.append({text,
                             face,
                             weight,
                             italic,
                             decorated,
                             height,
                             QPoint(record.s32(36), record.s32(40)),
                             advance,
                             {}});
            } else if (record.type == EmfWriter::EMR_POLYPOLYLINE && !runs.isEmpty() &&
                       record.u32(24) == 1 && record.u32(28) == 2) {
                runs.last().lines.append(
                    QLine(record.s32(36), record.s32(40), record.s32(44), record.s32(48)));
            }
        }
        QVERIFY(runs.size() > 30);
        QCOMPARE(runs[0].text, TTextOptions::creditLine());
        QCOMPARE(runs[0].face, QStringLiteral("Times New Roman"));
        QVERIFY(runs[0].italic);
        QCOMPARE(runs[0].height, 14); // 10 pt at 100 dpi
        QVERIFY(runs[0].origin.y() > 1100 - 75 && runs[0].origin.y() < 1100 - 50);
        QCOMPARE(runs[1].text, QStringLiteral("Roster Title"));
        QCOMPARE(runs[1].weight, 700);
        QCOMPARE(runs[1].face, QStringLiteral("Liberation Sans"));
        QCOMPARE(runs[1].origin.x(), 50);
        // The underline is drawn once: as the line the page laid under the
        // run, not again by the font.
        const Run& meals = runs[2];
        QCOMPARE(meals.text, QStringLiteral("Meals"));
        QVERIFY(!meals.fontDecorated);
        QCOMPARE(meals.lines.size(), 1);
        const QLine underline = meals.lines.first();
        QCOMPARE(underline.y1(), underline.y2());
        QVERIFY(underline.y1() > meals.origin.y() && underline.y1() < meals.origin.y() + 5);
        QVERIFY(std::abs(underline.x1() - meals.origin.x()) <= 1);
        QVERIFY(std::abs(underline.x2() - (meals.origin.x() + meals.advance)) <= 2);
        QCOMPARE(runs[3].text, QStringLiteral("Line 1 Zoë"));
        QCOMPARE(runs[3].weight, 400);
        QVERIFY(runs[3].lines.isEmpty());
        QVERIFY(runs[3].origin.y() > meals.origin.y());
    }

    void emfHeaderScalesDotsExactly_data()
    {
        QTest::addColumn<PageMetrics>("metrics");
        QTest::newRow("letter at 100 dpi") << PageMetrics::letterAt(100);
        QTest::newRow("letter at 600 dpi") << PageMetrics::letterAt(600);
        QTest::newRow("A4 at 300 dpi") << PageMetrics{300, 300, QSize(2480, 3508)};
        QTest::newRow("legal landscape at 96 x 144 dpi") << PageMetrics{96, 144, QSize(1344, 1224)};
    }
    void emfHeaderScalesDotsExactly()
    {
        // Readers map the page's dots to paper by the reference device's pixels
        // against its whole millimetres: that ratio must be the sheet's own, or
        // text drifts from its place towards the far edges (Letter is 279.4 mm high).
        QFETCH(PageMetrics, metrics);
        const PageRecording page(metrics);
        const QList<EmfRecord> list = records(EmfWriter::write(page));
        QCOMPARE(list.size(), 5); // header, three settings, end
        const EmfRecord& header = list.first();
        QCOMPARE(header.u32(4), 152u);
        const QSize sheet = metrics.sheetDots;
        // Bounds in dots and frame in hundredths of a millimetre, both of the whole sheet.
        QCOMPARE(
            QRect(QPoint(header.s32(8), header.s32(12)), QPoint(header.s32(16), header.s32(20))),
            QRect(QPoint(0, 0), sheet));
        QCOMPARE(header.s32(24), 0);
        QCOMPARE(header.s32(28), 0);
        QCOMPARE(header.s32(32), qRound(metrics.widthInches() * 2540));
        QCOMPARE(header.s32(36), qRound(metrics.heightInches() * 2540));
        const qint64 deviceWidth = header.s32(72), deviceHeight = header.s32(76);
        const qint64 millimetresWide = header.s32(80), millimetresHigh = header.s32(84);
        QCOMPARE(deviceWidth * 254, millimetresWide * 10 * qRound(metrics.dpiX));
        QCOMPARE(deviceHeight * 254, millimetresHigh * 10 * qRound(metrics.dpiY));
        QVERIFY(deviceWidth >= sheet.width() && deviceHeight >= sheet.height());
        QCOMPARE(header.u32(100), quint32(millimetresWide * 1000)); // micrometres
        QCOMPARE(header.u32(104), quint32(millimetresHigh * 1000));
        // The end record closes the file with its own size.
        QCOMPARE(list.last().type, quint32(EmfWriter::EMR_EOF));
        QCOMPARE(list.last().bytes.size(), 20);
        QCOMPARE(list.last().u32(16), 20u);
    }

    void aFailedExportNamesTheFile()
    {
        const PageLayout::Pages pages = threePages();
        QTemporaryDir dir;
        const QString chosen = dir.filePath(QStringLiteral("missing/camp.jpg"));
        try {
            PageExport::saveAllJpeg(pages, chosen);
            QFAIL("exported into a missing folder");
        } catch (const Failure& failure) {
            QCOMPARE(failure.message(),
                     QStringLiteral("Cannot create file \"%1\". No such file or directory")
                         .arg(dir.filePath(QStringLiteral("missing/camp1.JPG"))));
        }
    }
};

QTEST_MAIN(TestPageExport)
#include "tst_pageexport.moc"
