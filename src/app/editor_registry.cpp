#include "app/editor_registry.h"

#include "app/main_window.h"
#include "editors/channel_info_window.h"
#include "editors/option_features_window.h"
#include "editors/tone_tips_window.h"

void RegisterEditorWindows(MainWindow& window) {
    window.RegisterChildForm(kChannelInfoForm, [&window] { return new ChannelInfoWindow(window); });
    window.RegisterChildForm(kOptionsForm, [&window] { return new OptionFeaturesWindow(window); });
    window.RegisterChildForm(kToneForm, [&window] { return new ToneTipsWindow(window); });
}
