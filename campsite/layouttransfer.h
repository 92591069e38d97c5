#pragma once

#include <QString>

class TDsn8Register;
class TDsnStage;

/// The layout area's objects in and out: Save and Load of campsite files and
/// Copy, Cut and Paste through the clipboard, worked on the layout area and
/// its designer. Failures are thrown (Failure) for the window's error box.
class LayoutTransfer {
public:
    LayoutTransfer(TDsn8Register& designer, TDsnStage& stage) : m_designer(designer), m_stage(stage)
    {
    }

    /// Empties the selection and writes the layout area's objects to \a fileName.
    void Save(const QString& fileName);
    /// Replaces the layout area's objects with those of \a fileName. Design
    /// mode is off while reading and comes back on after a successful read.
    /// A file that cannot be opened leaves the layout area as it was; a broken
    /// one leaves the objects read before the break.
    void Load(const QString& fileName);

    /// Puts the selected objects, in selection order, on the clipboard; does
    /// nothing when the selection is empty.
    void Copy();
    /// Copy, then the selected objects are deleted.
    void Cut();
    /// In design mode with an empty selection, adds the clipboard's objects to
    /// the layout area, each named by the rule for read-in objects, brought
    /// inside the area and selected. Data that cannot be read stops the paste;
    /// the objects pasted before it stay selected.
    void Paste();

private:
    TDsn8Register& m_designer;
    TDsnStage& m_stage;
};
