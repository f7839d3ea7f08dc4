#include "gui/files/print_window.h"

#include "core/model/radio_model.h"
#include "core/text/catalogue.h"
#include "core/text/tone_text.h"
#include "gui/widgets/user_settings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

PrintWindow::PrintWindow(const RadioModel& model, const Catalogue& c, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(PlainCaption(c.Text(TextId::MnuFilePrint)).remove(QStringLiteral("...")));
    const UserSettings store;
    // The groups left out are kept, so that a group added since is printed.
    const QStringList leftOut = store.printGroupsLeftOut();

    auto* label = new QLabel(c.Text(TextId::PrintChannelGroups), this);
    groups_ = new QListWidget(this);
    groups_->setObjectName(QStringLiteral("lstGroups"));
    label->setBuddy(groups_);
    shown_ = GroupsWithChannels(model);
    for (const SheetGroup& group : shown_) {
        const QString name = SheetGroupName(group);
        auto* item =
            new QListWidgetItem(name + QStringLiteral("  ") +
                                    model.radio.Options.GroupName(group.bank, group.group).text(),
                                groups_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(leftOut.contains(name) ? Qt::Unchecked : Qt::Checked);
    }
    auto* all = new QPushButton(c.Text(TextId::PrintSelectAll), this);
    all->setObjectName(QStringLiteral("cmdSelectAll"));
    auto* none = new QPushButton(c.Text(TextId::PrintClearAll), this);
    none->setObjectName(QStringLiteral("cmdClearAll"));
    const auto checkAll = [this](Qt::CheckState state) {
        for (int i = 0; i < groups_->count(); ++i)
            groups_->item(i)->setCheckState(state);
    };
    connect(all, &QPushButton::clicked, this, [checkAll] { checkAll(Qt::Checked); });
    connect(none, &QPushButton::clicked, this, [checkAll] { checkAll(Qt::Unchecked); });

    options_ = new QCheckBox(PlainCaption(c.Text(TextId::MnuOptFeature)), this);
    options_->setObjectName(QStringLiteral("chkOptions"));
    options_->setChecked(store.printOptions());
    tones_ = new QCheckBox(ToneText(10221, c.CurrentLanguage), this);
    tones_->setObjectName(QStringLiteral("chkTones"));
    tones_->setChecked(store.printTones());

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(c.Text(TextId::Ok), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOk"));
    buttons->addButton(c.Text(TextId::Cancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Keep();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(groups_, 1, 0, 1, 2);
    layout->addWidget(all, 2, 0);
    layout->addWidget(none, 2, 1);
    layout->addWidget(options_, 3, 0, 1, 2);
    layout->addWidget(tones_, 4, 0, 1, 2);
    layout->addWidget(buttons, 5, 0, 1, 2);
}

SheetChoice PrintWindow::choice() const {
    SheetChoice chosen;
    for (int i = 0; i < groups_->count(); ++i)
        if (groups_->item(i)->checkState() == Qt::Checked)
            chosen.groups << shown_.at(i);
    chosen.options = options_->isChecked();
    chosen.tones = tones_->isChecked();
    return chosen;
}

void PrintWindow::Keep() const {
    QStringList leftOut;
    for (int i = 0; i < groups_->count(); ++i)
        if (groups_->item(i)->checkState() != Qt::Checked)
            leftOut << SheetGroupName(shown_.at(i));
    UserSettings().setPrint(leftOut, options_->isChecked(), tones_->isChecked());
}
