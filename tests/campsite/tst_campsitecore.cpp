#include "campsitelayout.h"
#include "failure.h"
#include "grabhandles.h"
#include "inspectorrows.h"
#include "nameregistry.h"
#include "selection.h"

#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <QtEndian>

using GrabHandles::Handle;
Q_DECLARE_METATYPE(Handle)

namespace {

std::unique_ptr<CampsiteObject> makeObject(CampsiteObject::Kind kind, QRect geometry,
                                           const QString& name = {})
{
    auto object = std::make_unique<CampsiteObject>();
    object->kind = kind;
    object->geometry = geometry;
    object->name = name;
    return object;
}

std::unique_ptr<CampsiteObject> image(QRect geometry, const QString& name = {})
{
    return makeObject(CampsiteObject::Kind::Image, geometry, name);
}

std::unique_ptr<CampsiteObject> label(QRect geometry, const QString& name = {})
{
    return makeObject(CampsiteObject::Kind::Label, geometry, name);
}

QStringList namesOf(const QList<CampsiteObject*>& objects)
{
    QStringList names;
    for (const CampsiteObject* object : objects)
        names.append(object->name);
    return names;
}

} // namespace

class TestCampsiteCore : public QObject {
    Q_OBJECT
private slots:
    void newObjectsTakeTheSmallestFreeNumber()
    {
        CampsiteLayout layout;
        layout.reserveName(QStringLiteral("Label1"));
        layout.reserveName(QStringLiteral("DsnStage1"));
        CampsiteObject* first = layout.addNew(label({}));
        QCOMPARE(first->name, QStringLiteral("Label2"));
        QCOMPARE(first->caption, QStringLiteral("Label2"));
        QCOMPARE(layout.addNew(label({}))->name, QStringLiteral("Label3"));
        QCOMPARE(layout.addNew(image({}))->name, QStringLiteral("Image1"));
        // A read-in "IMAGE2" (case ignored) takes 2; the gap left by a removal is refilled.
        layout.addReadIn(image({}, QStringLiteral("IMAGE2")));
        QCOMPARE(layout.addNew(image({}))->name, QStringLiteral("Image3"));
        layout.remove({first});
        QCOMPARE(layout.addNew(label({}))->name, QStringLiteral("Label2"));
    }

    void readInNames_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("named");
        QTest::newRow("free name kept") << "Tent7"
                                        << "Tent7";
        QTest::newRow("window's Label1") << "Label1"
                                         << "Label2";
        QTest::newRow("taken, other case") << "image1"
                                           << "Image2";
        QTest::newRow("window part, other case") << "dsnstage1"
                                                 << "Image2";
        QTest::newRow("empty") << ""
                               << "Image2";
        QTest::newRow("leading zero is another name") << "Image01"
                                                      << "Image01";
    }
    void readInNames()
    {
        QFETCH(QString, stored);
        QFETCH(QString, named);
        CampsiteLayout layout;
        layout.reserveName(QStringLiteral("Label1"));
        layout.reserveName(QStringLiteral("DsnStage1"));
        layout.addNew(image({}));
        auto object =
            stored.startsWith(QLatin1String("Label")) ? label({}, stored) : image({}, stored);
        QCOMPARE(layout.addReadIn(std::move(object))->name, named);
    }

    void numberSearchResumesOverALoad()
    {
        // Loading Image1..Image20000 and placing one more stays linear: the
        // search for the free number does not restart at 1 for each object.
        CampsiteLayout layout;
        for (int i = 1; i <= 20000; ++i)
            layout.addReadIn(image({}, QStringLiteral("Image%1").arg(i)));
        QCOMPARE(layout.addNew(image({}))->name, QStringLiteral("Image20001"));
        QCOMPARE(layout.names().size(), 20001);
    }

    void hitTestFindsTheTopmostObject()
    {
        CampsiteLayout layout;
        CampsiteObject* below = layout.addNew(image({10, 10, 40, 40}));
        CampsiteObject* above = layout.addNew(image({30, 30, 40, 40}));
        layout.addNew(image({35, 35, 0, 0})); // no area: never hit
        QCOMPARE(layout.objectAt({35, 35}), above);
        QCOMPARE(layout.objectAt({15, 15}), below);
        QCOMPARE(layout.objectAt({49, 49}), above);
        QCOMPARE(layout.objectAt({10, 10}), below);
        QCOMPARE(layout.objectAt({50, 9}), nullptr);
        QCOMPARE(layout.objectAt({70, 70}), nullptr); // right/bottom edge is outside
    }

    void bandSelectsOverlapsInLayoutOrder()
    {
        CampsiteLayout layout;
        layout.addNew(image({100, 100, 20, 20}));
        layout.addNew(image({0, 0, 20, 20}));
        layout.addNew(image({50, 50, 0, 0}));
        layout.addNew(image({119, 0, 10, 10}));
        QCOMPARE(namesOf(layout.objectsOverlapping({19, 19, 100, 100})),
                 QStringList({"Image1", "Image2"}));
        QCOMPARE(namesOf(layout.objectsOverlapping({20, 20, 80, 80})), QStringList());
        QCOMPARE(namesOf(layout.objectsOverlapping({0, 0, 200, 200})),
                 QStringList({"Image1", "Image2", "Image4"}));
        QCOMPARE(namesOf(layout.objectsOverlapping({5, 5, 0, 0})), QStringList());
    }

    void clearingAndRemovingFreeNames()
    {
        CampsiteLayout layout;
        CampsiteObject* a = layout.addNew(image({}));
        layout.addNew(image({}));
        CampsiteObject* c = layout.addNew(image({}));
        layout.remove({a, c});
        QCOMPARE(namesOf(layout.objectList()), QStringList({"Image2"}));
        layout.clear();
        QVERIFY(layout.isEmpty());
        QCOMPARE(layout.addNew(image({}))->name, QStringLiteral("Image1"));
    }

    void selectionKeepsOrderAndToggles()
    {
        CampsiteLayout layout;
        CampsiteObject* a = layout.addNew(image({}));
        CampsiteObject* b = layout.addNew(image({}));
        Selection selection;
        selection.add(b);
        selection.add(a);
        selection.add(b);
        QCOMPARE(selection.objects(), QList<CampsiteObject*>({b, a}));
        selection.toggle(b);
        QCOMPARE(selection.objects(), QList<CampsiteObject*>({a}));
        selection.toggle(b);
        QCOMPARE(selection.objects(), QList<CampsiteObject*>({a, b}));
    }

    void handlePlaces_data()
    {
        QTest::addColumn<Handle>("handle");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<int>("cursor");
        // Object at (40, 80), 21 x 13.
        QTest::newRow("top-left") << Handle::TopLeft << QPoint(38, 78) << int(Qt::SizeFDiagCursor);
        QTest::newRow("top-right")
            << Handle::TopRight << QPoint(57, 78) << int(Qt::SizeBDiagCursor);
        QTest::newRow("bottom-left")
            << Handle::BottomLeft << QPoint(38, 89) << int(Qt::SizeBDiagCursor);
        QTest::newRow("bottom-right")
            << Handle::BottomRight << QPoint(57, 89) << int(Qt::SizeFDiagCursor);
        QTest::newRow("top-middle")
            << Handle::TopMiddle << QPoint(47, 78) << int(Qt::SizeVerCursor);
        QTest::newRow("bottom-middle")
            << Handle::BottomMiddle << QPoint(47, 89) << int(Qt::SizeVerCursor);
        QTest::newRow("left-middle")
            << Handle::LeftMiddle << QPoint(38, 83) << int(Qt::SizeHorCursor);
        QTest::newRow("right-middle")
            << Handle::RightMiddle << QPoint(57, 83) << int(Qt::SizeHorCursor);
    }
    void handlePlaces()
    {
        QFETCH(Handle, handle);
        QFETCH(QPoint, topLeft);
        QFETCH(int, cursor);
        QCOMPARE(GrabHandles::handleRect({40, 80, 21, 13}, handle), QRect(topLeft, QSize(6, 6)));
        QCOMPARE(int(GrabHandles::cursorShape(handle)), cursor);
        QCOMPARE(GrabHandles::handleAt({40, 80, 21, 13}, topLeft + QPoint(2, 2)), handle);
    }

    void resizing_data()
    {
        QTest::addColumn<Handle>("handle");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QRect>("result");
        QTest::newRow("bottom-right grows")
            << Handle::BottomRight << QPoint(8, 16) << QRect(40, 80, 40, 40);
        QTest::newRow("left edge in")
            << Handle::LeftMiddle << QPoint(8, 16) << QRect(48, 80, 24, 24);
        QTest::newRow("top edge up")
            << Handle::TopMiddle << QPoint(8, -16) << QRect(40, 64, 32, 40);
        QTest::newRow("left past right turns over")
            << Handle::LeftMiddle << QPoint(48, 0) << QRect(72, 80, 16, 24);
        QTest::newRow("top-left past both")
            << Handle::TopLeft << QPoint(40, 32) << QRect(72, 104, 8, 8);
        QTest::newRow("bottom onto top")
            << Handle::BottomMiddle << QPoint(0, -24) << QRect(40, 80, 32, 0);
    }
    void resizing()
    {
        QFETCH(Handle, handle);
        QFETCH(QPoint, delta);
        QFETCH(QRect, result);
        QCOMPARE(GrabHandles::resized({40, 80, 32, 24}, handle, delta), result);
    }

    void inspectorRows()
    {
        auto first = label({8, 16, 40, 13});
        first->caption = QStringLiteral("Flag pole");
        auto second = label({8, 24, 48, 13});
        second->caption = QStringLiteral("Latrine");
        auto tent = image({8, 32, 48, 20});
        using Rows = QList<InspectorRows::Row>;
        QCOMPARE(InspectorRows::rowsFor({}), Rows());
        QCOMPARE(InspectorRows::rowsFor({first.get()}), Rows({{"Caption", "Flag pole"},
                                                              {"Height", "13"},
                                                              {"Left", "8"},
                                                              {"Top", "16"},
                                                              {"Width", "40"}}));
        QCOMPARE(InspectorRows::rowsFor({second.get(), first.get()}), Rows({{"Caption", "Latrine"},
                                                                            {"Height", "13"},
                                                                            {"Left", "8"},
                                                                            {"Top", ""},
                                                                            {"Width", ""}}));
        QCOMPARE(InspectorRows::rowsFor({first.get(), tent.get()}),
                 Rows({{"Height", ""}, {"Left", "8"}, {"Top", ""}, {"Width", ""}}));
    }

    void integerTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error"); // empty: accepted
        QTest::newRow("digits") << "40"
                                << "";
        QTest::newRow("signed") << "-12"
                                << "";
        QTest::newRow("plus") << "+7"
                              << "";
        QTest::newRow("letters") << "abc"
                                 << "abc is illegal (Left)";
        QTest::newRow("trailing letter") << "12x"
                                         << "12x is illegal (Left)";
        QTest::newRow("too big") << "2147483648"
                                 << "2147483648 is illegal (Left)";
        QTest::newRow("space") << " 5"
                               << " 5 is illegal (Left)";
        QTest::newRow("sign only") << "-"
                                   << "- is illegal (Left)";
    }
    void integerTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        try {
            InspectorRows::integerValue(text, QStringLiteral("Left"));
            QVERIFY(error.isEmpty());
        } catch (const Failure& failure) {
            QCOMPARE(failure.message(), error);
        }
    }

    void applyingValues()
    {
        auto a = image({8, 8, 20, 20});
        auto b = image({16, 8, 30, 20});
        const QFont font;
        InspectorRows::apply({a.get(), b.get()}, QStringLiteral("Width"), QStringLiteral("40"),
                             font);
        QCOMPARE(a->geometry, QRect(8, 8, 40, 20));
        QCOMPARE(b->geometry, QRect(16, 8, 40, 20));
        InspectorRows::apply({a.get(), b.get()}, QStringLiteral("Left"), QString(), font);
        QCOMPARE(a->geometry.x(), 8);
        InspectorRows::apply({a.get()}, QStringLiteral("Height"), QStringLiteral("-5"), font);
        QCOMPARE(a->geometry.height(), -5);
        QVERIFY_THROWS_EXCEPTION(Failure, InspectorRows::apply({a.get()}, QStringLiteral("Top"),
                                                               QStringLiteral("12x"), font));
        QCOMPARE(a->geometry.y(), 8);
        // An edge beyond 2^30 would let rectangle arithmetic overflow: refused like a bad text.
        try {
            InspectorRows::apply({a.get(), b.get()}, QStringLiteral("Left"),
                                 QStringLiteral("1073741800"), font);
            QFAIL("no failure");
        } catch (const Failure& failure) {
            QCOMPARE(failure.message(), QStringLiteral("1073741800 is illegal (Left)"));
        }
        QCOMPARE(a->geometry.x(), 8);
        InspectorRows::apply({a.get()}, QStringLiteral("Left"), QStringLiteral("-1073741824"),
                             font);
        QCOMPARE(a->geometry.x(), -1073741824);
        a->geometry.moveLeft(8);

        auto text = label({8, 8, 64, 48});
        text->caption = QStringLiteral("Kitchen");
        InspectorRows::apply({text.get()}, QStringLiteral("Caption"), QString(), font);
        QCOMPARE(text->caption, QString());
        QCOMPARE(text->geometry, QRect(QPoint(8, 8), captionSize(QString(), font)));
        InspectorRows::apply({text.get()}, QStringLiteral("Caption"), QStringLiteral("Kitchen"),
                             font);
        QCOMPARE(text->geometry.size(), captionSize(QStringLiteral("Kitchen"), font));
        QVERIFY(text->geometry.width() > 10);
    }

    void templatePictures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("size");
        for (const char* name : {"tent", "popup", "fallin", "firecircle"})
            QTest::newRow(name) << QStringLiteral("%1.bmp").arg(QLatin1String(name)) << 51 << 45
                                << 7074;
        QTest::newRow("hills") << "hills.bmp" << 91 << 69 << 19098;
    }
    void templatePictures()
    {
        QFETCH(QString, file);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, size);
        QFile bmp(QStringLiteral(ASSETS_DIR "/") + file);
        QVERIFY(bmp.open(QIODevice::ReadOnly));
        const QByteArray bytes = bmp.readAll();
        QCOMPARE(bytes.size(), size);
        const auto at32 = [&](int offset) {
            return qFromLittleEndian<qint32>(bytes.constData() + offset);
        };
        const auto at16 = [&](int offset) {
            return qFromLittleEndian<quint16>(bytes.constData() + offset);
        };
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(at32(2), size); // file size
        QCOMPARE(at32(10), 54);  // pixels right after the two headers: no colour table
        QCOMPARE(at32(14), 40);  // information header
        QCOMPARE(at32(18), width);
        QCOMPARE(at32(22), height); // positive: bottom-up rows
        QCOMPARE(at16(26), 1);
        QCOMPARE(at16(28), 24);
        QCOMPARE(at32(30), 0); // uncompressed
        QCOMPARE(at32(46), 0); // no palette colours
        QCOMPARE(54 + (width * 3 + 3) / 4 * 4 * height, size);
        const Picture picture = Picture::fromBmpFile(bytes);
        QCOMPARE(picture.image().size(), QSize(width, height));
    }

    void templateGrounds_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QColor>("ground");
        QTest::newRow("tent") << "tent.bmp" << QColor(0, 255, 0);
        QTest::newRow("popup") << "popup.bmp" << QColor(255, 255, 255);
        QTest::newRow("fire circle") << "firecircle.bmp" << QColor(255, 255, 255);
        QTest::newRow("hills") << "hills.bmp" << QColor(0, 255, 0);
    }
    void templateGrounds()
    {
        // The bottom-left pixel is the colour a transparent image leaves out.
        QFETCH(QString, file);
        QFETCH(QColor, ground);
        const QImage image(QStringLiteral(ASSETS_DIR "/") + file);
        QCOMPARE(image.pixelColor(0, image.height() - 1), ground);
    }
};

QTEST_MAIN(TestCampsiteCore)
#include "tst_campsitecore.moc"
