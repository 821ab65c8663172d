#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QTableView;

// Lets the bank table answer to the numbers it shows: typing "21" (or "s21") selects S21, "f"
// the firmware bank. Keys typed within the desktop's type-ahead interval add up to one number;
// any other key goes on to the table.
class BankTypeAhead : public QObject {
    Q_OBJECT
public:
    // Watches the table, whose parent owns this.
    explicit BankTypeAhead(QTableView& table);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The row the typed text names, or -1.
    static int rowNamed(const QString& typed);

    QTableView& m_table;
    QString m_typed;
    QElapsedTimer m_sinceLastKey;
};
