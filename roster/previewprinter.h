#pragma once

#include "pagelayout.h"
#include "pagerecording.h"
#include "textoptions.h"

#include <QList>
#include <QObject>
#include <QPageSize>
#include <QString>

#include <memory>
#include <vector>

class QTextEdit;
class QWidget;

enum TPrinterOrientation { poPortrait, poLandscape };
enum TUnits { unInches, unCentimeters };
enum TZoomOption { zoFitToPage, zoFitToWidth, zoTwoPages, zoCustom };

/// The print-preview component: lays a rich-text editor's content out on page
/// images (the page list), shows them in the modal preview window, and prints
/// them one job a page.
class TPreviewPrinter : public QObject {
    Q_OBJECT
public:
    explicit TPreviewPrinter(QObject* parent = nullptr);
    ~TPreviewPrinter() override;

    bool BundlePrint = false;
    TPrinterOrientation Orientation = poPortrait;
    QString Title;
    TUnits Units = unInches;
    bool ShowGrid = false;
    TZoomOption ZoomOption = zoFitToPage;
    int ZoomVal = 100;
    TTextOptions TextOptions;

    /// Lays the editor's whole content out onto a new page list, under the hourglass.
    void PaginateRichEdit(QTextEdit* editor);
    /// Shows the preview window modally on the page list; returns when it is closed.
    void ShowPreview(QWidget* parent = nullptr);

    /// Opens a layout: the page list is emptied. Closed again by EndDoc.
    void BeginDoc();
    void EndDoc();
    bool isLayoutOpen() const { return m_layoutOpen; }

    int PageCount() const { return int(m_pages.size()); }
    const PageRecording& page(int index) const { return *m_pages.at(size_t(index)); }
    const PageLayout::Pages& pages() const { return m_pages; }
    /// The character each page of the latest layout begins with.
    const QList<int>& pageStarts() const { return m_pageStarts; }

    /// The page printing starts from, 0-based (the page on view).
    int CurrentPage = 0;
    /// Prints from the print dialog: checks the printers, asks for the range and
    /// copies, then prints each page of the range as a job of its own, once per copy.
    void Print(QWidget* parent);
    /// Prints page \a index (0-based) as one job on \a printerName.
    void PrintPage(int index, const QString& printerName, const QPageSize& pageSize);

private:
    bool landscape() const { return Orientation == poLandscape; }
    /// The text options with the margins in inches.
    TTextOptions optionsInInches() const;

    PageLayout::Pages m_pages;
    QList<int> m_pageStarts;
    bool m_layoutOpen = false;
    QString m_printerName; ///< chosen in the last print dialog of the run
};
