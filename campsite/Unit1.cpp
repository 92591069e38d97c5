#include "Unit1.h"

#include "arrowbutton.h"
#include "dialogs.h"
#include "dsn8register.h"
#include "dsnbutton.h"
#include "dsninspector.h"
#include "dsnpanel.h"
#include "dsnstage.h"
#include "dsnswitch.h"
#include "errorreport.h"
#include "failure.h"
#include "fernwick.h"
#include "inspectorrows.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QToolButton>

TForm1* Form1 = nullptr;

namespace {

constexpr QSize kDesignedClientSize{715, 497};
constexpr int kPaletteGroup = 2301;
constexpr int kSwitchGroup = 2302;

QByteArray resourceBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Picture %1 is missing").arg(path));
    return file.readAll();
}

// A button glyph: as on the platform's bitmap buttons, its bottom-left
// pixel's colour is the ground and is left out.
QIcon glyphIcon(const QString& path)
{
    QImage glyph = QImage(path).convertToFormat(QImage::Format_ARGB32);
    if (glyph.isNull())
        throw Failure(QStringLiteral("Picture %1 is missing").arg(path));
    const QRgb ground = glyph.pixel(0, glyph.height() - 1);
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x)
            if (glyph.pixel(x, y) == ground)
                glyph.setPixel(x, y, 0);
    return QIcon(QPixmap::fromImage(glyph));
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tentwise"));
    // "MS Sans Serif" where it exists, else the metric-compatible sans of Arial.
    QFont windowFont;
    windowFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                            QStringLiteral("Arial")});
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    move(246, 146);
    resize(kDesignedClientSize);

    DsnPanel1 = new TDsnPanel(this);
    DsnPanel1->setObjectName(QStringLiteral("DsnPanel1"));
    DsnPanel1->setGeometry(0, 0, 114, 497);

    ArrowButton1 = new TArrowButton;
    ArrowButton1->setObjectName(QStringLiteral("ArrowButton1"));
    ArrowButton1->setToolTip(QStringLiteral("This is the temporary placement button"));
    ArrowButton1->setIcon(glyphIcon(QStringLiteral(":/campsite/arrow.bmp")));
    ArrowButton1->setIconSize({24, 24});
    ArrowButton1->GroupIndex = kPaletteGroup;
    DsnPanel1->addButton(ArrowButton1, kPaletteGroup);
    ArrowButton1->move(8, 8);

    const struct {
        TDsnButton** button;
        const char* name;
        const char* caption;
        const char* template_;
    } palette[] = {
        {&DsnButton1, "DsnButton1", "Add a Tent", "Dpst_TImage"},
        {&DsnButton2, "DsnButton2", "Add a Popup", "Dpst_TImageX"},
        {&DsnButton3, "DsnButton3", "Add a 'Fall In' site", "Dpst_TImageXX"},
        {&DsnButton4, "DsnButton4", "Add a Fire Circle", "Dpst_TImageXXX"},
        {&DsnButton5, "DsnButton5", "Add Hills", "Dpst_TImageXXXX"},
        {&DsnButton6, "DsnButton6", "Add a Label", "Dpst_TLabel"},
    };
    int top = 33;
    for (const auto& entry : palette) {
        auto* button = new TDsnButton;
        button->setObjectName(QLatin1String(entry.name));
        button->setText(QLatin1String(entry.caption));
        button->GeneName = QLatin1String(entry.template_);
        button->GroupIndex = kPaletteGroup;
        DsnPanel1->addButton(button, kPaletteGroup);
        button->move(8, top);
        top += 25;
        *entry.button = button;
    }

    DsnStage1 = new TDsnStage(this);
    DsnStage1->setObjectName(QStringLiteral("DsnStage1"));
    DsnStage1->setGeometry(120, 8, 539, 465);
    DsnStage1->setCaption(QStringLiteral("Camp Grounds"));
    DsnStage1->setToolTip(QStringLiteral("Drag your tent, popup, site, or fire circle here..."));
    DsnStage1->setColor(QColor(0, 255, 0));

    Label1 = new QLabel(QStringLiteral("To Delete an object, press the \"DELETE\" KEY"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(123, 478, 536, 17);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);

    DsnSwitch1 = new TDsnSwitch(this);
    DsnSwitch1->setObjectName(QStringLiteral("DsnSwitch1"));
    DsnSwitch1->setGeometry(666, 0, 41, 25);
    DsnSwitch1->setToolTip(QStringLiteral("Designing Off/On"));
    DsnSwitch1->setIcon(glyphIcon(QStringLiteral(":/campsite/pushpin.bmp")));
    DsnSwitch1->setIconSize({15, 14});
    DsnSwitch1->setProperty("GroupIndex", kSwitchGroup);

    BitBtn1 = new QPushButton(QStringLiteral("Open"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(666, 32, 41, 17);
    BitBtn1->setToolTip(QStringLiteral("Open a Campsite"));

    BitBtn2 = new QPushButton(QStringLiteral("Save"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(666, 56, 41, 17);
    BitBtn2->setToolTip(QStringLiteral("Save a Campsite"));

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("?"));
    SpeedButton1->setGeometry(666, 88, 41, 41);
    SpeedButton1->setToolTip(QStringLiteral("About..."));
    connect(SpeedButton1, &QToolButton::clicked, this, guarded([this] { SpeedButton1Click(); }));

    DsnDpstPanel = new QWidget(this);
    DsnDpstPanel->setObjectName(QStringLiteral("DsnDpstPanel"));
    DsnDpstPanel->setGeometry(-100, -100, 50, 50);
    createTemplates();

    DsnInspector1 = new TDsnInspector(this);
    DsnInspector1->setObjectName(QStringLiteral("DsnInspector1"));

    Dsn8Register1 = new TDsn8Register(this);
    Dsn8Register1->setObjectName(QStringLiteral("Dsn8Register1"));
    Dsn8Register1->setStage(DsnStage1);
    Dsn8Register1->setPanel(DsnPanel1);
    Dsn8Register1->setArrowButton(ArrowButton1);
    Dsn8Register1->setInspector(DsnInspector1);
    Dsn8Register1->setTemplateLookup([this](const QString& name) { return findTemplate(name); });
    DsnInspector1->setDesigner(Dsn8Register1);
    DsnSwitch1->setDesigner(Dsn8Register1);

    reserveNamedParts();
}

TForm1::~TForm1() = default;

void TForm1::createTemplates()
{
    const struct {
        const char* name;
        const char* picture;
        bool transparent;
    } images[] = {
        {"Dpst_TImage", "tent.bmp", true},      {"Dpst_TImageX", "popup.bmp", true},
        {"Dpst_TImageXX", "fallin.bmp", false}, {"Dpst_TImageXXX", "firecircle.bmp", true},
        {"Dpst_TImageXXXX", "hills.bmp", true},
    };
    for (const auto& entry : images) {
        CampsiteObject image;
        image.kind = CampsiteObject::Kind::Image;
        image.name = QLatin1String(entry.name);
        image.geometry = QRect(-50, -50, 20, 20);
        image.picture = Picture::fromBmpFile(
            resourceBytes(QStringLiteral(":/campsite/") + QLatin1String(entry.picture)));
        image.stretch = true;
        image.transparent = entry.transparent;
        m_templates.push_back(std::move(image));
    }
    CampsiteObject label;
    label.kind = CampsiteObject::Kind::Label;
    label.name = QStringLiteral("Dpst_TLabel");
    label.caption = label.name;
    label.autoSize = true;
    label.geometry = QRect(QPoint(-50, -50), captionSize(label.caption, font()));
    m_templates.push_back(std::move(label));
}

void TForm1::reserveNamedParts()
{
    // Campsite objects are named unlike every named part of the window.
    CampsiteLayout& layout = DsnStage1->campsiteLayout();
    for (const QObject* part : findChildren<QObject*>())
        if (!part->objectName().isEmpty())
            layout.reserveName(part->objectName());
    for (const CampsiteObject& prototype : m_templates)
        layout.reserveName(prototype.name);
    for (const char* component : {"OpenDialog1", "SaveDialog1"})
        layout.reserveName(QLatin1String(component));
}

const CampsiteObject* TForm1::findTemplate(const QString& name) const
{
    for (const CampsiteObject& prototype : m_templates)
        if (prototype.name.compare(name, Qt::CaseInsensitive) == 0)
            return &prototype;
    return nullptr;
}

void TForm1::FormShow()
{
    Splash();
}

void TForm1::SpeedButton1Click()
{
    Dialogs::instance().message(
        this, applicationTitle(),
        QStringLiteral("Tentwise\nA campsite layout designer by Fernwick Scout Software"),
        Dialogs::Icon::None);
}

void TForm1::showEvent(QShowEvent* event)
{
    // Sent before the window is mapped, so the splash comes and goes first.
    if (!event->spontaneous())
        runHandler([this] { FormShow(); });
    QWidget::showEvent(event);
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    // Anchors: the layout area grows with the window, Label1 widens, the
    // buttons on the right keep their distance from the right edge.
    const int grownX = width() - kDesignedClientSize.width();
    const int grownY = height() - kDesignedClientSize.height();
    DsnPanel1->setGeometry(0, 0, 114, height());
    DsnStage1->setGeometry(120, 8, 539 + grownX, 465 + grownY);
    Label1->setGeometry(123, 478, 536 + grownX, 17);
    DsnSwitch1->move(666 + grownX, 0);
    BitBtn1->move(666 + grownX, 32);
    BitBtn2->move(666 + grownX, 56);
    SpeedButton1->move(666 + grownX, 88);
    QWidget::resizeEvent(event);
}
