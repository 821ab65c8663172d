#include "app/sounds/RegionFields.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// To a tenth of a millisecond: finer than a frame at 8 kHz, and a frame's step at 44.1 kHz shows.
QDoubleSpinBox* secondsField(const QString& name, const QString& accessibleName, const QString& unit)
{
    auto* field = new QDoubleSpinBox;
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setDecimals(4);
    field->setSingleStep(0.01);
    field->setSuffix(QStringLiteral(" ") + unit);
    field->setKeyboardTracking(false);
    return field;
}

} // namespace

RegionFields::RegionFields(QWidget* parent)
    : QWidget(parent)
    , m_start(secondsField(QStringLiteral("spin_start"), tr("Start"), tr("s")))
    , m_end(secondsField(QStringLiteral("spin_end"), tr("End"), tr("s")))
{
    m_start->setToolTip(tr("Seconds into the source where the window starts; the window keeps its length"));
    m_end->setToolTip(tr("Seconds into the source where the window ends; no further than the slot holds"));
    auto* startLabel = new QLabel(tr("S&tart:"));
    startLabel->setBuddy(m_start);
    auto* endLabel = new QLabel(tr("&End:"));
    endLabel->setBuddy(m_end);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : std::initializer_list<QWidget*>{startLabel, m_start, endLabel, m_end})
        row->addWidget(widget);
    connect(m_start, &QDoubleSpinBox::valueChanged, this, &RegionFields::startTyped);
    connect(m_end, &QDoubleSpinBox::valueChanged, this, &RegionFields::endTyped);
}

void RegionFields::showWindow(double start, double end, double lastStart, double longest)
{
    const QSignalBlocker quietStart(m_start);
    const QSignalBlocker quietEnd(m_end);
    m_start->setRange(0.0, lastStart);
    m_start->setValue(start);
    // An end typed before the start is taken back, as the spin box does with any value out of range.
    m_end->setRange(std::min(start + 0.0001, std::max(longest, lastStart)), std::max(longest, lastStart));
    m_end->setValue(end);
}
