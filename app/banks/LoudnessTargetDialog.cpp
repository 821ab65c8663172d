#include "app/banks/LoudnessTargetDialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// LUFS a user may ask for: a slot at full scale reads about -3, one below -60 is barely heard.
constexpr double kQuietestTarget = -60.0;
constexpr double kLoudestTarget = 0.0;
// Where the field starts: about where a kit's loud hits sit in 8 bits without clipping.
constexpr double kFirstTarget = -18.0;

} // namespace

LoudnessTargetDialog::LoudnessTargetDialog(const QString& bank, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dialog_matchLoudness"));
    setWindowTitle(tr("Match Loudness"));
    auto* question
        = new QLabel(tr("Bring the sample slots of %1 to one loudness as the device plays them; a slot that would clip "
                        "is held and named.")
                         .arg(bank),
                     this);
    question->setWordWrap(true);
    m_quietest = new QRadioButton(tr("The &quietest slot's loudness"), this);
    m_quietest->setObjectName(QStringLiteral("radio_quietestSlot"));
    m_quietest->setChecked(true);
    auto* given = new QRadioButton(tr("&Loudness:"), this);
    given->setObjectName(QStringLiteral("radio_givenLoudness"));
    m_figure = new QDoubleSpinBox(this);
    m_figure->setObjectName(QStringLiteral("spinbox_targetLoudness"));
    m_figure->setAccessibleName(tr("Target loudness in LUFS"));
    m_figure->setRange(kQuietestTarget, kLoudestTarget);
    m_figure->setDecimals(1);
    m_figure->setSingleStep(0.5);
    m_figure->setValue(kFirstTarget);
    m_figure->setSuffix(tr(" LUFS"));
    m_figure->setEnabled(false);
    connect(given, &QRadioButton::toggled, m_figure, [this](bool on) {
        m_figure->setEnabled(on);
        if (on)
            m_figure->setFocus();
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons_matchLoudness"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* choices = new QGridLayout;
    choices->addWidget(m_quietest, 0, 0, 1, 2);
    choices->addWidget(given, 1, 0);
    choices->addWidget(m_figure, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addLayout(choices);
    layout->addWidget(buttons);
}

std::optional<double> LoudnessTargetDialog::target() const
{
    return m_quietest->isChecked() ? std::nullopt : std::optional<double>(m_figure->value());
}
