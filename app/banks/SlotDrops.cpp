#include "app/banks/SlotDrops.h"

#include "app/sounds/Waveforms.h"

#include <QCoreApplication>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <cctype>

SlotDrops::SlotDrops(QWidget& window, std::vector<std::vector<QWidget*>> rows, Actions actions)
    : m_window(window)
    , m_rows(std::move(rows))
    , m_actions(std::move(actions))
{
    m_window.setAcceptDrops(true);
}

std::vector<std::string> SlotDrops::files(const QDropEvent& event)
{
    std::vector<std::string> paths;
    for (const QUrl& url : event.mimeData()->urls()) {
        if (!url.isLocalFile())
            return {};
        // By the name's own bytes: a name that is not UTF-8 comes percent-encoded, and a text of
        // the window would lose what it cannot show.
        paths.push_back(url.host().isEmpty()
                            ? QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString()
                            : QFile::encodeName(url.toLocalFile()).toStdString());
    }
    return paths;
}

bool SlotDrops::isBankFile(const std::string& path)
{
    std::string extension = path.size() >= 4 ? path.substr(path.size() - 4) : std::string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".mid";
}

int SlotDrops::slotAt(QPoint at) const
{
    const int count = std::min(m_actions.slotCount(), static_cast<int>(m_rows.size()));
    for (int slot = 0; slot < count; ++slot) {
        QRect band;
        for (const QWidget* cell : m_rows[static_cast<std::size_t>(slot)])
            band |= QRect(cell->mapTo(&m_window, QPoint(0, 0)), cell->size());
        if (band.contains(at))
            return slot;
    }
    return -1;
}

bool SlotDrops::accepts(const std::vector<std::string>& paths, QPoint at) const
{
    if (paths.empty())
        return false;
    if (paths.size() == 1 && isBankFile(paths.front()))
        return true;
    return slotAt(at) >= 0;
}

void SlotDrops::drop(const std::vector<std::string>& paths, QPoint at, bool fromBrowser)
{
    // A bank file opens wherever it lands: taken into a slot it would only be noise.
    if (paths.size() == 1 && isBankFile(paths.front()))
        return m_actions.open(paths.front());
    const int first = slotAt(at);
    if (first < 0)
        return;
    if (fromBrowser && paths.size() == 1)
        return m_actions.shape(first, paths.front());
    fill(first, paths);
}

void SlotDrops::fill(int first, const std::vector<std::string>& paths)
{
    if (first < 0)
        return;
    // File k goes to the k-th slot from the pointer on, whether or not the ones before took theirs,
    // so the order the user chose is the order in the bank.
    const auto room = static_cast<std::size_t>(std::max(0, m_actions.slotCount() - first));
    for (std::size_t k = 0; k < std::min(room, paths.size()); ++k)
        m_actions.import(first + static_cast<int>(k), paths[k]);
    if (paths.size() > room)
        m_actions.tellLeftOver(static_cast<int>(paths.size() - room));
}

std::optional<std::pair<std::size_t, int>> SlotDrops::slotDragged(const QDropEvent& event)
{
    const QList<QByteArray> place = event.mimeData()->data(QString::fromLatin1(Waveforms::kSlotDragFormat)).split(' ');
    bool numbers[3]{};
    if (place.size() != 3 || place[0].toLongLong(&numbers[0]) != QCoreApplication::applicationPid())
        return std::nullopt;
    const unsigned row = place[1].toUInt(&numbers[1]);
    const int slot = place[2].toInt(&numbers[2]);
    if (!numbers[0] || !numbers[1] || !numbers[2] || slot < 0)
        return std::nullopt;
    return std::pair{std::size_t{row}, slot};
}

void SlotDrops::take(QDropEvent& drag)
{
    const QEvent::Type type = drag.type();
    const QPoint at = drag.position().toPoint();
    if (const auto from = slotDragged(drag)) {
        const int slot = slotAt(at);
        if (type != QEvent::DragEnter && slot < 0) {
            drag.ignore();
            return;
        }
        drag.setDropAction(Qt::CopyAction);
        drag.accept();
        if (type == QEvent::Drop)
            m_actions.copySlot(from->first, from->second, slot);
        return;
    }
    const std::vector<std::string> paths = files(drag);
    // Entering only asks whether files come at all: the pointer may still move onto a slot row.
    if (type == QEvent::DragEnter ? paths.empty() : !accepts(paths, at)) {
        drag.ignore();
        return;
    }
    drag.setDropAction(Qt::CopyAction);
    drag.accept();
    if (type == QEvent::Drop)
        drop(paths, at, drag.mimeData()->hasFormat(QString::fromLatin1(kChosenInBrowser)));
}
