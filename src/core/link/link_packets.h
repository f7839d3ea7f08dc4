#pragma once

#include <QByteArray>
#include <QString>

// The radio's wire packets. Addresses are memory-image offsets, sent high
// byte first; a data block is "W", address, length, data, checksum, 0x06.
namespace LinkPackets {

constexpr char kAck = 0x06;
constexpr int kBlockLength = 16;
constexpr int kHandshakeReplyBytes = 3;
constexpr int kIdentifyReplyBytes = 16;

QByteArray HandshakeRequest(); // "PROGRAM"
QByteArray HandshakeReply();   // "PK" 0x06
QByteArray IdentifyRequest();  // 0x02
QByteArray ReadRequest(int address, int length = kBlockLength);
QByteArray DataBlock(int address, const QByteArray& data);
QByteArray EndRequest(); // "END"

// Sum modulo 256 of the address, length and data bytes of a data block.
uint8_t BlockChecksum(const QByteArray& block);

// A reply as the engine classifies it, on the whole of what was received.
enum class ReplyKind { Ack, HandshakeReply, IdentifyReply, DataBlock, Unknown };
ReplyKind Classify(const QByteArray& bytes, int expectedAddress, int expectedLength);

// Why `bytes` is not the data block of this address and length, or the
// reply a phase waits for (for the trace).
QString WhyRefused(const QByteArray& bytes, int expectedAddress, int expectedLength);

// True when `bytes` is a data block for exactly this address and length,
// with its checksum and trailing 0x06 right.
bool IsValidDataBlock(const QByteArray& bytes, int expectedAddress, int expectedLength);

struct Identity {
    QString modelCode; // bytes 1-7, trailing blanks removed, cut at the first NUL
    QString firmware;  // bytes 9-12
};
Identity ParseIdentity(const QByteArray& reply);
// The reply a radio of that model and firmware gives.
QByteArray IdentifyReply(const QString& modelCode, const QString& firmware);

} // namespace LinkPackets
