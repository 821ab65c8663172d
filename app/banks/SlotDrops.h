#pragma once

#include <QPoint>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QDropEvent;
class QWidget;

// The drop room: sound files dropped onto a slot row are imported there, several files fill the
// slots in order from the row under the pointer, and a bank file (.mid) dropped anywhere on the
// window is opened. What is imported or opened goes the ways Import… and Open… go. One file
// dragged from the window's own sound browser is shaped in the sound panel first, as Import… does.
// A slot's waveform dropped onto another slot's row copies the slot there, its kept source along.
class SlotDrops {
public:
    // The format a drag from the sound browser carries besides its files.
    static constexpr const char* kChosenInBrowser = "application/x-zylox-browser-files";

    struct Actions {
        // How many slots the shown bank has.
        std::function<int()> slotCount;
        // Imports the file into the slot, telling the user whatever it refuses.
        std::function<void(int slot, const std::string& path)> import;
        // Opens the sound panel for the file, to go into the slot.
        std::function<void(int slot, const std::string& path)> shape;
        std::function<void(const std::string& path)> open;
        // Says that files were left over past the bank's last slot.
        std::function<void(int leftOver)> tellLeftOver;
        // Puts the sound of a slot of this editor, dragged by its waveform, into the slot.
        std::function<void(std::size_t fromRow, int fromSlot, int slot)> copySlot;
    };

    // rows[s] are the widgets of slot row s; they and the window stay the caller's. The window
    // takes drops and hands over the drags that reach it.
    SlotDrops(QWidget& window, std::vector<std::vector<QWidget*>> rows, Actions actions);

    // A drag entering, moving over or dropped onto the window, which no control under the pointer
    // took: accepted or refused, and what is dropped imported or opened.
    void take(QDropEvent& event);
    // Imports file k into the k-th slot from first on, as a drop of the files there does, and tells
    // of those the bank has no slot for.
    void fill(int first, const std::vector<std::string>& paths);

private:
    // The row and slot of this editor's a drag carries, from the waveform it left; none otherwise.
    static std::optional<std::pair<std::size_t, int>> slotDragged(const QDropEvent& event);
    // The local files a drag carries; empty when it carries anything else.
    static std::vector<std::string> files(const QDropEvent& event);
    static bool isBankFile(const std::string& path);
    // The slot whose row is under a point of the window, or -1 when it is on no row the bank has.
    int slotAt(QPoint at) const;
    // Whether these files may land at this point of the window.
    bool accepts(const std::vector<std::string>& paths, QPoint at) const;
    void drop(const std::vector<std::string>& paths, QPoint at, bool fromBrowser);

    QWidget& m_window;
    std::vector<std::vector<QWidget*>> m_rows;
    Actions m_actions;
};
