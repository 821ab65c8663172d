#include "app/banks/BankView.h"

#include "app/banks/SlotDrops.h"
#include "app/sounds/SlotLoudnessColumn.h"
#include "app/sounds/SlotPlayer.h"
#include "app/sounds/Waveforms.h"
#include "audio/DeviceRate.h"
#include "content/SlotContent.h"
#include "model/FactoryTables.h"
#include "model/IBank.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {

// Where the layout file leaves room for the waveforms: a column of the slot grid for the rows'
// small ones, a place in the panel below the bank's box for the large one.
constexpr int kWaveformColumn = 4;
// Each slot's loudness after its waveform, where the eye goes from the sound to how loud it is.
constexpr int kLoudnessColumn = 5;
constexpr int kLargeWaveformIndex = 1;
// The firmware bank's account of its slots takes the place of the rows it does not have.
constexpr int kFirmwareTextRow = 3;
constexpr int kFirmwareTextColumns = 5;

// The window's language's digits; under the C locale English ones, with their thousands separators.
QLocale numbers()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedKingdom) : locale;
}

// What a firmware slot holds on the device, which its label alone does not tell.
QString firmwareSlotText(const IBank& bank, int slot)
{
    const SlotContent* content = bank.getContent(static_cast<std::uint16_t>(slot));
    const int block = bank.getIndex() * 2 + slot;
    const QString label = QString::fromStdString(bank.getContentLabel(static_cast<std::uint16_t>(slot)));
    const QString size = numbers().toString(static_cast<qulonglong>(content != nullptr ? content->getSize() : 0));
    return slot % 2 == 0 ? BankView::tr("%1: the device's preset memory, block %2 (%3 bytes)")
                               .arg(label, QString::number(block), size)
                         : BankView::tr("%1: the device's operating system, block %2 (%3 bytes)")
                               .arg(label, QString::number(block), size);
}

// As wide as the factory's longest slot name ("CLOSED HI HAT") needs in the field's font, with its
// frame and the margins it keeps inside it: the name column has the least stretch of the slot
// rows, and with the sound browser beside the banks on a laptop's screen it was left showing
// "N HI HAT".
int nameFieldWidth(const QLineEdit& field)
{
    int widest = 0;
    for (std::uint16_t slot = 0; slot < factory::kSoundSlotCount; ++slot)
        widest = std::max(widest,
                          field.fontMetrics().horizontalAdvance(QString::fromStdString(factory::contentName(slot))));
    QStyleOptionFrame frame;
    frame.initFrom(&field);
    frame.lineWidth = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &field);
    // QLineEdit keeps 2 pixels on each side of its text inside the frame.
    constexpr int kInnerMargins = 2 * 2;
    return field.style()
        ->sizeFromContents(QStyle::CT_LineEdit, &frame, QSize(widest + kInnerMargins, field.fontMetrics().height()),
                           &field)
        .width();
}

} // namespace

BankView::BankView(QWidget& window, QGridLayout& slotGrid, QBoxLayout& panel, QLineEdit& bankName,
                   std::initializer_list<QWidget*> bankButtons, ISoundOutput& soundOutput)
    : QObject(&window)
    , m_bankName(bankName)
    , m_bankButtons(bankButtons)
    , m_labels(window, QStringLiteral("textfield_contentLabels"))
    , m_names(window, QStringLiteral("textfield_contentNames"))
    , m_openButtons(window, QStringLiteral("button_openContents"))
    , m_playButtons(window, QStringLiteral("button_playContents"))
{
    makeSlotRooms(window, slotGrid, panel, soundOutput);
    m_firmwareText = new QLabel(&window);
    m_firmwareText->setObjectName(QStringLiteral("text_firmwareSlots"));
    m_firmwareText->setWordWrap(true);
    m_firmwareText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_firmwareText->hide();
    slotGrid.addWidget(m_firmwareText, kFirmwareTextRow, 0, 1, kFirmwareTextColumns);
    connect(&m_bankName, &QLineEdit::editingFinished, this, &BankView::bankNameEdited);
    // The name fields would paste a dropped file's address into a name: they leave drops to the
    // window, which imports or opens the file.
    m_bankName.setAcceptDrops(false);
    m_bankName.installEventFilter(this);
    for (QLineEdit* cell : m_names.cells()) {
        const int tag = CellMatrix<QLineEdit>::tagOf(cell);
        cell->setAcceptDrops(false);
        cell->installEventFilter(this);
        cell->setMinimumWidth(nameFieldWidth(*cell));
        connect(cell, &QLineEdit::editingFinished, this, [this, tag] { emit slotNameEdited(tag); });
    }
    for (QPushButton* cell : m_openButtons.cells()) {
        const int tag = CellMatrix<QPushButton>::tagOf(cell);
        connect(cell, &QPushButton::clicked, this, [this, tag] { emit importClicked(tag); });
    }
}

void BankView::makeSlotRooms(QWidget& window, QGridLayout& slotGrid, QBoxLayout& panel, ISoundOutput& soundOutput)
{
    const int rows = m_labels.numberOfRows();
    m_waveforms = std::make_unique<Waveforms>(slotGrid, rows, kWaveformColumn, panel, kLargeWaveformIndex, this);
    m_loudness = std::make_unique<SlotLoudnessColumn>(slotGrid, rows, kLoudnessColumn, this);
    m_player = std::make_unique<SlotPlayer>(soundOutput, m_playButtons, window,
                                            [this] { return m_waveforms->selectedSlot(); });
    connect(m_player.get(), &SlotPlayer::status, this, &BankView::status);
    connect(m_waveforms.get(), &Waveforms::shapeRequested, this, &BankView::shapeClicked);
    // The keyboard's way to what a double-click on a waveform does.
    auto* shape = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), &window);
    shape->setObjectName(QStringLiteral("shortcut_shape"));
    connect(shape, &QShortcut::activated, this, [this] { emit shapeClicked(m_waveforms->selectedSlot()); });
    std::vector<std::vector<QWidget*>> cells;
    for (int slot = 0; slot < rows; ++slot) {
        cells.push_back({m_labels.cellWithTag(slot), m_names.cellWithTag(slot), m_openButtons.cellWithTag(slot),
                         m_playButtons.cellWithTag(slot), m_waveforms->rowView(slot)});
        // Each row's waveform comes after its Play button, so Tab reaches the slot list row by row.
        QWidget::setTabOrder(m_playButtons.cellWithTag(slot), m_waveforms->rowView(slot));
    }
    m_drops = std::make_unique<SlotDrops>(
        window, std::move(cells),
        SlotDrops::Actions{
            [this] { return shownSlotCount(); },
            [this](int slot, const std::string& path) { emit fileDropped(slot, path); },
            [this](int slot, const std::string& path) { emit fileDroppedToShape(slot, path); },
            [this](const std::string& path) { emit bankFileDropped(path); },
            [this](int leftOver) { emit filesLeftOut(leftOver); },
            [this](std::size_t fromRow, int fromSlot, int slot) { emit slotDropped(fromRow, fromSlot, slot); }});
}

BankView::~BankView() = default;

void BankView::show(const IBank& bank, bool editable)
{
    m_bank = &bank;
    const int count = bank.getContentCount();
    m_bankName.setText(QString::fromStdString(bank.getName()));
    m_bankName.setEnabled(editable);
    for (int slot = 0; slot < m_labels.numberOfRows(); ++slot) {
        QLabel* label = m_labels.cellWithTag(slot);
        QLineEdit* name = m_names.cellWithTag(slot);
        QPushButton* open = m_openButtons.cellWithTag(slot);
        const auto index = static_cast<std::uint16_t>(slot);
        if (slot < count) {
            label->setText(QString::fromStdString(bank.getContentLabel(index)));
            name->setText(QString::fromStdString(bank.getContentName(index)));
            name->setEnabled(editable);
            open->setEnabled(editable);
        } else {
            label->clear();
            name->clear();
            name->setEnabled(false);
            open->setEnabled(false);
        }
        nameRow(slot, label->text());
    }
    for (QWidget* button : m_bankButtons)
        button->setEnabled(editable);
    showRows(bank);
    m_waveforms->show(bank);
    m_loudness->show(bank);
    m_player->show(bank);
}

void BankView::nameRow(int slot, const QString& label)
{
    // Six rows of "Import…" and "Play" buttons sound alike to a screen reader: each says its row.
    const int number = slot + 1;
    m_names.cellWithTag(slot)->setAccessibleName(tr("Name of slot %1, %2").arg(number).arg(label));
    m_openButtons.cellWithTag(slot)->setAccessibleName(tr("Import into slot %1, %2").arg(number).arg(label));
    if (QPushButton* play = m_playButtons.cellWithTag(slot))
        play->setAccessibleName(tr("Play slot %1, %2").arg(number).arg(label));
}

void BankView::showRows(const IBank& bank)
{
    const int count = bank.getContentCount();
    const SlotContent* first = bank.getContent(0);
    const bool firmware = first != nullptr && !first->isSample();
    QStringList firmwareSlots;
    for (int slot = 0; slot < m_labels.numberOfRows(); ++slot) {
        for (QWidget* cell : std::initializer_list<QWidget*>{
                 m_labels.cellWithTag(slot), m_names.cellWithTag(slot), m_openButtons.cellWithTag(slot),
                 m_playButtons.cellWithTag(slot), m_waveforms->rowView(slot)})
            cell->setVisible(slot < count);
        if (firmware && slot < count)
            firmwareSlots << firmwareSlotText(bank, slot);
    }
    m_firmwareText->setText(firmwareSlots.join(QLatin1Char('\n')));
    m_firmwareText->setVisible(firmware);
}

QString BankView::bankName() const
{
    return m_bankName.text();
}

std::optional<QString> BankView::slotName(int slot) const
{
    const QLineEdit* cell = m_names.cellWithTag(slot);
    return cell != nullptr ? std::optional<QString>(cell->text()) : std::nullopt;
}

void BankView::commitTypedName()
{
    auto* focused = qobject_cast<QLineEdit*>(m_bankName.window()->focusWidget());
    if (focused == &m_bankName)
        emit bankNameEdited();
    else if (focused != nullptr && m_names.cells().contains(focused))
        emit slotNameEdited(CellMatrix<QLineEdit>::tagOf(focused));
}

void BankView::selectSlot(int slot)
{
    m_waveforms->select(slot);
}

void BankView::takeDrag(QDropEvent& event)
{
    m_drops->take(event);
}

int BankView::selectedSlot() const
{
    return m_waveforms->selectedSlot();
}

std::optional<double> BankView::selectedSlotSeconds() const
{
    const int slot = selectedSlot();
    if (m_bank == nullptr || slot < 0 || slot >= shownSlotCount()
        || !m_bank->isSampleContent(static_cast<std::uint16_t>(slot)))
        return std::nullopt;
    return static_cast<double>(m_bank->getContent(static_cast<std::uint16_t>(slot))->getSize()) / audio::kDeviceRate;
}

void BankView::fill(int firstSlot, const std::vector<std::string>& paths)
{
    m_drops->fill(firstSlot, paths);
}

bool BankView::eventFilter(QObject* watched, QEvent* event)
{
    const auto* field = qobject_cast<const QLineEdit*>(watched);
    if (field != nullptr && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if ((key->matches(QKeySequence::Undo) && !field->isUndoAvailable())
            || (key->matches(QKeySequence::Redo) && !field->isRedoAvailable())) {
            // Not taken by the field: the key goes on to the shortcuts.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

int BankView::shownSlotCount() const
{
    return m_bank != nullptr ? static_cast<int>(m_bank->getContentCount()) : 0;
}
