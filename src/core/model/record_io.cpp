#include "core/model/record_io.h"

#include <algorithm>

namespace {

// Writes forward into space already sized for the whole record.
class Writer {
public:
    explicit Writer(char* out) : out_(out) {}

    void i16(int16_t v) {
        const auto u = static_cast<uint16_t>(v);
        *out_++ = static_cast<char>(u & 0xFF);
        *out_++ = static_cast<char>(u >> 8);
    }
    void i32(int32_t v) {
        const auto u = static_cast<uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8)
            *out_++ = static_cast<char>((u >> shift) & 0xFF);
    }
    template <int N> void text(const FixedText<N>& t) {
        std::copy(t.bytes.begin(), t.bytes.end(), out_);
        out_ += N;
    }
    template <typename T, size_t N> void each(const std::array<T, N>& items) {
        for (const T& item : items)
            field(item);
    }
    void field(int16_t v) { i16(v); }
    template <int N> void field(const FixedText<N>& t) { text(t); }
    const char* end() const { return out_; }

private:
    char* out_;
};

// Reads forward from a position already checked to hold the whole record.
class Reader {
public:
    Reader(const QByteArray& bytes, qsizetype pos) : bytes_(bytes), pos_(pos) {}

    int16_t i16() {
        const auto lo = static_cast<uint8_t>(bytes_[pos_]);
        const auto hi = static_cast<uint8_t>(bytes_[pos_ + 1]);
        pos_ += 2;
        return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
    }
    int32_t i32() {
        uint32_t u = 0;
        for (int i = 0; i < 4; ++i)
            u |= static_cast<uint32_t>(static_cast<uint8_t>(bytes_[pos_ + i])) << (8 * i);
        pos_ += 4;
        return static_cast<int32_t>(u);
    }
    template <int N> void text(FixedText<N>& t) {
        for (int i = 0; i < N; ++i)
            t.bytes[i] = bytes_[pos_ + i];
        pos_ += N;
    }
    template <typename T, size_t N> void each(std::array<T, N>& items) {
        for (T& item : items)
            field(item);
    }
    void field(int16_t& v) { v = i16(); }
    template <int N> void field(FixedText<N>& t) { text(t); }

private:
    const QByteArray& bytes_;
    qsizetype pos_;
};

// One field list serves both directions, so reader and writer cannot drift apart.
template <typename IO, typename Identity> void IdentityFields(IO& io, Identity& id) {
    io.text(id.IdentityModelCode);
    io.field(id.IdentityWord);
    io.field(id.IdentityBand);
    io.text(id.IdentityDate);
    io.text(id.IdentityVersion);
    io.text(id.IdentityModelCode6);
    io.field(id.IdentityBand2);
    io.field(id.IdentityMark);
}

template <typename IO, typename Options> void OptionFields(IO& io, Options& o) {
    io.each(o.GroupValid.items);
    io.each(o.GroupName.items);
    io.each(o.EmgChannel.items);
    io.field(o.UpperNibble);
    io.field(o.WorkBand);
    io.each(o.WorkGroup);
    io.field(o.VoxFunction);
    io.field(o.ChannelMode);
    io.field(o.MemMenu);
    io.each(o.WorkChannel.items);
    io.each(o.DwChannel.items);
    io.each(o.MemChannel.items);
    for (auto* v : {&o.Rtix,       &o.Ttix,           &o.PublicHiCut,    &o.PublicNbAnl,
                    &o.PublicEcho, &o.PublicAdd10K,   &o.PublicBusy,     &o.PublicRoger,
                    &o.KeyBeep,    &o.Indic,          &o.MicGain,        &o.Nog,
                    &o.Tot,        &o.SwrProtect,     &o.BatteryProtect, &o.ScanMode,
                    &o.Fin,        &o.BacklightColor, &o.MenuPage,       &o.BatteryMin,
                    &o.BatteryMax, &o.SwrMax,         &o.PublicMode})
        io.field(*v);
    io.each(o.ModeEnable);
}

template <typename IO, typename Tones> void ToneFields(IO& io, Tones& tones) {
    for (auto& entry : tones.entries) {
        for (auto& element : entry.Element) {
            io.field(element.FreqCode);
            io.field(element.DurCode);
        }
        io.field(entry.LoopCount);
        io.field(entry.IntervalCode);
    }
}

template <typename IO, typename Data> void RadioDataFields(IO& io, Data& d) {
    io.text(d.DataVersion);
    io.field(d.BandFlag);
    io.each(d.CurrentGroup);
    io.each(d.LastRow.items);
    io.each(d.ChannelCount.items);
    IdentityFields(io, d.Identity);
    OptionFields(io, d.Options);
    ToneFields(io, d.Tones);
}

template <typename IO, typename Record> void ChannelFields(IO& io, Record& r) {
    io.field(r.ChannelNumber);
    io.field(r.InUse);
    io.field(r.ScanFlag);
    io.text(r.RxFreq);
    io.text(r.TxFreq);
    io.each(r.Reserved);
    for (auto* v : {&r.ToneIndex, &r.TxToneIndex, &r.Mode, &r.HiCut, &r.NbAnl, &r.Echo, &r.Add10K,
                    &r.Busy, &r.Roger, &r.Repeater, &r.Public})
        io.field(*v);
}

} // namespace

QByteArray WriteRadioData(const RadioData& data) {
    QByteArray bytes(kRadioDataBytes, Qt::Uninitialized);
    Writer w(bytes.data());
    RadioDataFields(w, data);
    w.i32(data.TxOffset);
    w.i16(data.FreqCh);
    w.i16(data.AsqLevel);
    w.each(data.RssiPoint);
    Q_ASSERT(w.end() == bytes.constData() + kRadioDataBytes);
    return bytes;
}

bool ReadRadioData(const QByteArray& bytes, RadioData& data) {
    if (bytes.size() < kRadioDataBytes)
        return false;
    RadioData d;
    Reader r(bytes, 0);
    RadioDataFields(r, d);
    d.TxOffset = r.i32();
    d.FreqCh = r.i16();
    d.AsqLevel = r.i16();
    r.each(d.RssiPoint);
    data = d;
    return true;
}

QByteArray WriteChannelRecord(const ChannelRecord& record) {
    QByteArray bytes;
    AppendChannelRecord(bytes, record);
    return bytes;
}

void AppendChannelRecord(QByteArray& bytes, const ChannelRecord& record) {
    const qsizetype at = bytes.size();
    bytes.resize(at + kChannelRecordBytes);
    Writer w(bytes.data() + at);
    ChannelFields(w, record);
    Q_ASSERT(w.end() == bytes.constData() + at + kChannelRecordBytes);
}

bool ReadChannelRecord(const QByteArray& bytes, qsizetype offset, ChannelRecord& record) {
    if (offset < 0 || bytes.size() - offset < kChannelRecordBytes)
        return false;
    Reader r(bytes, offset);
    ChannelFields(r, record);
    return true;
}
