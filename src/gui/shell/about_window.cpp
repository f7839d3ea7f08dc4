#include "gui/shell/about_window.h"

#include "core/base/prompter.h"
#include "core/text/catalogue.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {
// System information tools a desktop may have, most specific first.
const char* const kSystemInfoTools[] = {"hardinfo", "gnome-system-monitor", "plasma-systemmonitor",
                                        "ksysguard", "xfce4-taskmanager"};
} // namespace

AboutWindow::AboutWindow(int language, Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
    const bool chinese = language == Catalogue::kChinese;
    setObjectName(chinese ? QStringLiteral("frmAbout") : QStringLiteral("FrmAbout2"));
    const QString title = QCoreApplication::applicationName();
    setWindowTitle((chinese ? QStringLiteral("关于 ") : QStringLiteral("About ")) + title);

    auto* name = new QLabel(QStringLiteral("<h2>%1</h2>").arg(title), this);
    name->setObjectName(QStringLiteral("lblTitle"));
    auto* version = new QLabel((chinese ? QStringLiteral("版本 ") : QStringLiteral("Version ")) +
                                   QCoreApplication::applicationVersion(),
                               this);
    version->setObjectName(QStringLiteral("lblVersion"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(Catalogue::TextIn(TextId::Ok, language));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    if (chinese) {
        QPushButton* info =
            buttons->addButton(QStringLiteral("系统信息(&S)..."), QDialogButtonBox::ActionRole);
        info->setObjectName(QStringLiteral("cmdSysInfo"));
        connect(info, &QPushButton::clicked, this, &AboutWindow::ShowSystemInformation);
    }

    // The program's icon, as the desktop shows it.
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setPixmap(QApplication::windowIcon().pixmap(64, 64));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(icon);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(buttons);
}

void AboutWindow::ShowFor(int language, Prompter& prompter, QWidget* parent) {
    AboutWindow window(language, prompter, parent);
    window.exec();
}

void AboutWindow::ShowSystemInformation() {
    for (const char* tool : kSystemInfoTools) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
    prompter_.tell(QStringLiteral("此时系统信息不可用"));
}
