#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class IBank;
class QObject;
class WrapperZQMidiInterface;

// One transmission: sends its own copies of banks, one after the other, through a MIDI interface
// on a thread of its own, so that the window stays responsive and the user may go on editing the
// working banks. It reports back only by queued calls that run on the thread of `receiver`.
class CTransmission {
public:
    using StatusHandler = std::function<void(const std::string& bankName)>;
    // sent is false when the MIDI output failed; the remaining banks were not sent then.
    using EndHandler = std::function<void(bool sent)>;

    CTransmission(QObject& receiver, std::shared_ptr<WrapperZQMidiInterface> midi,
                  std::vector<std::unique_ptr<IBank>> banks, std::uint32_t channel,
                  StatusHandler onBankStarted, EndHandler onEnded);
    // Waits for the worker: it has ended by the time its end is reported.
    ~CTransmission();

    CTransmission(const CTransmission&) = delete;
    CTransmission& operator=(const CTransmission&) = delete;

private:
    void run(std::shared_ptr<WrapperZQMidiInterface> midi, std::vector<std::unique_ptr<IBank>> banks);

    QObject& m_receiver;
    const std::uint32_t m_channel;
    const StatusHandler m_onBankStarted;
    const EndHandler m_onEnded;
    std::thread m_worker;
};
