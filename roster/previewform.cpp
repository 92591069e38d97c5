#include "previewform.h"

#include "busycursor.h"
#include "dialogs.h"
#include "emfwriter.h"
#include "errorreport.h"
#include "gopageform.h"
#include "pageexport.h"
#include "pageview.h"
#include "previewprinter.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

enum ZoomEntry { FitToPage = 0, FitToWidth = 1, Custom = 2 };
constexpr double kZoomFactors[] = {0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};

/// Small drawn icons for the buttons that have no caption.
QIcon drawnIcon(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1.4));
    draw(painter);
    return QIcon(pixmap);
}

void drawSheet(QPainter& painter, const QRectF& sheet)
{
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    painter.setBrush(Qt::NoBrush);
}

void drawLens(QPainter& painter)
{
    painter.drawEllipse(QRectF(3, 3, 10, 10));
    painter.setPen(QPen(QColor(40, 40, 40), 2.6));
    painter.drawLine(QPointF(12, 12), QPointF(17.5, 17.5));
}

} // namespace

const QStringList& TPreviewForm::zoomEntries()
{
    static const QStringList entries{
        QStringLiteral("Fit To Page"), QStringLiteral("Fit To Width"), QStringLiteral("Custom"),
        QStringLiteral("25%"),         QStringLiteral("50%"),          QStringLiteral("75%"),
        QStringLiteral("100%"),        QStringLiteral("125%"),         QStringLiteral("150%"),
        QStringLiteral("200%"),        QStringLiteral("300%"),         QStringLiteral("400%")};
    return entries;
}

QToolButton* TPreviewForm::addButton(QWidget* bar, const QString& text, const QString& hint,
                                     const QIcon& icon)
{
    auto* button = new QToolButton(bar);
    button->setText(text);
    if (!icon.isNull()) {
        button->setIcon(icon);
        button->setToolButtonStyle(text.isEmpty() ? Qt::ToolButtonIconOnly
                                                  : Qt::ToolButtonTextBesideIcon);
    }
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setAutoRaise(true);
    if (auto* toolBar = qobject_cast<QToolBar*>(bar))
        toolBar->addWidget(button);
    else
        bar->layout()->addWidget(button);
    return button;
}

TPreviewForm::TPreviewForm(TPreviewPrinter& printer, QWidget* parent)
    : QDialog(parent), m_printer(printer)
{
    setWindowTitle(applicationTitle());
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(false);
    resize(900, 700);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* toolBar = new QToolBar(this);
    toolBar->setIconSize(QSize(20, 20));
    layout->addWidget(toolBar);
    const QStyle* look = style();
    PrintBut = addButton(toolBar, QStringLiteral("&Print..."),
                         QStringLiteral("Print the Current Document"), drawnIcon([](QPainter& p) {
                             drawSheet(p, QRectF(5, 2, 10, 7));
                             p.setBrush(QColor(150, 150, 150));
                             p.drawRoundedRect(QRectF(2, 8, 16, 7), 1.5, 1.5);
                             drawSheet(p, QRectF(5, 13, 10, 5));
                         }));
    toolBar->addSeparator();
    PrevPageBut = addButton(toolBar, QStringLiteral("Pre&v"),
                            QStringLiteral("Move to Previous Page in Document"),
                            look->standardIcon(QStyle::SP_ArrowLeft));
    NextPageBut = addButton(toolBar, QStringLiteral("&Next"),
                            QStringLiteral("Advance to Next Page in Document"),
                            look->standardIcon(QStyle::SP_ArrowRight));
    toolBar->addSeparator();
    ZoomBox = new QComboBox(toolBar);
    ZoomBox->addItems(zoomEntries());
    ZoomBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    toolBar->addWidget(ZoomBox);
    FitPageBut = addButton(toolBar, {}, QStringLiteral("Fit to Page"), drawnIcon([](QPainter& p) {
                               drawSheet(p, QRectF(5, 2, 10, 16));
                               p.drawLine(QPointF(10, 5), QPointF(10, 15));
                           }));
    FitWidthBut = addButton(toolBar, {}, QStringLiteral("Fit to Width"), drawnIcon([](QPainter& p) {
                                drawSheet(p, QRectF(2, 4, 16, 12));
                                p.drawLine(QPointF(5, 10), QPointF(15, 10));
                            }));
    GridBut = addButton(toolBar, QStringLiteral("Grid"), QStringLiteral("Turns Grid On/Off"),
                        drawnIcon([](QPainter& p) {
                            drawSheet(p, QRectF(2, 2, 16, 16));
                            for (double v : {7.3, 12.6}) {
                                p.drawLine(QPointF(v, 2), QPointF(v, 18));
                                p.drawLine(QPointF(2, v), QPointF(18, v));
                            }
                        }));
    GridBut->setCheckable(true);
    toolBar->addSeparator();
    const QString zoomHint = QStringLiteral("Selects the Zoom Tool to zoom in or out");
    ZoomCursorBut = addButton(toolBar, {}, zoomHint, drawnIcon([](QPainter& p) {
                                  drawLens(p);
                                  p.setPen(QPen(QColor(40, 40, 40), 1.4));
                                  p.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
                                  p.drawLine(QPointF(8, 5.5), QPointF(8, 10.5));
                              }));
    spdNewZoom = addButton(toolBar, {}, zoomHint, drawnIcon([](QPainter& p) {
                               p.setPen(QPen(QColor(40, 40, 40), 1, Qt::DotLine));
                               p.drawRect(QRectF(1.5, 1.5, 17, 17));
                               p.setPen(QPen(QColor(40, 40, 40), 1.4));
                               drawLens(p);
                           }));
    HandCursorBut =
        addButton(toolBar, {}, QStringLiteral("Selects the Hand Tool to pan across the Page"),
                  drawnIcon([](QPainter& p) {
                      p.setBrush(QColor(250, 220, 180));
                      p.drawRoundedRect(QRectF(5, 8, 10, 10), 3, 3);
                      for (double x : {5.5, 8.0, 10.5, 13.0})
                          p.drawRoundedRect(QRectF(x, 2.5, 2.5, 8), 1.2, 1.2);
                  }));
    for (QToolButton* tool : {ZoomCursorBut, spdNewZoom, HandCursorBut}) {
        tool->setCheckable(true);
        tool->setAutoExclusive(true);
    }
    toolBar->addSeparator();
    spdMenu = addButton(toolBar, QStringLiteral("&Menu"), {});
    PopupMenu = new QMenu(this);
    SaveEMF1 = PopupMenu->addAction(QStringLiteral("&Save all pages as EMF"));
    SaveJpeg1 = PopupMenu->addAction(QStringLiteral("S&ave all pages as Jpeg"));
    PopupMenu->addSeparator();
    CopyEMF1 = PopupMenu->addAction(QStringLiteral("Copy this page to Clipboard as EMF"));
    CopyJpeg1 = PopupMenu->addAction(QStringLiteral("Copy this page to Clipboard as Jpeg"));
    PopupMenu->addSeparator();
    Close1 = PopupMenu->addAction(QStringLiteral("C&lose"));
    spdMenu->setMenu(PopupMenu);
    spdMenu->setPopupMode(QToolButton::InstantPopup);
    CloseBut = addButton(toolBar, QStringLiteral("&Close"),
                         QStringLiteral("Close the Print Preview window"),
                         look->standardIcon(QStyle::SP_DialogCloseButton));

    m_view = new PageView(this);
    layout->addWidget(m_view, 1);

    StatusBar = new QStatusBar(this);
    StatusBar->setSizeGripEnabled(false);
    auto* navigation = new QWidget(StatusBar);
    auto* navigationLayout = new QHBoxLayout(navigation);
    navigationLayout->setContentsMargins(0, 0, 0, 0);
    navigationLayout->setSpacing(0);
    FirstPageSpeed = addButton(navigation, {}, QStringLiteral("Go to First Page in Document"),
                               look->standardIcon(QStyle::SP_MediaSkipBackward));
    PrevPageSpeed = addButton(navigation, {}, QStringLiteral("Move to Previous Page in Document"),
                              look->standardIcon(QStyle::SP_MediaSeekBackward));
    PageNumSpeed =
        addButton(navigation, QStringLiteral("#"), QStringLiteral("Go to Page by Page Number"));
    NextPageSpeed = addButton(navigation, {}, QStringLiteral("Advance to Next Page in Document"),
                              look->standardIcon(QStyle::SP_MediaSeekForward));
    LastPageSpeed = addButton(navigation, {}, QStringLiteral("Go to Last Page in Document"),
                              look->standardIcon(QStyle::SP_MediaSkipForward));
    // Permanent, so that hints (shown as messages on the left) never hide them.
    StatusBar->addPermanentWidget(navigation);
    CurPageLabel = new QLabel(StatusBar);
    CurPageLabel->setMinimumWidth(110);
    ZoomLabel = new QLabel(StatusBar);
    ZoomLabel->setMinimumWidth(60);
    StatusBar->addPermanentWidget(CurPageLabel);
    StatusBar->addPermanentWidget(ZoomLabel);
    layout->addWidget(StatusBar);

    connect(PrintBut, &QToolButton::clicked, this, guarded([this] { PrintButClick(); }));
    connect(PrevPageBut, &QToolButton::clicked, this, guarded([this] { PrevPageButClick(); }));
    connect(NextPageBut, &QToolButton::clicked, this, guarded([this] { NextPageButClick(); }));
    connect(PrevPageSpeed, &QToolButton::clicked, this, guarded([this] { PrevPageButClick(); }));
    connect(NextPageSpeed, &QToolButton::clicked, this, guarded([this] { NextPageButClick(); }));
    connect(FirstPageSpeed, &QToolButton::clicked, this,
            guarded([this] { FirstPageSpeedClick(); }));
    connect(LastPageSpeed, &QToolButton::clicked, this, guarded([this] { LastPageSpeedClick(); }));
    connect(PageNumSpeed, &QToolButton::clicked, this, guarded([this] { PageNumSpeedClick(); }));
    connect(ZoomBox, &QComboBox::activated, this, guarded([this] { ZoomBoxChange(); }));
    connect(FitPageBut, &QToolButton::clicked, this, guarded([this] { FitPageButClick(); }));
    connect(FitWidthBut, &QToolButton::clicked, this, guarded([this] { FitWidthButClick(); }));
    connect(GridBut, &QToolButton::clicked, this, guarded([this] { GridButClick(); }));
    connect(ZoomCursorBut, &QToolButton::clicked, this, guarded([this] { ZoomCursorButClick(); }));
    connect(spdNewZoom, &QToolButton::clicked, this, guarded([this] { spdNewZoomClick(); }));
    connect(HandCursorBut, &QToolButton::clicked, this, guarded([this] { HandCursorButClick(); }));
    connect(CloseBut, &QToolButton::clicked, this, &QDialog::reject);
    connect(SaveEMF1, &QAction::triggered, this, guarded([this] { SaveEMF1Click(); }));
    connect(SaveJpeg1, &QAction::triggered, this, guarded([this] { SaveJpeg1Click(); }));
    connect(CopyEMF1, &QAction::triggered, this, guarded([this] { CopyEMF1Click(); }));
    connect(CopyJpeg1, &QAction::triggered, this, guarded([this] { CopyJpeg1Click(); }));
    connect(Close1, &QAction::triggered, this, &QDialog::reject);
    connect(m_view, &PageView::zoomedByTool, this, [this] { zoomedByTool(); });
    connect(m_view, &PageView::fitPageRequested, this, [this] { FitPageButClick(); });
    connect(m_view, &PageView::resized, this, [this] { applyZoom(); });

    // The settings of the component: grid, zoom list, and the zoom tool.
    GridBut->setChecked(m_printer.ShowGrid);
    m_view->setGrid(m_printer.ShowGrid);
    switch (m_printer.ZoomOption) {
    case zoFitToWidth:
        ZoomBox->setCurrentIndex(FitToWidth);
        break;
    case zoCustom:
        m_customZoom = m_printer.ZoomVal / 100.0;
        ZoomBox->setCurrentIndex(Custom);
        break;
    default:
        ZoomBox->setCurrentIndex(FitToPage);
        break;
    }
    ZoomCursorBut->setChecked(true);
    m_view->setTool(PageView::Tool::Zoom);
    showPage(0);
    applyZoom();
    PrintBut->setFocus();
}

double TPreviewForm::zoomFactor() const
{
    return m_view->zoom();
}

bool TPreviewForm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        StatusBar->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

void TPreviewForm::showPage(int index)
{
    const int count = m_printer.PageCount();
    m_current = count == 0 ? 0 : std::clamp(index, 0, count - 1);
    m_view->setPage(count == 0 ? nullptr : &m_printer.page(m_current));
    CurPageLabel->setText(
        QStringLiteral("Page %1 of %2").arg(count == 0 ? 0 : m_current + 1).arg(count));
    const bool earlier = m_current > 0;
    const bool later = m_current + 1 < count;
    PrevPageBut->setEnabled(earlier);
    FirstPageSpeed->setEnabled(earlier);
    PrevPageSpeed->setEnabled(earlier);
    NextPageBut->setEnabled(later);
    NextPageSpeed->setEnabled(later);
    LastPageSpeed->setEnabled(later);
    PageNumSpeed->setEnabled(count > 1);
}

void TPreviewForm::applyZoom()
{
    const int entry = ZoomBox->currentIndex();
    double zoom = m_customZoom;
    if (entry == FitToPage)
        zoom = m_view->fitToPageZoom();
    else if (entry == FitToWidth)
        zoom = m_view->fitToWidthZoom();
    else if (entry > Custom)
        zoom = kZoomFactors[entry - Custom - 1];
    m_view->setZoom(zoom);
    m_customZoom = m_view->zoom();
    updateZoomLabel();
}

void TPreviewForm::zoomedByTool()
{
    m_customZoom = m_view->zoom();
    ZoomBox->setCurrentIndex(Custom);
    updateZoomLabel();
}

void TPreviewForm::updateZoomLabel()
{
    ZoomLabel->setText(QLocale::system().toString(qRound(m_view->zoom() * 100)) + u'%');
}

void TPreviewForm::PrintButClick()
{
    m_printer.CurrentPage = m_current;
    m_printer.Print(this);
    m_view->viewport()->update();
}

void TPreviewForm::FirstPageSpeedClick()
{
    showPage(0);
}
void TPreviewForm::PrevPageButClick()
{
    showPage(m_current - 1);
}
void TPreviewForm::NextPageButClick()
{
    showPage(m_current + 1);
}
void TPreviewForm::LastPageSpeedClick()
{
    showPage(m_printer.PageCount() - 1);
}

void TPreviewForm::PageNumSpeedClick()
{
    TGoPageForm form(m_current + 1, m_printer.PageCount(), this);
    if (Dialogs::instance().execDialog(form) == QDialog::Accepted)
        showPage(form.PageNum->value() - 1);
}

void TPreviewForm::ZoomBoxChange()
{
    applyZoom();
}

void TPreviewForm::FitPageButClick()
{
    ZoomBox->setCurrentIndex(FitToPage);
    applyZoom();
}

void TPreviewForm::FitWidthButClick()
{
    ZoomBox->setCurrentIndex(FitToWidth);
    applyZoom();
}

void TPreviewForm::GridButClick()
{
    m_view->setGrid(GridBut->isChecked());
}
void TPreviewForm::ZoomCursorButClick()
{
    m_view->setTool(PageView::Tool::Zoom);
}
void TPreviewForm::spdNewZoomClick()
{
    m_view->setTool(PageView::Tool::RectangleZoom);
}
void TPreviewForm::HandCursorButClick()
{
    m_view->setTool(PageView::Tool::Hand);
}

void TPreviewForm::SaveEMF1Click()
{
    const std::optional<QString> name = Dialogs::instance().saveFileName(
        this, {QStringLiteral("Windows MetaFiles (*.WMF);;All Files (*)"),
               QStringLiteral("WMF"),
               {},
               false});
    if (name)
        PageExport::saveAllEmf(m_printer.pages(), *name);
}

void TPreviewForm::SaveJpeg1Click()
{
    const std::optional<QString> name = Dialogs::instance().saveFileName(
        this, {QStringLiteral("JPEG Files (*.jpg *.jpeg);;All Files (*)"),
               QStringLiteral("WMF"),
               {},
               false});
    if (name) {
        BusyCursor busy;
        PageExport::saveAllJpeg(m_printer.pages(), *name);
    }
}

void TPreviewForm::CopyEMF1Click()
{
    copyCurrentPage(QStringLiteral("image/emf"), &EmfWriter::write);
}

void TPreviewForm::CopyJpeg1Click()
{
    copyCurrentPage(QStringLiteral("image/jpeg"), &PageExport::jpeg);
}

void TPreviewForm::copyCurrentPage(const QString& mimeType,
                                   QByteArray (*encode)(const PageRecording&))
{
    if (m_printer.PageCount() == 0)
        return;
    auto* data = new QMimeData;
    data->setData(mimeType, encode(m_printer.page(m_current)));
    QGuiApplication::clipboard()->setMimeData(data);
}
