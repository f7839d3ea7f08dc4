#include "gui/files/backups_window.h"

#include "core/text/catalogue.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString DateText(const BackupEntry& backup) {
    // A name whose date is not one is shown as it stands; backups of one
    // second are told apart by their number.
    const QString date = backup.when.isValid()
                             ? backup.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                             : QFileInfo(backup.stem).fileName().section(QLatin1Char('_'), 0, 1);
    return backup.number > 1 ? QStringLiteral("%1 (%2)").arg(date).arg(backup.number) : date;
}

} // namespace

BackupsWindow::BackupsWindow(const Catalogue& catalogue, QList<BackupEntry> backups,
                             QWidget* parent)
    : QDialog(parent), backups_(std::move(backups)) {
    setObjectName(QStringLiteral("frmBackups"));
    setWindowTitle(catalogue.Text(TextId::BackupsTitle));

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lvBackups"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels(
        {catalogue.Text(TextId::BackupsDate), catalogue.Text(TextId::BackupsModel)});
    for (const BackupEntry& backup : backups_)
        new QTreeWidgetItem(list_, {DateText(backup), backup.model});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(this);
    const auto add = [&](const char* name, TextId text, Choice choice) {
        QPushButton* button =
            buttons->addButton(catalogue.Text(text), QDialogButtonBox::ActionRole);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, [this, choice] { Choose(choice); });
        return button;
    };
    open_ = add("cmdOpen", TextId::MnuFileOpen, Choice::Open);
    restore_ = add("cmdRestore", TextId::BackupsRestore, Choice::Restore);
    compare_ = add("cmdCompare", TextId::BackupsCompare, Choice::Compare);
    QPushButton* close =
        buttons->addButton(catalogue.Text(TextId::CommandClose), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    open_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    if (backups_.isEmpty()) {
        auto* none = new QLabel(catalogue.Text(TextId::BackupsNone), this);
        none->setObjectName(QStringLiteral("lblNone"));
        none->setWordWrap(true);
        layout->addWidget(none);
    }
    layout->addWidget(list_);
    layout->addWidget(buttons);

    connect(list_, &QTreeWidget::currentItemChanged, this, &BackupsWindow::EnableButtons);
    connect(list_, &QTreeWidget::itemActivated, this, [this] { Choose(Choice::Open); });
    if (!backups_.isEmpty())
        list_->setCurrentItem(list_->topLevelItem(0));
    EnableButtons();
    resize(sizeHint().expandedTo(QSize(420, 320)));
}

void BackupsWindow::EnableButtons() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    const bool data = row >= 0 && backups_.at(row).hasData;
    open_->setEnabled(data);
    compare_->setEnabled(data);
    // Writing back needs the image, and the data's model for the identity check.
    restore_->setEnabled(data && backups_.at(row).hasImage);
}

void BackupsWindow::Choose(Choice choice) {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || !backups_.at(row).hasData ||
        (choice == Choice::Restore && !backups_.at(row).hasImage))
        return;
    if (choice == Choice::Open) {
        row_ = row;
        accept();
        return;
    }
    const auto& act = choice == Choice::Restore ? onRestore : onCompare;
    if (act)
        act(backups_.at(row));
}
