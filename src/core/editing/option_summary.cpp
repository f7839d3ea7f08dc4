#include "core/editing/option_summary.h"

#include "core/base/text_util.h"
#include "core/editing/option_lists.h"
#include "core/editing/option_store.h"
#include "core/editing/stored_value_texts.h"
#include "core/model/radio_data.h"
#include "core/text/catalogue.h"

QList<std::pair<QString, QString>> OptionSummary(const RadioData& d, const Catalogue& c) {
    const OptionRecord& o = d.Options;
    const auto onOff = [&c](int value) { return StoredSwitchText(value, c); };
    const auto shown = [&d, &c](int code) { return ShownOptionText(d, code, c.CurrentLanguage); };
    const QString blank = QStringLiteral(" ");
    QList<std::pair<QString, QString>> lines;
    for (const OptionRow& r : kOptionLists)
        lines.append({c.Text(r.caption), shown(r.code)});
    lines.append({c.Text(TextId::OptTxOffset),
                  FormatFixed(d.TxOffset / 10000.0, 4) + blank + c.Text(TextId::OptMhz)});
    lines.append({c.Text(TextId::OptBeep), onOff(o.KeyBeep)});
    lines.append({c.Text(TextId::OptSwrProtect), onOff(o.SwrProtect) + QStringLiteral(", ") +
                                                     c.Text(TextId::OptSwrMax) + blank +
                                                     FormatFixed(o.SwrMax / 10.0, 1)});
    lines.append({c.Text(TextId::OptBatteryProtect),
                  onOff(o.BatteryProtect) + QStringLiteral(", ") + c.Text(TextId::OptBatteryMin) +
                      blank + FormatFixed(o.BatteryMin / 10.0, 1) + QStringLiteral(", ") +
                      c.Text(TextId::OptBatteryMax) + blank + FormatFixed(o.BatteryMax / 10.0, 1)});
    for (int frame = 0; frame < 2; ++frame) {
        QStringList points;
        for (int k = 0; k < kRssiPerFrame; ++k)
            points << QStringLiteral("%1=%2")
                          .arg(QLatin1String(kRssiCaptions[k]))
                          .arg(d.RssiPoint[frame * kRssiPerFrame + k] + 1);
        lines.append(
            {c.Text(frame == 0 ? TextId::OptFmAmRssi : TextId::OptUsbLsbRssi), points.join(blank)});
    }
    QStringList modes;
    for (const OptionRow& r : kModeEnables)
        modes << c.Text(r.caption) + blank + onOff(o.ModeEnable[r.code - OptionCode::FmEnable]);
    lines.append({c.Text(TextId::OptModeEnable), modes.join(QStringLiteral(", "))});
    QStringList publicLists;
    for (const OptionRow& r : kPublicLists)
        publicLists << c.Text(r.caption) + blank + shown(r.code);
    publicLists << c.Text(TextId::SwBusy) + blank + onOff(o.PublicBusy);
    lines.append({c.Text(TextId::OptPublic), publicLists.join(QStringLiteral(", "))});
    return lines;
}
