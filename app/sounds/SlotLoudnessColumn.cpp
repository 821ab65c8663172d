#include "app/sounds/SlotLoudnessColumn.h"

#include "app/common/WindowText.h"
#include "content/SlotContent.h"
#include "model/IBank.h"
#include "soundlibrary/LoudnessMeter.h"
#include "soundlibrary/SlotLoudness.h"

#include <QGridLayout>
#include <QLabel>
#include <QThread>

namespace {

// Where no figure is known yet, or none can be: too short to be taken for a figure.
const QString kNoFigure = QStringLiteral("\u2014");

} // namespace

SlotLoudnessColumn::SlotLoudnessColumn(QGridLayout& slotGrid, int rows, int column, QObject* parent)
    : QObject(parent)
    , m_rows(static_cast<std::size_t>(rows))
    , m_slotLabels(static_cast<std::size_t>(rows))
{
    for (int slot = 0; slot < rows; ++slot) {
        auto* label = new QLabel(kNoFigure);
        label->setObjectName(QStringLiteral("text_slotLoudness_%1").arg(slot));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setToolTip(tr("How loud the device plays this slot: EBU R128 integrated loudness of its 8-bit "
                             "sound, in LUFS"));
        slotGrid.addWidget(label, slot + 1, column);
        m_labels.push_back(label);
    }
}

SlotLoudnessColumn::~SlotLoudnessColumn()
{
    if (m_measuring != nullptr) {
        m_measuring->wait();
        delete m_measuring;
    }
}

void SlotLoudnessColumn::show(const IBank& bank)
{
    for (int slot = 0; slot < static_cast<int>(m_labels.size()); ++slot) {
        const auto index = static_cast<std::uint16_t>(slot);
        Row& row = m_rows[static_cast<std::size_t>(slot)];
        const bool sample = slot < bank.getContentCount() && bank.isSampleContent(index);
        const std::vector<std::uint8_t> bytes
            = sample ? bank.getContent(index)->getData() : std::vector<std::uint8_t>{};
        if (bytes != row.bytes || !sample)
            row = {bytes, std::nullopt, false};
        m_slotLabels[static_cast<std::size_t>(slot)]
            = sample ? QString::fromStdString(bank.getContentLabel(index)) : QString();
        m_labels[static_cast<std::size_t>(slot)]->setVisible(sample);
        showRow(slot);
    }
    measureNext();
}

QLabel* SlotLoudnessColumn::rowLabel(int slot) const
{
    return slot >= 0 && slot < static_cast<int>(m_labels.size()) ? m_labels[static_cast<std::size_t>(slot)] : nullptr;
}

void SlotLoudnessColumn::showRow(int slot)
{
    const Row& row = m_rows[static_cast<std::size_t>(slot)];
    QLabel* label = m_labels[static_cast<std::size_t>(slot)];
    const bool meter = soundlibrary::LoudnessMeter::available();
    const QString figure
        = row.known && meter ? WindowText::of(soundlibrary::SlotLoudness::text(row.loudness)) : kNoFigure;
    label->setText(figure);
    if (!meter)
        label->setToolTip(WindowText::of(soundlibrary::SlotLoudness::missingLibraryText()));
    // A dash says nothing to a screen reader: it hears why there is no figure.
    const QString heard = row.known || !meter ? (meter ? figure : label->toolTip()) : tr("being measured");
    label->setAccessibleName(
        tr("Loudness of slot %1, %2: %3").arg(slot + 1).arg(m_slotLabels[static_cast<std::size_t>(slot)], heard));
}

void SlotLoudnessColumn::measureNext()
{
    if (m_measuring != nullptr || !soundlibrary::LoudnessMeter::available())
        return;
    std::vector<std::vector<std::uint8_t>> bytes;
    for (const Row& row : m_rows)
        if (!row.known && !row.bytes.empty())
            bytes.push_back(row.bytes);
    if (bytes.empty())
        return emit measured();
    m_measuring = QThread::create([this, bytes] {
        std::vector<std::optional<double>> figures;
        for (const std::vector<std::uint8_t>& slot : bytes)
            figures.push_back(soundlibrary::SlotLoudness::of(slot));
        QMetaObject::invokeMethod(
            this, [this, bytes, figures] { take(bytes, figures); }, Qt::QueuedConnection);
    });
    connect(m_measuring, &QThread::finished, this, [this] {
        m_measuring->deleteLater();
        m_measuring = nullptr;
        measureNext();
    });
    m_measuring->start(QThread::LowPriority);
}

void SlotLoudnessColumn::take(const std::vector<std::vector<std::uint8_t>>& bytes,
                              const std::vector<std::optional<double>>& figures)
{
    // A slot changed again while it was measured keeps waiting for the measure of its new bytes.
    for (std::size_t slot = 0; slot < m_rows.size(); ++slot)
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (!m_rows[slot].known && !m_rows[slot].bytes.empty() && m_rows[slot].bytes == bytes[i]) {
                m_rows[slot].loudness = figures[i];
                m_rows[slot].known = true;
                showRow(static_cast<int>(slot));
            }
}
