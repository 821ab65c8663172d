#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <memory>
#include <string>
#include <vector>

class QSettings;

// What the editor remembers from one run to the next. Every value has a sensible answer before it
// was ever stored, and a stored value that no longer makes sense reads as that answer.
class Settings {
public:
    // The folders the file panels start in, one per kind of file chosen.
    enum class Folder { Open, Save, Import };

    // The user's settings of this program.
    Settings();
    // Settings kept in an INI file of their own (tests, or a scratch location).
    explicit Settings(const QString& iniPath);
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // The folder of the last file chosen for that purpose; empty when none was, or it has gone.
    QString folder(Folder which) const;
    // Remembers the folder a chosen file is in.
    void rememberFile(Folder which, const QString& path);

    // The MIDI output last chosen, as the output list names or identifies it; empty when none.
    QString output() const;
    void setOutput(const QString& output);
    // The MIDI channel as the user counts it, 1 to 16.
    int channel() const;
    void setChannel(int channel);
    // Whether "All banks" rather than "Current bank" was chosen.
    bool allBanks() const;
    void setAllBanks(bool allBanks);
    // The set's bank file (the one Save writes) when it last became one, as the file system's
    // bytes; empty before any.
    std::string lastFile() const;
    // An empty path leaves the last file as it was: the set without a file has not forgotten it.
    void setLastFile(const std::string& path);
    // Whether the window opens the last file again at start; off until the user turns it on.
    bool reopensLastFile() const;
    void setReopensLastFile(bool reopens);
    // Whether a hit of the closed hi-hat pad ends the open hi-hat's sound, as on the device; on
    // until the user turns it off.
    bool chokesOpenHat() const;
    void setChokesOpenHat(bool chokes);
    // QWidget::saveGeometry and QSplitter::saveState of the window.
    QByteArray geometry() const;
    void setGeometry(const QByteArray& geometry);
    QByteArray splitter() const;
    void setSplitter(const QByteArray& state);

    // Writes what was stored to the disk now, rather than a moment later or when the settings go.
    void sync();

    // Anything else a room of the editor keeps, under a key of its own ("import/resample").
    QVariant value(const QString& key, const QVariant& fallback = {}) const;
    void setValue(const QString& key, const QVariant& value);
    // Files' paths kept under a key of their own, as the file system's bytes, in their order.
    std::vector<std::string> paths(const QString& key) const;
    void setPaths(const QString& key, const std::vector<std::string>& paths);

private:
    void store(const QString& key, const QVariant& value);

    std::unique_ptr<QSettings> m_store;
};
