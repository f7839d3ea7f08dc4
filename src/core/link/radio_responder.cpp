#include "core/link/radio_responder.h"

#include "core/link/link_packets.h"

RadioResponder::RadioResponder() {
    image.fill(0xFF);
    freshImage_.fill(0xFF);
}

bool RadioResponder::AnswerHandshake() {
    if (answeredSinceWrite_ >= 0) {
        if (answeredSinceWrite_ < faults.swapAfterWrite) {
            ++answeredSinceWrite_;
        } else {
            // Unplugged: the next radio comes after four silent handshakes.
            answeredSinceWrite_ = -1;
            faults.silentHandshakes = 4;
            swapping_ = true;
        }
    }
    if (faults.silentHandshakes > 0) {
        --faults.silentHandshakes;
        return false;
    }
    if (swapping_) {
        swapping_ = false;
        ++radioNumber_;
        image = freshImage_;
    }
    return true;
}

qsizetype RadioResponder::RequestLength() const {
    if (buffer_.isEmpty())
        return 0;
    qsizetype needed = 0;
    switch (buffer_[0]) {
    case 'P':
        needed = 7;
        break;
    case 0x02:
        needed = 1;
        break;
    case 'R':
        needed = 4;
        break;
    case 'E':
        needed = 3;
        break;
    case 'W':
        if (buffer_.size() < 4)
            return 0;
        needed = static_cast<uint8_t>(buffer_[3]) + 6;
        break;
    default:
        return -1;
    }
    return buffer_.size() >= needed ? needed : 0;
}

QList<QByteArray> RadioResponder::Feed(const QByteArray& bytes) {
    QList<QByteArray> replies;
    if (lineDropped_)
        return replies;
    buffer_.append(bytes);
    for (;;) {
        const qsizetype length = RequestLength();
        if (length == 0)
            break;
        if (length < 0) {
            buffer_.remove(0, 1); // noise between requests
            continue;
        }
        const QByteArray request = buffer_.left(length);
        buffer_.remove(0, length);
        const QByteArray reply = Respond(request);
        if (lineDropped_)
            break;
        if (!reply.isEmpty())
            replies.append(reply);
    }
    return replies;
}

QByteArray RadioResponder::Respond(const QByteArray& request) {
    using namespace LinkPackets;
    if (request == HandshakeRequest()) {
        ++handshakes_;
        if (!AnswerHandshake())
            return {};
        programMode_ = true;
        blocksSinceHandshake_ = 0;
        return HandshakeReply();
    }
    if (!programMode_)
        return {};
    if (request == IdentifyRequest())
        return LinkPackets::IdentifyReply(modelCode, firmware);
    if (request == EndRequest()) {
        ++ends_;
        programMode_ = false;
        if (blocksSinceHandshake_ > 0) {
            ++writesCompleted_;
            if (faults.swapAfterWrite >= 0)
                answeredSinceWrite_ = 0;
        }
        blocksSinceHandshake_ = 0;
        return faults.skipEndAck ? QByteArray() : QByteArray(1, kAck);
    }
    const int address = static_cast<uint8_t>(request[1]) * 256 + static_cast<uint8_t>(request[2]);
    const int length = static_cast<uint8_t>(request[3]);
    if (address + length > kImageSize)
        return {};
    if (address == faults.dropLineAt || (request[0] == 'R' && address == faults.dropLineAtRead)) {
        lineDropped_ = true;
        return {};
    }
    if (request[0] == 'R') {
        QByteArray data(reinterpret_cast<const char*>(image.data()) + address, length);
        int named = address;
        if (address == faults.wrongAddressAt) {
            faults.wrongAddressAt = -1;
            named = address + length;
        }
        QByteArray reply = DataBlock(named, data);
        if (address == faults.corruptChecksumAt) {
            faults.corruptChecksumAt = -1;
            reply[reply.size() - 2] = static_cast<char>(reply[reply.size() - 2] + 1);
        }
        return reply;
    }
    // A written block is stored only when it arrived intact.
    if (!IsValidDataBlock(request, address, length))
        return {};
    std::copy(request.begin() + 4, request.begin() + 4 + length, image.begin() + address);
    if (faults.badStoreAt >= address && faults.badStoreAt < address + length)
        image[faults.badStoreAt] = static_cast<uint8_t>(image[faults.badStoreAt] ^ 0x01);
    ++blocksWritten_;
    ++blocksSinceHandshake_;
    return QByteArray(1, kAck);
}
