#pragma once

// The radio data fields the option window stores, by name, for data-driven tests.

#include "core/model/radio_data.h"

#include <QMap>
#include <QString>
#include <functional>

using Field = std::function<int16_t&(RadioData&)>;

// The fields the tests name that a change code stores.
inline const QMap<QString, Field>& OptionFields() {
    static const QMap<QString, Field> fields = {
        {"Indic", [](RadioData& d) -> int16_t& { return d.Options.Indic; }},
        {"MicGain", [](RadioData& d) -> int16_t& { return d.Options.MicGain; }},
        {"Nog", [](RadioData& d) -> int16_t& { return d.Options.Nog; }},
        {"Tot", [](RadioData& d) -> int16_t& { return d.Options.Tot; }},
        {"ScanMode", [](RadioData& d) -> int16_t& { return d.Options.ScanMode; }},
        {"Fin", [](RadioData& d) -> int16_t& { return d.Options.Fin; }},
        {"BacklightColor", [](RadioData& d) -> int16_t& { return d.Options.BacklightColor; }},
        {"PublicMode", [](RadioData& d) -> int16_t& { return d.Options.PublicMode; }},
        {"WorkBand", [](RadioData& d) -> int16_t& { return d.Options.WorkBand; }},
        {"MenuPage", [](RadioData& d) -> int16_t& { return d.Options.MenuPage; }},
        {"ChannelMode", [](RadioData& d) -> int16_t& { return d.Options.ChannelMode; }},
        {"FreqCh", [](RadioData& d) -> int16_t& { return d.FreqCh; }},
        {"AsqLevel", [](RadioData& d) -> int16_t& { return d.AsqLevel; }},
        {"VoxFunction", [](RadioData& d) -> int16_t& { return d.Options.VoxFunction; }},
        {"KeyBeep", [](RadioData& d) -> int16_t& { return d.Options.KeyBeep; }},
        {"SwrProtect", [](RadioData& d) -> int16_t& { return d.Options.SwrProtect; }},
        {"BatteryProtect", [](RadioData& d) -> int16_t& { return d.Options.BatteryProtect; }},
        {"ModeEnable0", [](RadioData& d) -> int16_t& { return d.Options.ModeEnable[0]; }},
        {"ModeEnable4", [](RadioData& d) -> int16_t& { return d.Options.ModeEnable[4]; }},
        {"MemMenu", [](RadioData& d) -> int16_t& { return d.Options.MemMenu; }},
        {"PublicHiCut", [](RadioData& d) -> int16_t& { return d.Options.PublicHiCut; }},
        {"PublicNbAnl", [](RadioData& d) -> int16_t& { return d.Options.PublicNbAnl; }},
        {"PublicEcho", [](RadioData& d) -> int16_t& { return d.Options.PublicEcho; }},
        {"PublicAdd10K", [](RadioData& d) -> int16_t& { return d.Options.PublicAdd10K; }},
        {"PublicBusy", [](RadioData& d) -> int16_t& { return d.Options.PublicBusy; }},
        {"PublicRoger", [](RadioData& d) -> int16_t& { return d.Options.PublicRoger; }},
    };
    return fields;
}

inline int16_t& OptionField(const QString& name, RadioData& data) {
    return OptionFields().value(name)(data);
}
