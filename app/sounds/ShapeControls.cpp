#include "app/sounds/ShapeControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>

namespace {

QDoubleSpinBox* spinBox(const QString& name, double lowest, double highest, double step, int decimals,
                        const QString& unit)
{
    auto* box = new QDoubleSpinBox;
    box->setObjectName(name);
    box->setRange(lowest, highest);
    box->setSingleStep(step);
    box->setDecimals(decimals);
    box->setSuffix(QStringLiteral(" ") + unit);
    box->setKeyboardTracking(false);
    return box;
}

QComboBox* comboBox(const QString& name, const QStringList& items)
{
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->addItems(items);
    return box;
}

QCheckBox* checkBox(const QString& name, const QString& text)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(name);
    return box;
}

QWidget* pair(QWidget* first, QWidget* second)
{
    auto* both = new QWidget;
    auto* layout = new QHBoxLayout(both);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(first);
    layout->addWidget(second, 1);
    return both;
}

} // namespace

ShapeControls::ShapeControls(QWidget* parent)
    : QWidget(parent)
    , m_conversion(comboBox(QStringLiteral("popup_conversion"), {tr("Classic"), tr("Clean")}))
    , m_phase(comboBox(QStringLiteral("popup_phase"), {tr("Linear"), tr("Intermediate"), tr("Minimum")}))
    , m_dither(comboBox(QStringLiteral("popup_dither"), {tr("None"), tr("Triangular (TPDF)"), tr("Noise-shaped")}))
    , m_gain(spinBox(QStringLiteral("spin_gain"), audio::lowestGain, audio::highestGain, 0.5, 1, tr("dB")))
    , m_limiter(checkBox(QStringLiteral("checkbox_limiter"), tr("Limit to")))
    , m_limit(spinBox(QStringLiteral("spin_limit"), audio::lowestLevel, audio::highestLevel, 0.5, 1, tr("dBFS")))
    , m_normalize(checkBox(QStringLiteral("checkbox_normalize"), tr("Normalise")))
    , m_fadeIn(spinBox(QStringLiteral("spin_fadeIn"), 0.0, audio::longestFade, 1.0, 0, tr("ms")))
    , m_fadeOut(spinBox(QStringLiteral("spin_fadeOut"), 0.0, audio::longestFade, 1.0, 0, tr("ms")))
    , m_reverse(checkBox(QStringLiteral("checkbox_reverse"), tr("Reverse")))
    , m_pitch(spinBox(QStringLiteral("spin_pitch"), audio::lowestPitch, audio::highestPitch, 0.5, 2, tr("semitones")))
    , m_fit(checkBox(QStringLiteral("checkbox_fit"), tr("Fit")))
    , m_fitKind(comboBox(QStringLiteral("popup_fitKind"), {tr("by pitch"), tr("by stretching")}))
    , m_mono(comboBox(QStringLiteral("popup_mono"), {tr("Mix"), tr("Left"), tr("Right"), tr("Side")}))
    , m_dc(checkBox(QStringLiteral("checkbox_dc"), tr("Remove DC offset")))
    , m_trim(checkBox(QStringLiteral("checkbox_trim"), tr("Trim silence below")))
    , m_trimThreshold(
          spinBox(QStringLiteral("spin_trimThreshold"), audio::lowestLevel, audio::highestLevel, 1.0, 0, tr("dBFS")))
{
    m_fit->setToolTip(tr("Makes the whole window fill the slot"));
    m_fitKind->setToolTip(tr("By pitch the device plays the window higher or lower; by stretching it keeps its "
                             "pitch and is made shorter or longer"));
    // A screen reader names a field by its own name: three share a row with a check box, and a
    // label before a row names the row, not the field in it.
    m_gain->setAccessibleName(tr("Gain"));
    m_limit->setAccessibleName(tr("Limit"));
    m_fadeIn->setAccessibleName(tr("Fade in"));
    m_fadeOut->setAccessibleName(tr("Fade out"));
    m_pitch->setAccessibleName(tr("Pitch"));
    m_fitKind->setAccessibleName(tr("Fit by"));
    m_trimThreshold->setAccessibleName(tr("Trim threshold"));
    m_limit->setValue(-1.0);
    m_trimThreshold->setValue(audio::defaultTrimThreshold);
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("Gain:"), m_gain);
    form->addRow(m_limiter, pair(m_limit, m_normalize));
    form->addRow(tr("Fade in:"), m_fadeIn);
    form->addRow(tr("Fade out:"), m_fadeOut);
    form->addRow(tr("Pitch:"), pair(m_pitch, pair(m_fit, m_fitKind)));
    form->addRow(tr("Channels:"), pair(m_mono, m_dc));
    form->addRow(m_trim, pair(m_trimThreshold, m_reverse));
    form->addRow(tr("Conversion:"), m_conversion);
    form->addRow(tr("Filter phase:"), m_phase);
    form->addRow(tr("Dither:"), m_dither);

    // Before the report below, so the shape it reads has the pitch just set.
    connect(m_pitch, &QDoubleSpinBox::valueChanged, this, [this](double semitones) {
        if (!m_showsFitPitch)
            m_ownPitch = semitones;
    });
    const auto report = [this] {
        enableDependents();
        if (!m_showing)
            emit changed();
    };
    for (QComboBox* box : {m_conversion, m_phase, m_dither, m_mono, m_fitKind})
        connect(box, &QComboBox::currentIndexChanged, this, report);
    for (QDoubleSpinBox* box : {m_gain, m_limit, m_fadeIn, m_fadeOut, m_pitch, m_trimThreshold})
        connect(box, &QDoubleSpinBox::valueChanged, this, report);
    for (QCheckBox* box : {m_limiter, m_normalize, m_reverse, m_fit, m_dc, m_trim})
        connect(box, &QCheckBox::toggled, this, report);
    enableDependents();
}

void ShapeControls::setShape(const audio::SoundShape& shape)
{
    m_showing = true;
    m_conversion->setCurrentIndex(shape.resampling == audio::Resampling::Clean ? 1 : 0);
    m_phase->setCurrentIndex(static_cast<int>(shape.phase));
    m_dither->setCurrentIndex(static_cast<int>(shape.dither));
    m_gain->setValue(shape.gain);
    m_limiter->setChecked(shape.limit.has_value());
    if (shape.limit)
        m_limit->setValue(*shape.limit);
    m_normalize->setChecked(shape.normalize);
    m_fadeIn->setValue(shape.fadeIn);
    m_fadeOut->setValue(shape.fadeOut);
    m_reverse->setChecked(shape.reverse);
    m_fit->setChecked(shape.fit);
    m_fitKind->setCurrentIndex(static_cast<int>(shape.fitKind));
    showOwnPitch();
    m_pitch->setValue(shape.pitch);
    m_ownPitch = shape.pitch;
    m_mono->setCurrentIndex(static_cast<int>(shape.mono));
    m_dc->setChecked(shape.removeDc);
    m_trim->setChecked(shape.trim);
    m_trimThreshold->setValue(shape.trimThreshold);
    m_showing = false;
    enableDependents();
}

audio::SoundShape ShapeControls::shape(audio::SoundShape base) const
{
    const bool clean = m_conversion->currentIndex() == 1;
    base.resampling = clean ? audio::Resampling::Clean : audio::Resampling::Classic;
    // Under Classic the Clean-only choices are none of the shape's, whatever the controls still show.
    base.phase = clean ? static_cast<audio::FilterPhase>(m_phase->currentIndex()) : audio::FilterPhase::Linear;
    base.dither = clean ? static_cast<audio::Dither>(m_dither->currentIndex()) : audio::Dither::None;
    base.gain = m_gain->value();
    base.limit = m_limiter->isChecked() ? std::optional<double>(m_limit->value()) : std::nullopt;
    base.normalize = m_normalize->isChecked();
    base.fadeIn = m_fadeIn->value();
    base.fadeOut = m_fadeOut->value();
    base.reverse = m_reverse->isChecked();
    base.pitch = m_ownPitch;
    base.fit = m_fit->isChecked();
    base.fitKind = static_cast<audio::FitKind>(m_fitKind->currentIndex());
    base.mono = static_cast<audio::MonoSource>(m_mono->currentIndex());
    base.removeDc = m_dc->isChecked();
    base.trim = m_trim->isChecked();
    base.trimThreshold = m_trimThreshold->value();
    return base;
}

void ShapeControls::enableDependents()
{
    const bool clean = m_conversion->currentIndex() == 1;
    m_phase->setEnabled(clean);
    m_dither->setEnabled(clean);
    m_limit->setEnabled(m_limiter->isChecked());
    m_pitch->setEnabled(!m_fit->isChecked());
    m_fitKind->setEnabled(m_fit->isChecked());
    if (!m_fit->isChecked())
        showOwnPitch();
    m_trimThreshold->setEnabled(m_trim->isChecked());
}

void ShapeControls::showFitPitch(std::optional<double> semitones)
{
    if (!m_fit->isChecked())
        return;
    const QSignalBlocker quiet(m_pitch);
    m_showsFitPitch = true;
    // A fit reaches further than a pitch may be set; the step below its reach stands for none.
    m_pitch->setRange(-audio::furthestFit - 0.01, audio::furthestFit);
    m_pitch->setSpecialValueText(tr("no fit"));
    m_pitch->setValue(semitones ? *semitones : m_pitch->minimum());
}

void ShapeControls::showOwnPitch()
{
    if (!m_showsFitPitch)
        return;
    const QSignalBlocker quiet(m_pitch);
    m_showsFitPitch = false;
    m_pitch->setSpecialValueText({});
    m_pitch->setRange(audio::lowestPitch, audio::highestPitch);
    m_pitch->setValue(m_ownPitch);
}
