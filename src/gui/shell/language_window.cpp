#include "gui/shell/language_window.h"

#include "core/session/settings_loader.h"

#include "core/session/app_context.h"
#include "core/text/language_names.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

LanguageWindow::LanguageWindow(AppContext& context, Prompter& prompter, QWidget* parent)
    : QDialog(parent), context_(context), prompter_(prompter) {
    setObjectName(QStringLiteral("FrmSetLanguage"));
    const Catalogue& cat = context_.catalogue;
    const int current = cat.CurrentLanguage;
    setWindowTitle(cat.Text(TextId::LanguageSetup));
    label_ = new QLabel(cat.Text(TextId::LanguageMode), this);
    label_->setObjectName(QStringLiteral("Label1"));
    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("Combo1"));
    combo_->addItem(LanguageName(Catalogue::kEnglish, current), Catalogue::kEnglish);
    combo_->addItem(LanguageName(Catalogue::kChinese, current), Catalogue::kChinese);
    combo_->setCurrentIndex(std::max(0, combo_->findData(current)));
    combo_->installEventFilter(this);
    label_->setBuddy(combo_);

    ok_ = new QPushButton(cat.Text(TextId::Ok), this);
    ok_->setObjectName(QStringLiteral("Command1"));
    cancel_ = new QPushButton(cat.Text(TextId::Cancel), this);
    cancel_->setObjectName(QStringLiteral("Command2"));
    connect(ok_, &QPushButton::clicked, this, &LanguageWindow::Accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label_, 0, 0);
    layout->addWidget(combo_, 0, 1, 1, 2);
    layout->addWidget(ok_, 1, 1);
    layout->addWidget(cancel_, 1, 2);
}

bool LanguageWindow::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the list moves on to the next control instead of closing the window.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LanguageWindow::Accept() {
    Catalogue& cat = context_.catalogue;
    const int chosen = combo_->currentData().toInt();
    if (chosen != cat.CurrentLanguage) {
        context_.settings.PreviousLanguage = cat.CurrentLanguage;
        cat.CurrentLanguage = chosen;
    }
    StoreSetting(context_, prompter_, QStringLiteral("CurrentLanguage"),
                 QString::number(cat.CurrentLanguage));
    accept();
}
