#pragma once

#include <QObject>
#include <QTemporaryDir>

#include <string>
#include <vector>

class WaveformView;
class IBank;
class QBoxLayout;
class QGridLayout;
class QMimeData;
class QWidget;

// The waveform room: a small waveform on every slot row and a large one, with its time axis, of
// the selected slot. A slot is selected by pressing its waveform or giving it the focus; dragging a
// waveform out leaves the slot as a WAV file wherever it is dropped, as `zylox export` writes it;
// dropped onto another slot of this editor, it also says which slot it is, so that the slot's kept
// source goes along.
// The row waveforms are the slot list of the keyboard: Up and Down move the focus and the selection
// between the bank's slots, Enter asks for the focused slot's sound to be shaped.
class Waveforms : public QObject {
    Q_OBJECT
public:
    // The format a slot's drag carries besides its file: "PROCESS ROW SLOT", the editor's process id
    // and the slot's place, so that only this editor takes it for a slot of its own.
    static constexpr const char* kSlotDragFormat = "application/x-zylox-slot";

    // The row views go into column `column` of the slot grid, row r + 1 for slot r; the large view
    // into the panel at `panelIndex`. Both layouts stay the window's.
    Waveforms(QGridLayout& slotGrid, int rows, int column, QBoxLayout& panel, int panelIndex,
              QObject* parent = nullptr);

    // Draws the bank's slots again (the bank stays the caller's and must outlive the next show).
    void show(const IBank& bank);
    int selectedSlot() const { return m_selected; }
    void select(int slot);
    // The small view of the slot's row.
    QWidget* rowView(int slot) const;

    // The drag's payload for a slot: a WAV file of its bytes in a folder of our own, and the slot's
    // place (kSlotDragFormat); null for a slot without a sound.
    QMimeData* exportedSlot(int slot);

signals:
    void slotSelected(int slot);
    // A slot's waveform was double-clicked: its sound is to be shaped.
    void shapeRequested(int slot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dragOut(int slot);
    // Draws the slot's sound in the view and tells a screen reader what it shows.
    void describe(WaveformView& view, const QString& name, int slot);
    std::string exportName(int slot) const;

    std::vector<WaveformView*> m_rows;
    WaveformView* m_large = nullptr;
    const IBank* m_bank = nullptr;
    int m_selected = 0;
    // Dragged files must outlive the drag: the file manager copies them after the drop.
    QTemporaryDir m_exports;
};
