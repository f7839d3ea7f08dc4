// The text report of `show`: every stored value, with the windows' English
// captions and the texts their lists show.

#include "core/base/text_util.h"
#include "core/editing/channel_settings.h"
#include "core/editing/option_lists.h"
#include "core/editing/option_store.h"
#include "core/editing/option_summary.h"
#include "core/editing/stored_value_texts.h"
#include "core/model/freq_text.h"
#include "core/model/radio_model.h"
#include "core/text/catalogue.h"
#include "programs/zr4400-cli/show_command.h"

#include <QTextStream>

namespace {

// The channel table's columns after the channel name and the frequency.
constexpr int kChannelColumns[] = {kSettingMode,   kSettingTsq,    kSettingHiCut, kSettingNbAnl,
                                   kSettingEcho,   kSettingAdd10K, kSettingBusy,  kSettingRepeater,
                                   kSettingPublic, kSettingScan,   kSettingRoger};

QString OnOff(const Catalogue& c, int value) {
    return StoredSwitchText(value, c);
}

QString OptionText(const RadioData& d, int code) {
    return ShownOptionText(d, code, Catalogue::kEnglish);
}

QString Caption(const Catalogue& c, TextId id) {
    return c.Text(id);
}

// Columns left-aligned, two blanks apart, no trailing blanks.
void WriteTable(QTextStream& s, const QString& indent, const QList<QStringList>& rows) {
    QList<int> widths;
    for (const QStringList& row : rows)
        for (int i = 0; i < row.size(); ++i) {
            if (widths.size() <= i)
                widths << 0;
            widths[i] = std::max(widths[i], static_cast<int>(row[i].size()));
        }
    for (const QStringList& row : rows) {
        QString line = indent;
        for (int i = 0; i < row.size(); ++i)
            line += row[i].leftJustified(i + 1 < row.size() ? widths[i] + 2 : 0);
        s << line << "\n";
    }
}

void WriteIdentity(QTextStream& s, const RadioModel& model) {
    const RadioData& d = model.radio;
    const RadioIdentity& id = d.Identity;
    s << model.ModelName << " (" << EscapeControls(model.ModelCode) << ")  data "
      << EscapeControls(d.DataVersion.text()) << "  band " << model.BandText << "\n";
    s << "Identity: model code " << EscapeControls(id.IdentityModelCode.text()) << " / "
      << EscapeControls(id.IdentityModelCode6.text()) << ", band " << id.IdentityBand << " / "
      << id.IdentityBand2 << ", word " << id.IdentityWord << ", mark " << id.IdentityMark
      << ", date " << EscapeControls(id.IdentityDate.text()) << ", version "
      << EscapeControls(id.IdentityVersion.text()) << "\n";
    s << "Bank in use: " << (d.BandFlag == 0 ? "CB" : "HF") << " (flag " << d.BandFlag
      << "), current group CB " << StoredGroupText(d.CurrentGroup[0]) << ", HF "
      << StoredGroupText(d.CurrentGroup[1]) << "\n";
}

void WriteOptions(QTextStream& s, const RadioData& d, const Catalogue& c) {
    const OptionRecord& o = d.Options;
    s << "\nOptions\n";
    for (const auto& [caption, value] : OptionSummary(d, c))
        s << "  " << caption << ": " << value << "\n";
    s << "  Other: work band " << OptionText(d, OptionCode::WorkBand) << ", work group CB "
      << StoredGroupText(o.WorkGroup[0]) << ", HF " << StoredGroupText(o.WorkGroup[1]) << ", VOX "
      << OnOff(c, o.VoxFunction) << ", channel mode " << o.ChannelMode << ", menu page "
      << o.MenuPage << ", MEM menu " << OnOff(c, o.MemMenu) << ", RTIX " << o.Rtix << ", TTIX "
      << o.Ttix << ", upper nibble " << o.UpperNibble << "\n";
}

void WriteGroup(QTextStream& s, const RadioModel& model, const Catalogue& c, int v, int g) {
    const RadioData& d = model.radio;
    const OptionRecord& o = d.Options;
    s << "  Group " << GroupLetter(g) << " \"" << EscapeControls(o.GroupName(v, g).text()) << "\", "
      << Caption(c, TextId::ChGroupValid) << " " << OnOff(c, o.GroupValid(v, g)) << ", "
      << CountOf(d.ChannelCount(v, g), QStringLiteral("channel")) << ", "
      << Caption(c, TextId::ChEmgChannel) << " " << StoredChannelText(o.EmgChannel(v, g, 0))
      << " / " << StoredChannelText(o.EmgChannel(v, g, 1)) << ", "
      << Caption(c, TextId::ChWorkChannel) << " " << StoredChannelText(o.WorkChannel(v, g)) << ", "
      << Caption(c, TextId::ChDwChannel) << " " << StoredChannelText(o.DwChannel(v, g, 0)) << " / "
      << StoredChannelText(o.DwChannel(v, g, 1)) << ", " << Caption(c, TextId::ChMemChannel) << " "
      << StoredChannelText(o.MemChannel(v, g)) << ", last row " << d.LastRow(v, g) << "\n";
    if (d.ChannelCount(v, g) == 0)
        return;
    QStringList header{Caption(c, TextId::ChGridChannelNo), Caption(c, TextId::FrequencyLabel)};
    for (int setting : kChannelColumns)
        header << ChannelSettingCaption(setting, c);
    QList<QStringList> rows{header};
    for (int slot = 1; slot <= d.ChannelCount(v, g); ++slot) {
        const ChannelRecord& r = model.channels.at(v, slot, g);
        QStringList row{
            StoredChannelText(r.ChannelNumber),
            EscapeControls(FreqDigitsToText(r.RxFreq.text(), model.BandLowMHz, nullptr))};
        for (int setting : kChannelColumns)
            row << ChannelSettingText(r, setting, c);
        rows << row;
    }
    WriteTable(s, QStringLiteral("    "), rows);
}

void WriteTones(QTextStream& s, const ToneTable& tones) {
    s << "\nTones\n";
    for (int n = 1; n <= kToneCount; ++n) {
        const ToneEntry& t = tones[n];
        s << "  " << n << ": loops " << t.LoopCount << ", interval " << t.IntervalCode * 10
          << " ms:";
        for (const ToneElement& e : t.Element)
            if (e.DurCode > 0)
                s << " " << e.FreqCode * 10 << "Hz/" << e.DurCode * 10 << "ms";
        s << "\n";
    }
}

} // namespace

QByteArray ShowText(const RadioModel& model) {
    const Catalogue c; // English, as the tool speaks
    QString out;
    QTextStream s(&out);
    const RadioData& d = model.radio;
    WriteIdentity(s, model);
    WriteOptions(s, d, c);
    for (int v = 0; v < kBanks; ++v) {
        s << "\nBank " << (v == 0 ? "CB" : "HF") << " (" << BandTextOf(v) << "), MEM last row "
          << d.LastRow(v, kMemoryView) << "\n";
        for (int g = 1; g <= kGroups; ++g)
            WriteGroup(s, model, c, v, g);
    }
    WriteTones(s, d.Tones);
    s.flush();
    return out.toUtf8();
}
