#include "gui/link/unfinished_write.h"

#include "core/text/catalogue.h"

#include <QMessageBox>
#include <QPushButton>

UnfinishedChoice AskAboutUnfinishedWrite(const QString& text, const Catalogue& catalogue,
                                         QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ZR-4400"), text, QMessageBox::NoButton,
                    parent);
    box.setObjectName(QStringLiteral("msgUnfinishedWrite"));
    auto* again =
        box.addButton(catalogue.Text(TextId::UnfinishedWriteAgain), QMessageBox::AcceptRole);
    again->setObjectName(QStringLiteral("cmdWriteAgain"));
    auto* open = box.addButton(catalogue.Text(TextId::MnuFileOpen), QMessageBox::ActionRole);
    open->setObjectName(QStringLiteral("cmdOpen"));
    // Not a reject button: Escape must not forget the warning by accident.
    auto* dismiss =
        box.addButton(catalogue.Text(TextId::UnfinishedDismiss), QMessageBox::DestructiveRole);
    dismiss->setObjectName(QStringLiteral("cmdDismiss"));
    box.setDefaultButton(again);
    box.exec();
    if (box.clickedButton() == again)
        return UnfinishedChoice::WriteAgain;
    if (box.clickedButton() == open)
        return UnfinishedChoice::Open;
    if (box.clickedButton() == dismiss)
        return UnfinishedChoice::Dismiss;
    return UnfinishedChoice::Later;
}
