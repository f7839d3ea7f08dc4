#include "gui/files/compare_window.h"

#include "core/text/catalogue.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CompareWindow::CompareWindow(const Catalogue& catalogue, const QString& otherPath,
                             const QStringList& differences, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(catalogue.Text(TextId::CompareTitle));

    auto* header = new QLabel(catalogue.Text(TextId::CompareHeader)
                                  .arg(QDir::toNativeSeparators(otherPath))
                                  .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                              this);
    header->setObjectName(QStringLiteral("lblHeader"));
    header->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* lines = new QPlainTextEdit(this);
    lines->setObjectName(QStringLiteral("txtDifferences"));
    lines->setReadOnly(true);
    lines->setLineWrapMode(QPlainTextEdit::NoWrap);
    lines->setPlainText(differences.isEmpty() ? catalogue.Text(TextId::CompareSame)
                                              : differences.join(QLatin1Char('\n')));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close =
        buttons->addButton(catalogue.Text(TextId::CommandClose), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(lines, 1);
    layout->addWidget(buttons);
    resize(640, 420);
}
