#pragma once

#include <QDialog>

struct AppContext;
class Prompter;
class QComboBox;
class QLabel;
class QPushButton;

// The language window (`FrmSetLanguage`): chooses the language of the program and stores it in
// mysetup.ini.
class LanguageWindow : public QDialog {
    Q_OBJECT
public:
    LanguageWindow(AppContext& context, Prompter& prompter, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Accept();

    AppContext& context_;
    Prompter& prompter_;
    QLabel* label_;
    QComboBox* combo_;
    QPushButton* ok_;
    QPushButton* cancel_;
};
