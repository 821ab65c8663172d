#include "app/transfer/RecordHandoverPrompt.h"

#include "app/common/WindowText.h"
#include "midiio/record/DeviceRecord.h"
#include "midiio/record/RecordHandover.h"

QString RecordHandoverPrompt::settle(const MidiPortIdentity& output, const std::vector<MidiPortIdentity>& present)
{
    const std::string folder = DeviceRecord::defaultFolder();
    RecordHandover handover = RecordHandover::forDevice(folder, output, present);
    bool written = true;
    switch (handover.step()) {
    case RecordHandover::Step::None:
        return {};
    case RecordHandover::Step::TakeOver:
        written = handover.takeOver(folder, output);
        break;
    case RecordHandover::Step::Ask: {
        const QString question
            = tr("%1 has no device record yet.\nIs this the same ZYLOX 515 as the one last sent to through %2?\n"
                 "If it is, that device's record (what it was sent, where a stopped send resumes, its output settings) "
                 "moves to this socket; if not, each keeps a record of its own.")
                  .arg(QString::fromStdString(handover.name()), QString::fromStdString(handover.fromName()));
        const IDialogs::AlertReply reply = m_dialogs.runAlert({IDialogs::AlertStyle::Question,
                                                               tr("Same Device?"),
                                                               question,
                                                               tr("Same Device"),
                                                               tr("Another Device"),
                                                               {},
                                                               IDialogs::AlertReply::Alternate});
        written = reply == IDialogs::AlertReply::Default ? handover.takeOver(folder, output)
                                                         : handover.keepApart(folder, output);
        break;
    }
    }
    return written ? QString() : WindowText::of(handover.failure().text());
}
