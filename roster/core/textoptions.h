#pragma once

#include <QFont>
#include <QString>

/// Where a text line stands across the sheet.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
/// Where the page-number line goes: on the footer line, on the header line, or nowhere.
enum TPrintPageNumber { pnBottom, pnTop, pnNone };

/// The text settings of the page layout: margins (inches), the header, footer
/// and page-number lines with their fonts and alignments. The values are those
/// of the roster program's print-preview component.
class TTextOptions {
public:
    TTextOptions();

    double MarginLeft = 0.5;
    double MarginTop = 0.5;
    double MarginRight = 0.5;
    double MarginBottom = 0.5;
    double HeaderMargin = 0.5;
    double FooterMargin = 0.75;
    QString Header;
    QString Footer;
    TAlignment HeaderAlign = taCenter;
    TAlignment FooterAlign = taCenter;
    TPrintPageNumber PrintPageNumber = pnBottom;
    TAlignment PageNumAlign = taRightJustify;
    /// A format pattern: "%d" stands for the page number.
    QString PageNumText;
    QFont HeaderFont;
    QFont FooterFont;
    QFont PageNumFont;
    QFont BodyFont;

    /// The credit line every roster page carries in place of a page number.
    static QString creditLine();
    /// PageNumText with "%d" replaced by \a page.
    QString pageNumberLine(int page) const;
};
