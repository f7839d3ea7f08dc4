#include "core/editing/channel_grid_edit.h"

#include "core/base/prompter.h"
#include "core/editing/channel_names.h"
#include "core/editing/channel_table_ops.h"
#include "core/model/band.h"
#include "core/model/freq_text.h"
#include "core/model/radio_model.h"
#include "core/text/catalogue.h"

namespace {

GridEditResult AddChannel(RadioModel& model, const Catalogue& catalogue, Prompter* prompter,
                          int number, int bank, int group, const QString& value) {
    const int count = model.radio.ChannelCount(bank, group);
    if (count < 0 || count >= kSlots) {
        if (prompter != nullptr)
            prompter->tell(catalogue.Text(TextId::ChGroupFull), PromptIcon::Exclamation);
        return GridEditResult::GroupFull;
    }
    model.AppendChannel(number, bank, group, value);
    RevalidateGroupChannelRefs(model, bank, group);
    return GridEditResult::Added;
}

// A regular group keeps at least one channel while it is valid; its last one
// goes only when another valid group of the bank still has channels, and the
// group then stops being valid.
GridEditResult RemoveRegularChannel(RadioModel& model, int slot, int number, int bank, int group) {
    if (CountRegularChannels(model, bank, group) >= 2) {
        DeleteChannelAt(model, slot, bank, group);
        RevalidateGroupChannelRefs(model, bank, group);
        return GridEditResult::Removed;
    }
    if (CountRegularChannelsElsewhere(model, bank, group, number) == 0)
        return GridEditResult::KeptLast;
    MakeGroupInvalid(model, bank, group);
    DeleteChannelAt(model, slot, bank, group);
    return GridEditResult::GroupEmptied;
}

} // namespace

GridEditResult UpdateChannelFrequency(RadioModel& model, const Catalogue& catalogue,
                                      Prompter* prompter, int bank, int group, int number,
                                      const QString& value) {
    if (!ValidBank(bank) || !ValidGroup(group) ||
        !(IsRegularChannel(number) || IsMemoryChannel(number)))
        return GridEditResult::None;
    const BandLimits band = ParseBandLimits(BandTextOf(bank));
    const QString freq =
        value.isEmpty() ? value : NormalizeFreqInput(value, false, false, band, catalogue, nullptr);
    if (!value.isEmpty() && freq.isEmpty()) {
        if (prompter)
            prompter->tell(catalogue.Text(TextId::FreqOutOfRange) + QStringLiteral("\r\n") +
                               BandTextOf(bank),
                           PromptIcon::Exclamation);
        return GridEditResult::Refused;
    }
    const int slot = model.FindSlot(number, bank, group);
    if (slot == 0)
        return freq.isEmpty() ? GridEditResult::None
                              : AddChannel(model, catalogue, prompter, number, bank, group, freq);
    if (!freq.isEmpty()) {
        StoreChannelField(model.channels.at(bank, slot, group), 1, freq, band.lowMHz);
        return GridEditResult::Changed;
    }
    if (IsRegularChannel(number))
        return RemoveRegularChannel(model, slot, number, bank, group);
    DeleteChannelAt(model, slot, bank, group);
    // A reference to the deleted memory channel must not outlive it.
    RevalidateGroupChannelRefs(model, bank, group);
    return GridEditResult::Removed;
}

GridEditResult UpdateChannelFromGrid(RadioModel& model, const Catalogue& catalogue,
                                     Prompter* prompter, int bank, int view, int row, int column,
                                     const QString& value) {
    if (column != 1 || row < 1 || row > RowsOfView(view))
        return GridEditResult::None;
    return UpdateChannelFrequency(model, catalogue, prompter, bank, GroupOfView(view),
                                  ChannelOfRow(view, row), value);
}
