#include "gui/shell/qt_translations.h"

#include "core/text/catalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void InstallQtTranslations(int language) {
    // One translator per application, owned by it and replaced on each change.
    auto* app = QCoreApplication::instance();
    if (!app)
        return;
    const QString name = QStringLiteral("zrQtTranslator");
    delete app->findChild<QTranslator*>(name);
    // Qt's own texts (dates and type names of the file dialogs) follow the
    // language; the program's numbers are written and read in one fixed
    // format whatever this is.
    QLocale::setDefault(language == Catalogue::kChinese ? QLocale(QLocale::Chinese, QLocale::China)
                                                        : QLocale::system());
    if (language != Catalogue::kChinese)
        return;
    auto* translator = new QTranslator(app);
    translator->setObjectName(name);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
