#include "app/sounds/Waveforms.h"

#include "app/sounds/SlotSoundDescription.h"
#include "app/sounds/WaveformView.h"
#include "audio/DeviceWave.h"
#include "content/SlotContent.h"
#include "model/BankNumber.h"
#include "model/IBank.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDrag>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace {

std::vector<std::uint8_t> soundOf(const IBank* bank, int slot)
{
    const SlotContent* content = bank != nullptr ? bank->getContent(static_cast<std::uint16_t>(slot)) : nullptr;
    return content != nullptr && content->isSample() ? content->getData() : std::vector<std::uint8_t>();
}

QString labelOf(const IBank* bank, int slot)
{
    return bank != nullptr && slot < static_cast<int>(bank->getContentCount())
               ? QString::fromStdString(bank->getContentLabel(static_cast<std::uint16_t>(slot)))
               : QString();
}

} // namespace

Waveforms::Waveforms(QGridLayout& slotGrid, int rows, int column, QBoxLayout& panel, int panelIndex, QObject* parent)
    : QObject(parent)
{
    for (int slot = 0; slot < rows; ++slot) {
        auto* view = new WaveformView(false);
        view->setObjectName(QStringLiteral("view_waveform_%1").arg(slot));
        view->setProperty("tag", slot);
        slotGrid.addWidget(view, slot + 1, column);
        connect(view, &WaveformView::pressed, this, [this, slot] { select(slot); });
        connect(view, &WaveformView::dragStarted, this, [this, slot] { dragOut(slot); });
        connect(view, &WaveformView::doubleClicked, this, [this, slot] { emit shapeRequested(slot); });
        view->setFocusPolicy(Qt::StrongFocus);
        view->installEventFilter(this);
        m_rows.push_back(view);
    }
    slotGrid.setColumnStretch(column, 2);
    m_large = new WaveformView(true);
    m_large->setObjectName(QStringLiteral("view_waveform_selected"));
    connect(m_large, &WaveformView::dragStarted, this, [this] { dragOut(m_selected); });
    connect(m_large, &WaveformView::doubleClicked, this, [this] { emit shapeRequested(m_selected); });
    panel.insertWidget(panelIndex, m_large, 1);
}

void Waveforms::show(const IBank& bank)
{
    m_bank = &bank;
    for (std::size_t slot = 0; slot < m_rows.size(); ++slot) {
        const int row = static_cast<int>(slot);
        describe(*m_rows[slot], tr("Waveform of slot %1, %2").arg(row + 1).arg(labelOf(m_bank, row)), row);
    }
    const int last = std::max(0, static_cast<int>(bank.getContentCount()) - 1);
    select(std::min(m_selected, last));
}

QWidget* Waveforms::rowView(int slot) const
{
    return slot >= 0 && slot < static_cast<int>(m_rows.size()) ? m_rows[static_cast<std::size_t>(slot)] : nullptr;
}

void Waveforms::select(int slot)
{
    if (slot < 0 || slot >= static_cast<int>(m_rows.size()))
        return;
    m_selected = slot;
    for (WaveformView* view : m_rows)
        view->setSelected(view == m_rows[static_cast<std::size_t>(slot)]);
    describe(*m_large, tr("Waveform of the selected slot, slot %1, %2").arg(slot + 1).arg(labelOf(m_bank, slot)), slot);
    emit slotSelected(slot);
}

void Waveforms::describe(WaveformView& view, const QString& name, int slot)
{
    const std::vector<std::uint8_t> sound = soundOf(m_bank, slot);
    view.setAccessibleName(name);
    view.setAccessibleDescription(slotSoundDescription(labelOf(m_bank, slot), sound));
    view.setSamples(sound);
}

bool Waveforms::eventFilter(QObject* watched, QEvent* event)
{
    const auto row = std::find(m_rows.begin(), m_rows.end(), watched);
    if (row == m_rows.end())
        return QObject::eventFilter(watched, event);
    const int slot = static_cast<int>(row - m_rows.begin());
    if (event->type() == QEvent::FocusIn)
        select(slot);
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int shown = m_bank != nullptr ? static_cast<int>(m_bank->getContentCount()) : 0;
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        // The list ends where the bank's slots do; an empty row is no place to land on.
        const int next = slot + (key == Qt::Key_Up ? -1 : 1);
        if (next >= 0 && next < std::min(shown, static_cast<int>(m_rows.size())))
            m_rows[static_cast<std::size_t>(next)]->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && slot < shown) {
        emit shapeRequested(slot);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

std::string Waveforms::exportName(int slot) const
{
    std::string name
        = BankNumber::of(m_bank->getIndex()) + " " + m_bank->getContentName(static_cast<std::uint16_t>(slot));
    // The slot's name is the user's text: nothing in it may leave our folder or hide the file.
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '/' || (c >= 0 && c < ' '); }, '_');
    return name + ".wav";
}

QMimeData* Waveforms::exportedSlot(int slot)
{
    const std::vector<std::uint8_t> sound = soundOf(m_bank, slot);
    if (sound.empty() || !m_exports.isValid())
        return nullptr;
    const std::vector<std::uint8_t> wave = audio::deviceWave(sound);
    QFile file(m_exports.filePath(QFile::decodeName(QByteArray::fromStdString(exportName(slot)))));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char*>(wave.data()), static_cast<qint64>(wave.size()))
               != static_cast<qint64>(wave.size()))
        return nullptr;
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(file.fileName())});
    data->setData(QString::fromLatin1(kSlotDragFormat), QByteArray::number(QCoreApplication::applicationPid()) + ' '
                                                            + QByteArray::number(m_bank->getIndex()) + ' '
                                                            + QByteArray::number(slot));
    return data;
}

void Waveforms::dragOut(int slot)
{
    QMimeData* data = exportedSlot(slot);
    if (data == nullptr)
        return;
    auto* drag = new QDrag(m_rows[static_cast<std::size_t>(slot)]);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}
