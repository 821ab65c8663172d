#include "cli/BankSender.h"

#include "midiio/BankTransmitter.h"
#include "model/IBank.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <ostream>
#include <thread>

namespace {

constexpr std::size_t barWidth = 30;
constexpr auto refresh = std::chrono::seconds(1);

} // namespace

BankSender::BankSender(std::ostream& out, bool terminal)
    : m_out(out)
    , m_terminal(terminal)
{
}

std::string BankSender::progressBar(const std::string& bank, std::uint64_t percent, std::int64_t secondsLeft)
{
    const std::size_t filled = std::min<std::size_t>(barWidth, percent * barWidth / 100);
    return "\r" + bank + " [" + std::string(filled, '#') + std::string(barWidth - filled, '-') + "] "
           + std::to_string(percent) + "%, " + TransmissionRun::durationText(secondsLeft) + " left  ";
}

std::string BankSender::progressLine(const std::string& bank, std::uint64_t percent, std::int64_t secondsLeft)
{
    return bank + ": " + std::to_string(percent) + "%, " + TransmissionRun::durationText(secondsLeft) + " left\n";
}

void BankSender::showProgress(const std::string& bank, std::uint64_t percent, std::int64_t secondsLeft)
{
    if (m_terminal) {
        m_out << progressBar(bank, percent, secondsLeft) << std::flush;
    } else if (percent / m_lineStep > m_shownSteps) {
        m_shownSteps = percent / m_lineStep;
        m_out << progressLine(bank, percent, secondsLeft) << std::flush;
    }
}

TransmissionAccount BankSender::send(BankTransmitter& wrapper, const std::vector<RowBank>& banks, std::int32_t channel,
                                     DeviceRecord* record)
{
    TransmissionRun run(wrapper, wrapper.clock(), channel, record);
    // About a hundred lines for a long transmission, ten for one bank.
    m_lineStep = std::max<std::uint64_t>(1, 10 / std::max<std::size_t>(1, banks.size()));
    m_shownSteps = 0;
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::string current;
    std::size_t currentRow = 0;

    std::thread worker([&] {
        run.run(banks, [&](std::size_t row, const std::string& name) {
            std::lock_guard lock(mutex);
            if (!current.empty())
                m_out << (m_terminal ? progressBar(current, run.percent(), run.secondsLeft()) + "\n" : "") << current
                      << ": sent\n";
            current = name;
            currentRow = row;
            m_out << "sending bank (" << name << ")...\n" << std::flush;
        });
        std::lock_guard lock(mutex);
        // The last bank begun may have arrived whole before the run ended (a stop between banks, a
        // bank the record refused).
        const std::vector<std::size_t>& complete = run.account().complete;
        const bool sent = !complete.empty() && complete.back() == currentRow;
        if (!current.empty())
            m_out << (m_terminal && sent ? progressBar(current, run.percent(), run.secondsLeft()) : std::string{})
                  << (m_terminal ? "\n" : "") << current
                  << (sent                                                     ? ": sent\n"
                      : run.account().end == TransmissionAccount::End::Stopped ? ": STOPPED\n"
                                                                               : ": FAILED\n")
                  << std::flush;
        current.clear();
        done = true;
        finished.notify_all();
    });

    std::unique_lock lock(mutex);
    while (!finished.wait_for(lock, refresh, [&] { return done; }))
        if (!current.empty())
            showProgress(current, run.percent(), run.secondsLeft());
    lock.unlock();
    worker.join();
    return run.account();
}
