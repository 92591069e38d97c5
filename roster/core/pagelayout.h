#pragma once

#include "pagegeometry.h"
#include "pagerecording.h"
#include "textoptions.h"

#include <QList>

#include <functional>
#include <memory>
#include <vector>

class QTextDocument;

/// Lays a rich-text document out on pages: each page gets its header, footer
/// and page-number line first, then as much of the document as fits into the
/// body rectangle, wrapped to the body's width, in the document's own fonts and
/// styles. Every page starts at the first character that did not fit on the
/// one before; a line taller than the body gets a page of its own.
class PageLayout {
public:
    using Pages = std::vector<std::unique_ptr<PageRecording>>;
    /// Asked at the start of every page for the reference device's measures.
    using MetricsSource = std::function<PageMetrics()>;

    struct Result {
        Pages pages;
        QList<int> pageStarts; ///< character position each page begins with
    };

    /// Lays out the whole of \a document; it is not changed.
    static Result paginate(const QTextDocument& document, const TTextOptions& options,
                           const MetricsSource& metrics);

    /// Draws the header, footer and page-number line of page \a page onto \a sheet.
    static void drawPageLines(PageRecording& sheet, const TTextOptions& options, int page);
};
