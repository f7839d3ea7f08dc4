#include "core/link/link_packets.h"

#include "core/base/text_util.h"

namespace LinkPackets {

namespace {
void AppendAddress(QByteArray& packet, int address) {
    packet.append(static_cast<char>((address >> 8) & 0xFF));
    packet.append(static_cast<char>(address & 0xFF));
}
} // namespace

QByteArray HandshakeRequest() {
    return QByteArrayLiteral("PROGRAM");
}

QByteArray HandshakeReply() {
    return QByteArray("PK") + kAck;
}

QByteArray IdentifyRequest() {
    return QByteArray(1, 0x02);
}

QByteArray ReadRequest(int address, int length) {
    QByteArray packet("R");
    AppendAddress(packet, address);
    packet.append(static_cast<char>(length));
    return packet;
}

QByteArray DataBlock(int address, const QByteArray& data) {
    QByteArray packet("W");
    AppendAddress(packet, address);
    packet.append(static_cast<char>(data.size()));
    packet.append(data);
    packet.append(static_cast<char>(BlockChecksum(packet)));
    packet.append(kAck);
    return packet;
}

QByteArray EndRequest() {
    return QByteArrayLiteral("END");
}

uint8_t BlockChecksum(const QByteArray& block) {
    // Bytes 1 to length + 3: address, length and data.
    if (block.size() < 4)
        return 0;
    const int last =
        std::min<int>(static_cast<int>(block.size()) - 1, static_cast<uint8_t>(block[3]) + 3);
    unsigned sum = 0;
    for (int i = 1; i <= last; ++i)
        sum += static_cast<uint8_t>(block[i]);
    return static_cast<uint8_t>(sum & 0xFF);
}

bool IsValidDataBlock(const QByteArray& bytes, int expectedAddress, int expectedLength) {
    if (bytes.isEmpty() || bytes[0] != 'W' || bytes.size() < 4)
        return false;
    const int address = static_cast<uint8_t>(bytes[1]) * 256 + static_cast<uint8_t>(bytes[2]);
    const int length = static_cast<uint8_t>(bytes[3]);
    if (address != expectedAddress || length != expectedLength)
        return false;
    if (bytes.size() != length + 6 || bytes.back() != kAck)
        return false;
    return static_cast<uint8_t>(bytes[length + 4]) == BlockChecksum(bytes);
}

ReplyKind Classify(const QByteArray& bytes, int expectedAddress, int expectedLength) {
    if (bytes.size() == 1 && bytes[0] == kAck)
        return ReplyKind::Ack;
    if (bytes == HandshakeReply())
        return ReplyKind::HandshakeReply;
    if (bytes.size() == kIdentifyReplyBytes && bytes[0] == 'I')
        return ReplyKind::IdentifyReply;
    if (IsValidDataBlock(bytes, expectedAddress, expectedLength))
        return ReplyKind::DataBlock;
    return ReplyKind::Unknown;
}

QString WhyRefused(const QByteArray& bytes, int expectedAddress, int expectedLength) {
    const auto hex = [](int value) { return QString::number(value, 16).toUpper(); };
    switch (Classify(bytes, expectedAddress, expectedLength)) {
    case ReplyKind::Ack:
        return QStringLiteral("an acknowledgement where another reply is due");
    case ReplyKind::HandshakeReply:
        return QStringLiteral("a handshake reply where another reply is due");
    case ReplyKind::IdentifyReply:
        return QStringLiteral("an identification where another reply is due");
    case ReplyKind::DataBlock:
        return QStringLiteral("a data block where another reply is due");
    default:
        break;
    }
    if (bytes.size() < 4 || bytes[0] != 'W')
        return QStringLiteral("%1 bytes of no known reply").arg(bytes.size());
    const int address = static_cast<uint8_t>(bytes[1]) * 256 + static_cast<uint8_t>(bytes[2]);
    if (address != expectedAddress)
        return QStringLiteral("a block of address %1, not %2")
            .arg(hex(address), hex(expectedAddress));
    if (static_cast<uint8_t>(bytes[3]) != expectedLength || bytes.size() != expectedLength + 6 ||
        bytes.back() != kAck)
        return QStringLiteral("a block of the wrong length");
    return QStringLiteral("a block whose checksum does not match");
}

Identity ParseIdentity(const QByteArray& reply) {
    if (reply.size() < kIdentifyReplyBytes)
        return {};
    return {TrimText(QString::fromLatin1(reply.mid(1, 7))), QString::fromLatin1(reply.mid(9, 4))};
}

QByteArray IdentifyReply(const QString& modelCode, const QString& firmware) {
    QByteArray reply(kIdentifyReplyBytes, '\0');
    reply[0] = 'I';
    const QByteArray model = modelCode.toLatin1().left(7);
    reply.replace(1, model.size(), model);
    const QByteArray version = firmware.toLatin1().left(4);
    reply.replace(9, version.size(), version);
    return reply;
}

} // namespace LinkPackets
