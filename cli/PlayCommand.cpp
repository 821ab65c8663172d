#include "cli/PlayCommand.h"

#include "audio/DecodedSound.h"
#include "audio/SlotImport.h"
#include "audio/SoundFileTypes.h"
#include "bytes/SourceFileReader.h"
#include "cli/AdviceWords.h"
#include "cli/BankSet.h"
#include "cli/ImportCommand.h"
#include "content/SlotContent.h"
#include "playback/ISoundOutput.h"
#include "playback/SourceRun.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <future>
#include <iostream>
#include <utility>

namespace {

// The most of a file played as it is, as the sound browser plays it: seconds.
constexpr double kLongestPlay = 60.0;

std::string fixed(double value)
{
    std::array<char, 32> digits{};
    const auto end
        = std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed, 2).ptr;
    return std::string(digits.data(), end);
}

// "0.30 s, 44100 Hz, mono"; "the first 60.00 s of 180.00 s, 48000 Hz, stereo".
std::string heard(const audio::DecodedSound& sound)
{
    const audio::PcmFrames& frames = sound.frames;
    const double rate = frames.m_samplerate;
    const double held = static_cast<double>(frames.frameCount()) / rate;
    const double whole = static_cast<double>(std::max<std::uint64_t>(sound.wholeFrames, frames.frameCount())) / rate;
    const std::string length
        = whole > held + 0.005 ? "the first " + fixed(held) + " s of " + fixed(whole) : fixed(held);
    const std::string channels = frames.m_channels == 1 ? "mono"
                                 : frames.m_channels == 2
                                     ? "stereo"
                                     : "the first two of " + std::to_string(frames.m_channels) + " channels";
    return length + " s, " + std::to_string(std::lround(rate)) + " Hz, " + channels;
}

std::string whyNotDecoded(const audio::ImportResult& refused)
{
    using Refusal = audio::ImportResult::Refusal;
    if (refused.refusal == Refusal::Undecodable)
        return "could not be decoded: " + refused.detail();
    if (refused.refusal == Refusal::OtherSoundFormat)
        return std::string(audio::kWrongFileFormat) + ": this sound's format cannot be decoded; zylox plays "
               + audio::decodedFormatsText() + " sounds";
    return "not a sound file zylox decodes (" + audio::decodedFormatsText() + ")";
}

} // namespace

PlayCommand::PlayCommand(CLI::App& app, OutputFactory makeOutput)
    : Command(app, "play",
              "Play a sample slot, or what importing a sound file would put into it, through the "
              "system's sound output; a sound file alone plays as it is")
    , m_makeOutput(std::move(makeOutput))
{
    CLI::Option* bank = addBankOption(*m_command, m_row);
    CLI::Option* slot = m_slot.addTo(*m_command, "Slot: 0 to 5 or its label (\"CLOSED HI HAT\", any case)");
    bank->needs(slot);
    slot->needs(bank);
    m_command->add_option("source", m_source,
                          "A sound file to hear as the import would shape it into the slot "
                          "(nothing is written); without --bank and --slot, the file as it is "
                          "(its first minute, at its own rate)");
    m_shape.addTo(*m_command);
    addBankFileOption();
    // Only a slot has a shape or a bank file to take it from.
    for (CLI::Option* option : m_shape.options())
        option->needs(bank);
    m_command->get_option("--in")->needs(bank);
}

int PlayCommand::run()
{
    if (const int status = m_shape.resolve())
        return status;
    if (m_slot.given())
        return playSlot();
    if (m_source.empty()) {
        std::cerr << "zylox: play: name a sound file, or a slot with --bank and --slot\n";
        return 2;
    }
    return playFile();
}

int PlayCommand::playFile()
{
    // A minute of the source, as the editor keeps.
    SourceFileReader source(m_source);
    if (source.error() != 0)
        return fail(m_source, std::strerror(source.error()));
    const audio::DecodedSound sound
        = audio::decodeSound(source, audio::secondsWanted(0.0, kLongestPlay), audio::heldSourceLimit());
    if (!sound)
        return fail(m_source, whyNotDecoded(sound.failure));
    if (sound.frames.frameCount() == 0)
        return fail(m_source, "holds no sound");
    std::cout << std::filesystem::path(m_source).filename().string() << ": " << heard(sound) << '\n';
    PcmRun run = sourceRun(sound, {0, sound.frames.frameCount()});
    return play([&run](ISoundOutput& output, ISoundOutput::EndHandler onEnd) {
        output.playRun(std::move(run), std::move(onEnd));
    });
}

int PlayCommand::playSlot()
{
    BankSet banks;
    std::uint16_t slot = 0;
    if (const int status = openSlotBanks(banks, m_row, m_slot, slot))
        return status;
    const IBank& bank = banks.bank(m_row);
    const SlotContent& content = *bank.getContent(slot);
    if (!content.isSample())
        return fail(SlotChoice::name(m_row, slot), "holds a System Exclusive message, not a sound");
    std::vector<std::uint8_t> bytes = content.getData();
    if (!m_source.empty()) {
        if (const int status = shapeSource(bank, slot, bytes))
            return status;
    }
    return play([&bytes](ISoundOutput& output, ISoundOutput::EndHandler onEnd) {
        output.play(std::move(bytes), std::move(onEnd));
    });
}

int PlayCommand::shapeSource(const IBank& bank, std::uint16_t slot, std::vector<std::uint8_t>& bytes)
{
    const audio::SoundShape& options = m_shape.shape();
    SourceFileReader source(m_source);
    if (source.error() != 0)
        return fail(m_source, std::strerror(source.error()));
    // The import's own path, so what is heard is what an import would write.
    const audio::ImportResult result = audio::importSlot(source, options, bytes);
    const std::string name = std::filesystem::path(m_source).filename().string();
    if (!result)
        return fail(m_source, ImportCommand::reasonFor(result, bank, slot));
    const std::string where = SlotChoice::name(m_row, slot);
    std::cout << where << ": " << result.describeInNamedSlot(name) << '\n';
    if (const std::string warning = AdviceWords::warning(result); !warning.empty())
        std::cerr << "zylox: " << where << ": " << name << ": " << warning << '\n';
    return 0;
}

int PlayCommand::play(const std::function<void(ISoundOutput&, ISoundOutput::EndHandler)>& start)
{
    const std::unique_ptr<ISoundOutput> output = m_makeOutput();
    if (const std::string reason = output->unavailableReason(); !reason.empty())
        return fail("play", reason);

    std::promise<std::string> ended; // empty when every sample was heard
    start(*output, [&ended](bool played, const PlaybackFailure& failure) {
        ended.set_value(played    ? std::string()
                        : failure ? failure.describe()
                                  : "the sound output stopped before the end of the sound");
    });
    if (const std::string failure = ended.get_future().get(); !failure.empty())
        return fail("play", failure);
    return 0;
}
