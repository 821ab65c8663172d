#include "midiio/MidiContext.h"

MidiContext::MidiContext(IMidiService& service, IClock& clock)
    : m_service(service)
    , m_clock(clock)
{
}

MidiRef MidiContext::sharedClient()
{
    std::call_once(m_clientOnce, [this] { m_client = m_service.createClient("WrapperZQMidiInterface_mac_Client"); });
    return m_client;
}
