// Campsite objects as an object stream: writing, reading, skipping, and
// refusing hostile bytes.
#include "campsitefixture.h"
#include "campsitestream.h"
#include "objectstreamreader.h"
#include "readlayout.h"

#include <QtEndian>
#include <QtTest>

#include <memory>

using Mode = CampsiteStream::Mode;

namespace {

CampsiteObject label(const QString& name, QRect geometry, const QString& caption)
{
    CampsiteObject object;
    object.kind = CampsiteObject::Kind::Label;
    object.name = name;
    object.geometry = geometry;
    object.caption = caption;
    return object;
}

// An object entry of a label named Label3 whose only property is given raw.
QByteArray labelWithProperty(const QByteArray& name, const QByteArray& value)
{
    return QByteArray("TPF0\x06TLabel\x06Label3", 18) + char(name.size()) + name + value +
           QByteArray(3, '\0');
}

QByteArray uint32(quint32 value)
{
    QByteArray bytes(4, Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QString readError(const QByteArray& stream, Mode mode, ReadLayout& layout)
{
    try {
        CampsiteStream::read(stream, layout, mode);
    } catch (const ObjectStreamError& error) {
        return error.message();
    }
    return QStringLiteral("(read)");
}

QString readError(const QByteArray& stream, Mode mode = Mode::File)
{
    ReadLayout layout;
    return readError(stream, mode, layout);
}

} // namespace

class TestCampsiteStream : public QObject {
    Q_OBJECT

private slots:
    void writesTheExampleLabel()
    {
        const CampsiteObject object = label("Label2", QRect(32, 96, 64, 48), "Label2");
        const QByteArray stream = CampsiteStream::write({&object});
        QCOMPARE(stream.size(), 67);
        QCOMPARE(stream, fixture("label2.gnd"));
    }

    void readsTheExampleLabel()
    {
        ReadLayout layout;
        QCOMPARE(CampsiteStream::read(fixture("label2.gnd"), layout, Mode::File), 67);
        QCOMPARE(layout.objects.size(), 1);
        const CampsiteObject& object = layout.objects.front();
        QVERIFY(object.isLabel());
        QCOMPARE(object.name, "Label2");
        QCOMPARE(object.geometry, QRect(32, 96, 64, 48));
        QCOMPARE(object.caption, "Label2");
        QVERIFY(object.autoSize);
    }

    void rewritesFilesByteForByte_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("example label") << "label2.gnd";
        QTest::newRow("empty layout") << "empty-layout.gnd";
        QTest::newRow("tents, sign and label") << "campsite.gnd";
    }

    void rewritesFilesByteForByte()
    {
        QFETCH(QString, file);
        ReadLayout layout{QStringList()};
        const QByteArray original = fixture(file);
        CampsiteStream::read(original, layout, Mode::File);
        QCOMPARE(CampsiteStream::write(layout.pointers()), original);
    }

    void writesCaptionsByTheStringRule_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("payloadSize"); // the bytes after the tag
        QTest::newRow("ascii") << "Label2" << 6 << 1 + 6;
        QTest::newRow("255 ascii") << QString(255, 'a') << 6 << 1 + 255;
        QTest::newRow("300 ascii") << QString(300, 'a') << 12 << 4 + 300;
        QTest::newRow("accent and two letters") << u"\u00e9ab"_qs << 20 << 4 + 4;
        QTest::newRow("one accented letter") << u"\u00e9"_qs << 18 << 4 + 2;
        QTest::newRow("euro sign") << u"\u20ac"_qs << 18 << 4 + 2;
        QTest::newRow("two letters and a CJK one") << u"ab\u65e5"_qs << 20 << 4 + 5;
        QTest::newRow("one letter and a CJK one") << u"a\u65e5"_qs << 18 << 4 + 4;
        QTest::newRow("outside the BMP") << u"x\U0001F332"_qs << 20 << 4 + 5;
        QTest::newRow("outside the BMP alone") << u"\U0001F332"_qs << 18 << 4 + 4;
    }

    void writesCaptionsByTheStringRule()
    {
        QFETCH(QString, caption);
        QFETCH(int, tag);
        QFETCH(int, payloadSize);
        const CampsiteObject object = label("Label2", QRect(0, 0, 1, 1), caption);
        const QByteArray stream = CampsiteStream::write({&object});
        const qsizetype at = stream.indexOf("\x07"
                                            "Caption") +
                             8;
        QCOMPARE(int(quint8(stream[at])), tag);
        QCOMPARE(stream.size() - at - 1, payloadSize + 3); // three end bytes follow

        ReadLayout layout;
        CampsiteStream::read(stream, layout, Mode::Clipboard);
        QCOMPARE(layout.objects.front().caption, caption);
    }

    void writesIntegersInTheNarrowestTag_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("tag");
        QTest::newRow("-128") << -128 << 2;
        QTest::newRow("127") << 127 << 2;
        QTest::newRow("128") << 128 << 3;
        QTest::newRow("-129") << -129 << 3;
        QTest::newRow("32767") << 32767 << 3;
        QTest::newRow("-32768") << -32768 << 3;
        QTest::newRow("32768") << 32768 << 4;
        QTest::newRow("-32769") << -32769 << 4;
        QTest::newRow("lowest") << int(std::numeric_limits<qint32>::min()) << 4;
    }

    void writesIntegersInTheNarrowestTag()
    {
        QFETCH(int, value);
        QFETCH(int, tag);
        ObjectStreamWriter writer;
        writer.writeInteger(value);
        QCOMPARE(int(quint8(writer.data()[0])), tag);
        ObjectStreamReader reader(writer.data());
        QCOMPARE(reader.readInteger(), value);
        QVERIFY(reader.atEnd());
    }

    void readsTextInTheCodePage_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("caption");
        QTest::newRow("tag 6, high controls")
            << QByteArray("\x06\x04\x80\x9f\x81\xe9", 6) << u"\u20ac\u0178\u0081\u00e9"_qs;
        QTest::newRow("tag 12") << QByteArray("\x0c", 1) + uint32(2) + "\x93\x94"
                                << u"\u201c\u201d"_qs;
        QTest::newRow("tag 18") << QByteArray("\x12", 1) + uint32(2) + QByteArray("Z\0\xe9\0", 4)
                                << u"Z\u00e9"_qs;
        QTest::newRow("tag 20") << QByteArray("\x14", 1) + uint32(3) + "\xc3\xa9x" << u"\u00e9x"_qs;
    }

    void readsTextInTheCodePage()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, caption);
        ReadLayout layout;
        CampsiteStream::read(labelWithProperty("Caption", value), layout, Mode::Clipboard);
        QCOMPARE(layout.objects.front().caption, caption);
    }

    void readsAndSkipsEveryTag()
    {
        // A panel with children, lists, sets, collections and the fixed-size
        // tags; a prefixed label with a child position; a picture of tag 6.
        ReadLayout layout;
        CampsiteStream::read(fixture("every-tag.gnd"), layout, Mode::File);
        QCOMPARE(layout.names(), QStringList({"Image1", "Label5"}));
        const CampsiteObject& image = layout.objects[0];
        QCOMPARE(image.geometry, QRect(8, 16, 24, 32));
        QVERIFY(image.picture.isNull());
        QVERIFY(image.stretch);
        QVERIFY(!image.transparent);
        QCOMPARE(layout.objects[1].caption, u"Z\u00e9"_qs);
        QCOMPARE(layout.objects[1].geometry, QRect(1, 2, 3, 4));
    }

    void skipsAnUnknownClassBetweenObjects()
    {
        ReadLayout layout;
        CampsiteStream::read(fixture("shape-between.gnd"), layout, Mode::File);
        QCOMPARE(layout.names(), QStringList({"Image1", "Label3"}));
        QCOMPARE(layout.objects[1].caption, "Pond");
    }

    void appliesAHintAndSkipsAMisspeltProperty()
    {
        ReadLayout layout;
        CampsiteStream::read(fixture("hint-misspelt.gnd"), layout, Mode::File);
        QCOMPARE(layout.objects.size(), 1);
        QCOMPARE(layout.objects[0].hint, "Patrol tent");
        QVERIFY(!layout.objects[0].stretch);
        QVERIFY(layout.objects[0].transparent);
    }

    void clipboardReadingSkipsNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("readBefore");
        QTest::newRow("unknown class") << "shape-between.gnd"
                                       << "Class TShape not found" << QStringList{"Image1"};
        QTest::newRow("misspelt property")
            << "hint-misspelt.gnd"
            << "Error reading Image1.Strech: Property Strech does not exist" << QStringList{};
        QTest::newRow("name no identifier")
            << "bad-names.gnd"
            << "'9Lives' is not a valid component name" << QStringList{"Image1"};
    }

    void clipboardReadingSkipsNothing()
    {
        QFETCH(QString, file);
        QFETCH(QString, error);
        QFETCH(QStringList, readBefore);
        ReadLayout layout;
        QCOMPARE(readError(fixture(file), Mode::Clipboard, layout), error);
        QCOMPARE(layout.names(), readBefore);
    }

    void namesReadObjectsByTheRule()
    {
        ReadLayout layout; // the window's own Label1
        CampsiteStream::read(fixture("trailing-bytes.gnd"), layout, Mode::File);
        QCOMPARE(layout.names(), QStringList({"Label2"}));
        QCOMPARE(layout.objects[0].caption, "First"); // the caption stays
        CampsiteStream::read(fixture("campsite.gnd"), layout, Mode::File);
        CampsiteStream::read(fixture("campsite.gnd"), layout, Mode::File);
        QCOMPARE(layout.names(), QStringList({"Label2", "Image1", "Image2", "Image3", "Label3",
                                              "Image4", "Image5", "Image6", "Label4"}));
    }

    void skipsObjectsNamedWithoutAnIdentifier()
    {
        ReadLayout layout;
        CampsiteStream::read(fixture("bad-names.gnd"), layout, Mode::File);
        QCOMPARE(layout.names(), QStringList({"Image1", "Label7"}));
    }

    void ignoresBytesAfterTheClosingByte()
    {
        ReadLayout layout;
        const QByteArray stream = fixture("trailing-bytes.gnd");
        QCOMPARE(CampsiteStream::read(stream, layout, Mode::File), stream.indexOf("TPF0garbage"));
        QCOMPARE(layout.objects.size(), 1);
    }

    void sharesDecodedPictures()
    {
        ReadLayout layout;
        CampsiteStream::read(fixture("campsite.gnd"), layout, Mode::File);
        const QImage tent = layout.objects[0].picture.image();
        QCOMPARE(tent.size(), QSize(3, 2));
        QCOMPARE(tent.pixel(0, 1), qRgb(0, 255, 0));
        QCOMPARE(tent.pixel(2, 0), qRgb(128, 128, 128));
        QCOMPARE(layout.objects[1].picture.image().cacheKey(), tent.cacheKey());
        QVERIFY(layout.objects[1].picture.block().isSharedWith(layout.objects[0].picture.block()));
        QVERIFY(layout.objects[2].picture.image().cacheKey() != tent.cacheKey());
        QVERIFY(!(layout.objects[2].picture == layout.objects[0].picture));
    }

    void leavesUnreadablePicturesOut()
    {
        ReadLayout layout;
        CampsiteStream::read(fixture("bad-pictures.gnd"), layout, Mode::File);
        QCOMPARE(layout.names(), QStringList({"Image1", "Image2", "Image3"}));
        for (const CampsiteObject& image : layout.objects)
            QVERIFY(image.picture.isNull());
    }

    void refusesBadStreams_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty") << QByteArray() << "Stream read error";
        QTest::newRow("wrong signature") << QByteArray("TPF1\x06TLabel") << "Invalid stream format";
        QTest::newRow("no closing byte") << fixture("label2.gnd").chopped(1) << "Stream read error";
        QTest::newRow("tag 21") << labelWithProperty("Tag", "\x15") << "Invalid stream format";
        QTest::newRow("Left as 64 bits")
            << labelWithProperty("Left", QByteArray("\x13", 1) + QByteArray(8, '\0'))
            << "Invalid property value";
        QTest::newRow("AutoSize as Maybe")
            << labelWithProperty("AutoSize", "\x07\x05Maybe") << "Invalid property value";
        QTest::newRow("Caption as identifier")
            << labelWithProperty("Caption", "\x07\x01x") << "Invalid property value";
        QTest::newRow("length of 4 GB") << fixture("huge-length.gnd") << "Stream read error";
        QTest::newRow("wide string of 4 G units")
            << labelWithProperty("Hint", QByteArray("\x12", 1) + uint32(0xFFFFFFFF))
            << "Stream read error";
        QTest::newRow("unknown property of 4 GB")
            << labelWithProperty("Blob", QByteArray("\x0a", 1) + uint32(0xFFFFFFF0))
            << "Stream read error";
        QTest::newRow("lists nested a million deep")
            << labelWithProperty("Items", QByteArray(1000000, '\x01')) << "Invalid stream format";
        QTest::newRow("collections nested deep")
            << labelWithProperty("Items", QByteArray("\x0e\x01\x05Items").repeated(3000))
            << "Invalid stream format";
        QTest::newRow("children nested deep")
            << QByteArray("TPF0\x06TPanel\x02P1\x00", 14).repeated(1) +
                   QByteArray("\x06TPanel\x02P1\x00", 11).repeated(2000)
            << "Invalid stream format";
        QTest::newRow("collection item without list")
            << labelWithProperty("Items", "\x0e\x02\x01\x06") << "Invalid stream format";
    }

    void refusesBadStreams()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QString, error);
        QCOMPARE(readError(stream), error);
    }

    void failsCleanlyWhereverAFileIsCut_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("tents, sign and label") << "campsite.gnd";
        QTest::newRow("every tag") << "every-tag.gnd";
    }

    void failsCleanlyWhereverAFileIsCut()
    {
        QFETCH(QString, file);
        const QByteArray whole = fixture(file);
        for (qsizetype length = 0; length < whole.size(); ++length) {
            // A buffer of exactly the cut length, so a read past it is caught by the sanitizers.
            const auto cut = std::make_unique<char[]>(std::max<qsizetype>(length, 1));
            std::copy_n(whole.constData(), length, cut.get());
            ReadLayout layout;
            const QString error =
                readError(QByteArray::fromRawData(cut.get(), length), Mode::File, layout);
            if (error != "Stream read error" && error != "Invalid stream format")
                QFAIL(qPrintable(QStringLiteral("cut at %1: %2").arg(length).arg(error)));
        }
    }
};

QTEST_MAIN(TestCampsiteStream)
#include "tst_campsitestream.moc"
