#include "app/transfer/OutputSettingsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

OutputSettingsDialog::OutputSettingsDialog(const QString& device, const OutputPacing& pacing, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dialog_output_settings"));
    setWindowTitle(tr("Output Settings"));

    m_piece = new QSpinBox(this);
    m_piece->setObjectName(QStringLiteral("spinbox_piece"));
    m_piece->setRange(static_cast<int>(OutputPacing::kSmallestPiece), static_cast<int>(OutputPacing::kLargestPiece));
    m_piece->setSuffix(tr(" bytes"));
    m_piece->setValue(static_cast<int>(pacing.pieceBytes));
    m_gap = new QSpinBox(this);
    m_gap->setObjectName(QStringLiteral("spinbox_gap"));
    m_gap->setRange(0, static_cast<int>(OutputPacing::kLongestGapMilliseconds));
    m_gap->setSuffix(tr(" ms"));
    m_gap->setValue(static_cast<int>(pacing.gapMilliseconds));

    auto* about = new QLabel(tr("How messages go to %1. Some USB MIDI interfaces drop bytes of long messages: "
                                "smaller pieces with a gap after each bring them through, at the cost of a "
                                "longer send. 256 bytes and no gap keep to the wire's own pace.")
                                 .arg(device),
                             this);
    about->setWordWrap(true);
    auto* pieceLabel = new QLabel(tr("Largest &piece:"), this);
    pieceLabel->setBuddy(m_piece);
    auto* gapLabel = new QLabel(tr("&Gap after each piece:"), this);
    gapLabel->setBuddy(m_gap);
    auto* form = new QFormLayout;
    form->addRow(pieceLabel, m_piece);
    form->addRow(gapLabel, m_gap);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

OutputPacing OutputSettingsDialog::pacing() const
{
    return {static_cast<std::size_t>(m_piece->value()), static_cast<std::uint32_t>(m_gap->value())};
}
