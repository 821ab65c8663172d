#include "app/settings/PreferencesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

PreferencesDialog::PreferencesDialog(const audio::SoundShape& options, bool reopensLastFile, bool chokesOpenHat,
                                     QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dialog_preferences"));
    setWindowTitle(tr("Preferences"));

    m_resampling = new QComboBox(this);
    m_resampling->setObjectName(QStringLiteral("popup_resampling"));
    m_resampling->addItem(tr("Classic: as slots have always been made"));
    m_resampling->setItemData(0,
                              tr("Linear interpolation to 33,000 Hz and truncation to 8 bits. Sound above "
                                 "16.5 kHz folds back into the slot as lower tones."),
                              Qt::ToolTipRole);
    m_resampling->addItem(tr("Clean: band-limited, for bright sounds"));
    m_resampling->setItemData(1,
                              tr("Band-limited resampling and rounding to 8 bits. Hi-hats and cymbals keep "
                                 "their highs without folded tones."),
                              Qt::ToolTipRole);
    m_resampling->setCurrentIndex(options.resampling == audio::Resampling::Clean ? 1 : 0);
    m_normalize = new QCheckBox(tr("&Normalise: raise the peak to full scale"), this);
    m_normalize->setObjectName(QStringLiteral("checkbox_normalize"));
    m_normalize->setChecked(options.normalize);
    m_trim = new QCheckBox(tr("&Trim the silence before the sound"), this);
    m_trim->setObjectName(QStringLiteral("checkbox_trim"));
    m_trim->setChecked(options.trim);

    auto* conversionLabel = new QLabel(tr("Con&version:"), this);
    conversionLabel->setBuddy(m_resampling);
    auto* note = new QLabel(tr("Raw files and System Exclusive messages are always imported as they are."), this);
    note->setWordWrap(true);
    auto* import = new QGroupBox(tr("Import"), this);
    auto* form = new QFormLayout(import);
    form->addRow(conversionLabel, m_resampling);
    form->addRow(m_normalize);
    form->addRow(m_trim);
    form->addRow(note);

    m_reopen = new QCheckBox(tr("Open the &last bank file again"), this);
    m_reopen->setObjectName(QStringLiteral("checkbox_reopenLast"));
    m_reopen->setToolTip(tr("The bank file last opened or saved as the one Save writes to. A bank file the "
                            "editor is started with opens instead."));
    m_reopen->setChecked(reopensLastFile);
    auto* start = new QGroupBox(tr("Start"), this);
    auto* startLayout = new QVBoxLayout(start);
    startLayout->addWidget(m_reopen);

    m_choke = new QCheckBox(tr("The closed hi-hat &cuts the open one"), this);
    m_choke->setObjectName(QStringLiteral("checkbox_choke"));
    m_choke->setToolTip(tr("A hit of the CLOSED HI HAT pad ends the OPEN HI HAT's sound, as a drummer's foot "
                           "closes the hats."));
    m_choke->setChecked(chokesOpenHat);
    auto* pads = new QGroupBox(tr("Pads"), this);
    auto* padsLayout = new QVBoxLayout(pads);
    padsLayout->addWidget(m_choke);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(import);
    layout->addWidget(start);
    layout->addWidget(pads);
    layout->addWidget(buttons);
}

audio::SoundShape PreferencesDialog::options() const
{
    audio::SoundShape options;
    options.resampling = m_resampling->currentIndex() == 1 ? audio::Resampling::Clean : audio::Resampling::Classic;
    options.normalize = m_normalize->isChecked();
    options.trim = m_trim->isChecked();
    return options;
}

bool PreferencesDialog::reopensLastFile() const
{
    return m_reopen->isChecked();
}

bool PreferencesDialog::chokesOpenHat() const
{
    return m_choke->isChecked();
}
