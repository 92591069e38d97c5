#pragma once

#include <QDialog>

class PageRecording;
class PageView;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QStatusBar;
class QToolButton;
class TPreviewPrinter;

/// The modal print preview of the page list: a tool bar along the top, the
/// page view, and a status bar with the page navigation, "Page %d of %d" and
/// the zoom in percent. The hint of the control under the mouse shows in the
/// status bar.
class TPreviewForm : public QDialog {
    Q_OBJECT
public:
    explicit TPreviewForm(TPreviewPrinter& printer, QWidget* parent = nullptr);

    /// The page on view, 0-based.
    int currentPage() const { return m_current; }
    double zoomFactor() const;
    PageView* pageView() const { return m_view; }

    QToolButton* PrintBut;
    QToolButton* PrevPageBut;
    QToolButton* NextPageBut;
    QComboBox* ZoomBox;
    QToolButton* FitPageBut;
    QToolButton* FitWidthBut;
    QToolButton* GridBut;
    QToolButton* ZoomCursorBut;
    QToolButton* spdNewZoom;
    QToolButton* HandCursorBut;
    QToolButton* spdMenu;
    QToolButton* CloseBut;
    QToolButton* FirstPageSpeed;
    QToolButton* PrevPageSpeed;
    QToolButton* NextPageSpeed;
    QToolButton* LastPageSpeed;
    QToolButton* PageNumSpeed;
    QLabel* CurPageLabel;
    QLabel* ZoomLabel;
    QStatusBar* StatusBar;
    QMenu* PopupMenu;
    QAction* SaveEMF1;
    QAction* SaveJpeg1;
    QAction* CopyEMF1;
    QAction* CopyJpeg1;
    QAction* Close1;

    // Handlers
    void PrintButClick();
    void FirstPageSpeedClick();
    void PrevPageButClick();
    void NextPageButClick();
    void LastPageSpeedClick();
    void PageNumSpeedClick();
    void ZoomBoxChange();
    void FitPageButClick();
    void FitWidthButClick();
    void GridButClick();
    void ZoomCursorButClick();
    void spdNewZoomClick();
    void HandCursorButClick();
    void SaveEMF1Click();
    void SaveJpeg1Click();
    void CopyEMF1Click();
    void CopyJpeg1Click();

    /// Zoom list entries in order; the first three are "Fit To Page", "Fit To Width", "Custom".
    static const QStringList& zoomEntries();

protected:
    bool event(QEvent* event) override;

private:
    void showPage(int index);
    void applyZoom();
    void zoomedByTool();
    void updateZoomLabel();
    /// Puts the page on show on the clipboard as \a mimeType, encoded by \a encode.
    void copyCurrentPage(const QString& mimeType, QByteArray (*encode)(const PageRecording&));
    QToolButton* addButton(QWidget* bar, const QString& text, const QString& hint,
                           const QIcon& icon = {});

    TPreviewPrinter& m_printer;
    PageView* m_view;
    int m_current = 0;
    double m_customZoom = 1.0;
};
