#include "core/session/settings_loader.h"

#include "core/base/app_settings.h"
#include "core/base/file_problem.h"
#include "core/base/ini_file.h"
#include "core/base/prompter.h"
#include "core/model/radio_model.h"
#include "core/session/app_context.h"
#include "core/text/catalogue.h"

namespace {
const QString kSection = QStringLiteral("language");
} // namespace

void LoadSettings(IniFile& setup, AppSettings& settings, Catalogue& catalogue, RadioModel& model) {
    settings.comPort = 1;
    catalogue.CurrentLanguage = Catalogue::kEnglish;
    settings.PreviousLanguage = Catalogue::kEnglish;

    const bool firstRun = ParseTruth(setup.value(kSection, QStringLiteral("IsFirstRun")));
    const int stored = LoadPortAndLanguage(setup, settings);
    LoadLineSettings(setup, settings);
    if (firstRun)
        setup.setValue(kSection, QStringLiteral("IsFirstRun"), QStringLiteral("0"));
    else
        catalogue.CurrentLanguage = stored;
    settings.PreviousLanguage = catalogue.CurrentLanguage;
    setup.setValue(kSection, QStringLiteral("comPort"), QString::number(settings.comPort));
    setup.setValue(kSection, QStringLiteral("CurrentLanguage"),
                   QString::number(catalogue.CurrentLanguage));
    model.ApplyBandLimits();
}

void StoreSetting(AppContext& context, Prompter& prompter, const QString& key,
                  const QString& value) {
    IniFile& setup = context.setup;
    if (setup.setValue(QStringLiteral("language"), key, value) || context.settingsProblemTold)
        return;
    context.settingsProblemTold = true;
    const Catalogue& c = context.catalogue;
    prompter.tell(WithProblem(c.Text(TextId::SettingsNotSaved), c,
                              WriteProblem(setup.path(), setup.writeError())),
                  PromptIcon::Exclamation);
}
