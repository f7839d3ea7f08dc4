#include "core/session/startup.h"

#include "core/session/app_context.h"
#include "core/session/settings_loader.h"

void LoadStartupData(AppContext& context) {
    context.model.radio.DataVersion.set(QString::fromLatin1(kSoftwareVersion));
    context.versions =
        VersionTable::LoadVersionTable(IniFile(context.paths.VersionIni()), &context.versionFile);
    LoadSettings(context.setup, context.settings, context.catalogue, context.model);
}

QStringList StartupNotices(const AppContext& context) {
    QStringList notices{VersionFileNotice(context.catalogue, context.versionFile, context.versions),
                        SettingsNotice(context.catalogue, context.settings)};
    notices.removeAll(QString());
    return notices;
}

QString SplashPicturePath(const AppContext& context) {
    return context.paths.ProgramFolder + (context.catalogue.CurrentLanguage == Catalogue::kChinese
                                              ? QStringLiteral("/StartC.jpg")
                                              : QStringLiteral("/StartE.jpg"));
}
