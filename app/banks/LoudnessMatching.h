#pragma once

#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>
#include <optional>

class QAbstractButton;
class QAction;
class QMenu;
class QWidget;
class WorkingBanks;

// Edit › Match Loudness… and the bank's Match Loudness… button: brings the sample slots of the bank
// on show to one loudness as the device plays them, the quietest slot's or a figure the user types
// (LoudnessMatch), as one undo step. A slot shaped from a file is rendered again from it with its new
// gain; a slot that is plain bytes is turned down from those bytes but never made louder than it is
// (no file is kept to make it louder from). A slot the target would make clip, or could not reach, is
// held and named in the status line.
class LoudnessMatching : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's; the item goes at the end of menu, Tab reaches button from
    // after. row tells the bank on show.
    LoudnessMatching(WorkingBanks& banks, QWidget& window, QMenu& menu, QAbstractButton& button, QWidget& after,
                     std::function<std::optional<std::size_t>()> row);

    // The bank on show changed: the item and the button are enabled for a sound bank, and otherwise
    // hold the reason.
    void showRow(std::optional<std::size_t> row);

signals:
    // What was matched, or why not, for the status line.
    void status(const QString& text);

private:
    void choose();
    void apply(std::size_t row, std::optional<double> target);

    WorkingBanks& m_banks;
    QWidget& m_window;
    QAbstractButton& m_button;
    std::function<std::optional<std::size_t>()> m_row;
    QAction* m_item = nullptr;
    QString m_tip; // the button's tooltip while it can match
};
