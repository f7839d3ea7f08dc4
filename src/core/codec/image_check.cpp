#include "core/codec/image_check.h"

#include "core/codec/channel_slot_codec.h"
#include "core/codec/option_block_codec.h"
#include "core/text/catalogue.h"

namespace {

constexpr int kOptionBytesShown = 5;

} // namespace

QStringList ForeignImageReasons(const RadioImage& image, const Catalogue& catalogue) {
    QStringList reasons;
    if (const int damaged = DamagedChannelSlots(image); damaged > kDamagedSlotsTolerated)
        reasons << catalogue.Text(TextId::ImageDamagedSlots).arg(damaged);
    if (MarksGroupsBeyondLast(image))
        reasons << catalogue.Text(TextId::ImageGroupFlags);
    if (const QStringList bytes = OptionBytesOutOfRange(image); !bytes.isEmpty()) {
        // The first few say enough; a long list would hide the other reasons.
        QString shown = bytes.mid(0, kOptionBytesShown).join(QStringLiteral(", "));
        if (bytes.size() > kOptionBytesShown)
            shown += QStringLiteral(", ...");
        reasons << catalogue.Text(TextId::ImageOptionBytes).arg(bytes.size()).arg(shown);
    }
    return reasons;
}

QString ForeignImageMessage(const RadioImage& image, const Catalogue& catalogue) {
    const QStringList reasons = ForeignImageReasons(image, catalogue);
    if (reasons.isEmpty())
        return {};
    return catalogue.Text(TextId::ImageNotThisModel) + QStringLiteral("\r\n") +
           reasons.join(QStringLiteral("\r\n"));
}
