#include "gui/shell/editor_registry.h"

#include "core/session/editor_host.h"
#include "gui/channels/channel_info_window.h"
#include "gui/channels/channel_list_window.h"
#include "gui/options/option_features_window.h"
#include "gui/tones/tone_tips_window.h"

QMap<QString, std::function<QWidget*()>> EditorWindowFactories(EditorHost& host) {
    return {
        {kChannelInfoForm, [&host] { return new ChannelInfoWindow(host); }},
        {kOptionsForm, [&host] { return new OptionFeaturesWindow(host); }},
        {kToneForm, [&host] { return new ToneTipsWindow(host); }},
        {kChannelListForm, [&host] { return new ChannelListWindow(host); }},
    };
}
