#include "app/banks/KitDialog.h"

#include "app/banks/KitSlotRender.h"
#include "app/common/ShownNames.h"
#include "app/common/WindowText.h"
#include "model/IBank.h"
#include "playback/ISoundOutput.h"
#include "soundlibrary/SlotLoudness.h"
#include "soundlibrary/SoundAnalysis.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Column { SlotColumn, FileColumn, WhyColumn, LengthColumn, LoudnessColumn, PlayColumn };

QString tagged(const char* name, std::uint16_t slot)
{
    return QLatin1String(name) + QLatin1Char('_') + QString::number(slot);
}

} // namespace

KitDialog::KitDialog(const QString& title, const KitProposal& proposal, const std::vector<std::string>& files,
                     const IBank& bank, ISoundOutput& output, QWidget* parent)
    : QDialog(parent)
    , m_proposal(proposal)
    , m_bank(bank)
    , m_output(output)
{
    setObjectName(QStringLiteral("dialog_kit"));
    setWindowTitle(title);
    auto* grid = new QGridLayout;
    const QString heads[] = {tr("Slot"), tr("File"), tr("Why"), tr("Length"), tr("Loudness")};
    for (int column = SlotColumn; column <= LoudnessColumn; ++column) {
        auto* head = new QLabel(QStringLiteral("<b>%1</b>").arg(heads[column]), this);
        grid->addWidget(head, 0, column);
    }
    for (std::uint16_t slot = 0; slot < factory::kSoundSlotCount; ++slot) {
        addRow(slot, files);
        grid->addWidget(new QLabel(QString::fromStdString(bank.getContentLabel(slot)), this), slot + 1, SlotColumn);
        grid->addWidget(m_rows[slot].file, slot + 1, FileColumn);
        grid->addWidget(m_rows[slot].why, slot + 1, WhyColumn);
        grid->addWidget(m_rows[slot].length, slot + 1, LengthColumn);
        grid->addWidget(m_rows[slot].loudness, slot + 1, LoudnessColumn);
        auto* playButton = new QPushButton(tr("Play"), this);
        playButton->setObjectName(tagged("button_kitPlay", slot));
        playButton->setAccessibleName(
            tr("Play the file for %1").arg(QString::fromStdString(bank.getContentLabel(slot))));
        connect(playButton, &QPushButton::clicked, this, [this, slot] { play(slot); });
        grid->addWidget(playButton, slot + 1, PlayColumn);
    }
    grid->setColumnStretch(WhyColumn, 1);

    m_match = new QCheckBox(tr("&Match loudness"), this);
    m_match->setObjectName(QStringLiteral("checkbox_matchLoudness"));
    m_match->setToolTip(tr("Bring the slots to the quietest one's loudness as the device plays them; a slot "
                           "that would clip is held and named"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons_kit"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    if (QLabel* leftOut = leftOutText())
        layout->addWidget(leftOut);
    layout->addWidget(m_match);
    layout->addWidget(buttons);
    // What was being auditioned stops with the dialog, OK or not.
    connect(this, &QDialog::finished, this, [this] { m_output.stop(); });
}

void KitDialog::addRow(std::uint16_t slot, const std::vector<std::string>& files)
{
    Row& row = m_rows[slot];
    const QString label = QString::fromStdString(m_bank.getContentLabel(slot));
    row.file = new QComboBox(this);
    row.file->setObjectName(tagged("combo_kitFile", slot));
    row.file->setAccessibleName(tr("File for %1").arg(label));
    row.file->addItem(tr("Leave as it is"));
    for (const std::string& path : files)
        row.file->addItem(QString::fromStdString(shownFileName(path)), QFile::decodeName(path.c_str()));
    row.file->installEventFilter(this);
    row.why = new QLabel(this);
    row.why->setObjectName(tagged("text_kitWhy", slot));
    row.why->setWordWrap(true);
    row.length = new QLabel(this);
    row.length->setObjectName(tagged("text_kitLength", slot));
    row.loudness = new QLabel(this);
    row.loudness->setObjectName(tagged("text_kitLoudness", slot));
    if (const auto& proposed = m_proposal.choices()[slot]) {
        const int index = row.file->findData(QFile::decodeName(proposed->file.path.c_str()));
        row.file->setCurrentIndex(std::max(index, 0));
    }
    fileChanged(slot);
    connect(row.file, &QComboBox::currentIndexChanged, this, [this, slot] { fileChanged(slot); });
}

QLabel* KitDialog::leftOutText()
{
    QStringList lines;
    for (const KitProposal::Unused& unused : m_proposal.unused())
        lines.push_back(WindowText::of(KitProposal::unusedText(unused)));
    for (const KitProposal::LeftOut& file : m_proposal.leftOut())
        lines.push_back(WindowText::of(file.why));
    if (lines.isEmpty())
        return nullptr;
    auto* text = new QLabel(lines.join(QLatin1Char('\n')), this);
    text->setObjectName(QStringLiteral("text_kitLeftOut"));
    text->setWordWrap(true);
    return text;
}

void KitDialog::fileChanged(std::uint16_t slot)
{
    Row& row = m_rows[slot];
    const std::string path = QFile::encodeName(row.file->currentData().toString()).toStdString();
    const auto& proposed = m_proposal.choices()[slot];
    if (path.empty())
        row.chosen.reset();
    else if (proposed && proposed->file.path == path)
        row.chosen = proposed->file;
    else {
        // A file the proposal did not choose for the slot is measured now: one file is quick.
        const soundlibrary::SoundAnalysis analysis = soundlibrary::SoundAnalysis::of(path);
        row.chosen = KitFile{path, std::max(0.0, analysis.seconds - analysis.leadIn), analysis.loudness};
    }
    row.why->setText(reason(slot));
    row.length->setText(row.chosen ? tr("%1 s").arg(row.chosen->seconds, 0, 'f', 2) : QString());
    row.loudness->setText(row.chosen ? WindowText::of(soundlibrary::SlotLoudness::text(row.chosen->loudness))
                                     : QString());
}

QString KitDialog::reason(std::uint16_t slot) const
{
    const Row& row = m_rows[slot];
    const auto& proposed = m_proposal.choices()[slot];
    const bool asProposed = proposed ? row.chosen && row.chosen->path == proposed->file.path : !row.chosen;
    if (asProposed)
        return WindowText::of(m_proposal.reason(slot));
    return row.chosen ? tr("your choice") : tr("left as it is");
}

std::array<std::optional<KitFile>, factory::kSoundSlotCount> KitDialog::chosen() const
{
    std::array<std::optional<KitFile>, factory::kSoundSlotCount> files{};
    for (std::size_t slot = 0; slot < files.size(); ++slot)
        files[slot] = m_rows[slot].chosen;
    return files;
}

bool KitDialog::matchesLoudness() const
{
    return m_match->isChecked();
}

bool KitDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Space on a row's file plays it, as Space plays the selected slot in the window; the list of
    // files still opens with Alt+Down.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space)
        for (std::uint16_t slot = 0; slot < factory::kSoundSlotCount; ++slot)
            if (watched == m_rows[slot].file) {
                play(slot);
                return true;
            }
    return QDialog::eventFilter(watched, event);
}

void KitDialog::play(std::uint16_t slot)
{
    const std::optional<KitFile>& file = m_rows[slot].chosen;
    if (!file) {
        m_output.stop();
        return;
    }
    KitSlotRender::Rendered rendered = KitSlotRender::render(m_bank, slot, *file);
    if (!rendered.bytes.empty())
        m_output.play(std::move(rendered.bytes), [](bool, const PlaybackFailure&) {});
}
