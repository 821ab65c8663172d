#pragma once

#include "audio/ImportResult.h"
#include "audio/SoundShape.h"
#include "bytes/MemorySource.h"
#include "model/MessageSlotRefusal.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <vector>

class SlotContent;
class FlashEvent;

// What the editor, the bank file and the MIDI transport see of a bank: a numbered, named set of
// slots and the flash dump built from them. Banks are copied only through clone; whoever gets a
// bank from clone, cloneOf or a constructor owns it. Slot indices out of range are never an error:
// getters return empty or false, setters do nothing.
class IBank {
public:
    virtual ~IBank() = default;
    IBank& operator=(const IBank&) = delete;

    virtual IBank* clone() const = 0;
    // Imports a file (read where the slot's content needs it: a sound's region, a message's first
    // bytes) into a slot and says what it did; when it took it the slot is named after the base name
    // of path, otherwise the bank is unchanged. A bank takes only what belongs to its own flash blocks.
    virtual audio::ImportResult importContent(std::uint16_t index, SourceReader& source, const std::string& path,
                                              const audio::SoundShape& options)
        = 0;
    // The same of a whole file's bytes in memory.
    audio::ImportResult importContent(std::uint16_t index, std::span<const std::uint8_t> source,
                                      const std::string& path, const audio::SoundShape& options)
    {
        MemorySource memory(source);
        return importContent(index, memory, path, options);
    }
    // Puts a sound already rendered for a sample slot into it, named name: exactly as many device
    // bytes as the slot holds. Anything else (a firmware slot, another length) is refused with
    // false, the bank unchanged.
    virtual bool putSound(std::uint16_t index, std::span<const std::uint8_t> bytes, const std::string& name) = 0;
    virtual std::uint16_t getContentCount() const = 0;
    virtual std::string getName() const = 0;
    virtual std::string getContentLabel(std::uint16_t index) const = 0;
    virtual std::string getContentName(std::uint16_t index) const = 0;
    virtual bool isSampleContent(std::uint16_t index) const = 0;
    virtual void setName(const char* name) = 0;
    virtual void setContentName(std::uint16_t index, const char* name) = 0;
    virtual std::uint16_t getIndex() const = 0;
    virtual void setIndex(std::uint16_t index) = 0;
    // Builds the bank's dump, erase and write for each of its two flash blocks in sending order,
    // replacing (and deleting) the events of the previous call. Only the low 4 bits of the channel
    // are used. The events belong to the bank.
    virtual const std::vector<FlashEvent*>& createEvents(std::uint16_t channel) = 0;
    // Replaces the slot data by copies taken from the given messages (which stay the caller's).
    // Returns false, with the bank unchanged, when the messages cannot fill the bank or address
    // flash blocks that are not its own.
    virtual bool setContents(const std::vector<SlotContent*>& contents) = 0;
    // Why the device must not be sent this bank as it stands; none when it may. A file saved by an
    // earlier version can hold a firmware slot that no import takes any more: it still opens, so
    // that the sound banks beside it are not lost, but it is never sent.
    virtual std::optional<SlotRefusal> sendRefusal() const = 0;
    virtual const std::vector<std::string>& getContentNames() const = 0;
    virtual void setContentNames(const std::vector<std::string>& names) = 0;
    virtual void print(std::ostream& out, bool dumpData) const = 0;
    // The clone of other; the bank it is called on plays no part.
    virtual IBank* cloneOf(const IBank& other) const = 0;
    // The slot's content, still owned by the bank; null when the index is out of range.
    virtual const SlotContent* getContent(std::uint16_t index) const = 0;

protected:
    IBank() = default;
    IBank(const IBank&) = default;
};
