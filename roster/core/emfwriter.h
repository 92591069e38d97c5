#pragma once

#include <QByteArray>

class PageRecording;

/// Writes a page image as an Enhanced Metafile: the header (the sheet as the
/// picture's frame, and a reference device with the sheet's dots per
/// millimetre), the page's text runs with their fonts, colours and baseline
/// positions, its filled areas and lines (underlines and strikeouts among them)
/// as polygons, and the end record. Logical units are the sheet's dots.
class EmfWriter {
public:
    static QByteArray write(const PageRecording& page);

    /// Record types written.
    enum RecordType : quint32 {
        EMR_HEADER = 1,
        EMR_POLYPOLYGON = 8,
        EMR_POLYPOLYLINE = 7,
        EMR_EOF = 14,
        EMR_SETBKMODE = 18,
        EMR_SETPOLYFILLMODE = 19,
        EMR_SETTEXTALIGN = 22,
        EMR_SETTEXTCOLOR = 24,
        EMR_SELECTOBJECT = 37,
        EMR_CREATEPEN = 38,
        EMR_CREATEBRUSHINDIRECT = 39,
        EMR_DELETEOBJECT = 40,
        EMR_EXTCREATEFONTINDIRECTW = 82,
        EMR_EXTTEXTOUTW = 84,
    };
};
