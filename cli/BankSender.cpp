#include "cli/BankSender.h"

#include "midiio/WrapperZQMidiInterface.h"
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

BankSender::BankSender(ZQMidiSystem& system, std::ostream& out, bool terminal)
    : m_system(system), m_out(out), m_terminal(terminal)
{
}

std::string BankSender::progressBar(const std::string& bank, std::uint64_t percent, std::int64_t secondsLeft)
{
    const std::size_t filled = std::min<std::size_t>(barWidth, percent * barWidth / 100);
    return "\r" + bank + " [" + std::string(filled, '#') + std::string(barWidth - filled, '-') + "] " +
           std::to_string(percent) + "%, " + std::to_string(std::max<std::int64_t>(secondsLeft, 0)) + " s left  ";
}

std::string BankSender::progressLine(const std::string& bank, std::uint64_t percent, std::int64_t secondsLeft)
{
    return bank + ": " + std::to_string(percent) + "%, " + std::to_string(std::max<std::int64_t>(secondsLeft, 0)) +
           " s left\n";
}

void BankSender::showProgress(const std::string& bank, std::uint64_t percent, std::int64_t estimate)
{
    const std::int64_t left = estimate - static_cast<std::int64_t>(percent) * estimate / 100;
    if (m_terminal) {
        m_out << progressBar(bank, percent, left) << std::flush;
    } else if (percent / 10 > m_shownTenths) {
        m_shownTenths = percent / 10;
        m_out << progressLine(bank, percent, left) << std::flush;
    }
}

bool BankSender::send(const std::vector<IBank*>& banks, std::uint16_t port, std::int32_t channel,
                      std::string& failedBank)
{
    auto wrapper = WrapperZQMidiInterface::createTransmitter(m_system, port);
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool allSent = true;
    std::string current;

    std::thread worker([&] {
        for (IBank* bank : banks) {
            const std::string name = bank->getName();
            {
                std::lock_guard lock(mutex);
                current = name;
                m_shownTenths = 0;
                m_out << "sending bank (" << name << ")...\n" << std::flush;
            }
            const bool sent = wrapper->transmitBank(*bank, channel);
            std::lock_guard lock(mutex);
            current.clear();
            if (m_terminal)
                m_out << (sent ? progressBar(name, 100, 0) : std::string{}) << '\n';
            m_out << name << (sent ? ": sent\n" : ": FAILED\n") << std::flush;
            if (!sent) {
                allSent = false;
                failedBank = name;
                break;
            }
        }
        std::lock_guard lock(mutex);
        done = true;
        finished.notify_all();
    });

    std::unique_lock lock(mutex);
    while (!done) {
        finished.wait_for(lock, refresh, [&] { return done; });
        if (!done && !current.empty())
            showProgress(current, wrapper->Progress(), wrapper->timeDuration());
    }
    lock.unlock();
    worker.join();
    return allSent;
}
