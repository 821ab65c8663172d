#include "app/files/BankSoundsExport.h"

#include "app/common/IDialogs.h"
#include "app/common/MenuItems.h"
#include "app/common/ShownNames.h"
#include "app/common/WindowText.h"
#include "app/document/WorkingBanks.h"
#include "model/BankSoundFiles.h"

#include <QAction>
#include <QMenu>

BankSoundsExport::BankSoundsExport(IDialogs& dialogs, const WorkingBanks& banks, QWidget& window, QMenu& menu,
                                   QAction* after, std::function<std::optional<std::size_t>()> row)
    : QObject(&window)
    , m_dialogs(dialogs)
    , m_banks(banks)
    , m_row(std::move(row))
{
    m_item = new QAction(tr("E&xport Bank as Sounds…"), &window);
    m_item->setObjectName(QStringLiteral("menu_exportBankAsSounds"));
    MenuItems::insertAfter(menu, after, m_item);
    connect(&menu, &QMenu::aboutToShow, this, &BankSoundsExport::updateItem);
    connect(m_item, &QAction::triggered, this, &BankSoundsExport::exportBank);
}

void BankSoundsExport::updateItem()
{
    const std::optional<std::size_t> row = m_row();
    const QString refusal = row ? WindowText::of(BankSoundFiles::refusalFor(*row)) : QString();
    m_item->setEnabled(row && refusal.isEmpty());
    MenuItems::setReason(*m_item, refusal);
}

void BankSoundsExport::exportBank()
{
    const std::optional<std::size_t> row = m_row();
    if (!row)
        return;
    if (const Text refusal = BankSoundFiles::refusalFor(*row); !refusal.empty())
        return emit status(tr("Not exported: %1").arg(WindowText::of(refusal)));
    const std::string folder = m_dialogs.runFolderPanel(tr("Export Bank as Sounds"));
    if (folder.empty())
        return;
    const BankSoundFiles::Written written = BankSoundFiles::write(m_banks.bank(*row), folder);
    if (written.failure) {
        QString line = tr("Not exported: %1: %2")
                           .arg(quotedFileName(written.failedPath), WindowText::of(written.failure.text()));
        if (!written.paths.empty())
            line += QLatin1Char(' ')
                    + tr("(%n slot(s) written before it)", nullptr, static_cast<int>(written.paths.size()));
        return emit status(line);
    }
    emit status(tr("Exported %1 as %n sound file(s) into %2.", nullptr, static_cast<int>(written.paths.size()))
                    .arg(shownBankNumber(*row), quotedFileName(folder)));
}
