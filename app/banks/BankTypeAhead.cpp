#include "app/banks/BankTypeAhead.h"

#include "model/FactoryTables.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTableView>

#include <algorithm>

namespace {

// What typed text names besides a row.
constexpr int kNothing = -1;
constexpr int kBeginning = -2; // "S", "0" or "S0": the start of a number

} // namespace

BankTypeAhead::BankTypeAhead(QTableView& table)
    : QObject(&table)
    , m_table(table)
{
    table.installEventFilter(this);
}

bool BankTypeAhead::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_table || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text().toUpper();
    // Any other key, moving through the table or not, ends what was being typed.
    if (text.size() != 1 || !text.at(0).isPrint()
        || (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != 0) {
        m_typed.clear();
        return false;
    }
    if (!m_sinceLastKey.isValid() || m_sinceLastKey.elapsed() > QApplication::keyboardInputInterval())
        m_typed.clear();
    m_sinceLastKey.start();
    m_typed += text;
    int row = rowNamed(m_typed);
    // "4" then "5" names no bank: the second key starts a new number of its own.
    if (row == kNothing && m_typed.size() > 1) {
        m_typed = text;
        row = rowNamed(m_typed);
    }
    if (row == kNothing) {
        m_typed.clear();
        return false;
    }
    if (row >= 0 && row < m_table.model()->rowCount())
        m_table.selectRow(row);
    return true;
}

int BankTypeAhead::rowNamed(const QString& typed)
{
    if (QStringLiteral("FIRMWARE").startsWith(typed) || typed == QLatin1String("FW"))
        return factory::kSoundBankCount;
    const QString digits = typed.startsWith(QLatin1Char('S')) ? typed.mid(1) : typed;
    bool isNumber = false;
    const int shown = digits.toInt(&isNumber);
    const bool onlyDigits = !digits.isEmpty() && digits.size() <= 2
                            && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
    if (digits.isEmpty() && typed == QLatin1String("S"))
        return kBeginning;
    if (!onlyDigits || !isNumber || shown > factory::kSoundBankCount || (shown == 0 && digits.size() > 1))
        return kNothing;
    return shown == 0 ? kBeginning : shown - 1;
}
