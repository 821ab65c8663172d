#include "app/banks/KitSlotRender.h"

#include "bytes/SourceFileReader.h"
#include "content/SlotContent.h"
#include "model/IBank.h"
#include "model/KitProposal.h"

#include <memory>

KitSlotRender::Rendered KitSlotRender::render(const IBank& bank, std::uint16_t slot, const KitFile& file)
{
    Rendered made;
    const SlotContent* content = bank.getContent(slot);
    SourceFileReader reader(file.path);
    if (content == nullptr || reader.error() != 0) {
        made.readable = content != nullptr;
        return made;
    }
    const audio::SoundShape shape = KitProposal::shapeFor(slot, file);
    made.source = {decodeKept(reader, content->getSize(), shape), file.path, shape,
                   fileStampOf(file.path).value_or(FileStamp{})};
    // Rendered in a copy, byte for byte as an import of the file with that shape makes it.
    const std::unique_ptr<IBank> scratch(bank.clone());
    made.result = scratch->importContent(slot, reader, file.path, shape);
    if (made.result)
        made.bytes = scratch->getContent(slot)->getData();
    return made;
}
