#pragma once

#include <QDialog>

class Prompter;

// The about window (`frmAbout` in Chinese, `FrmAbout2` in English): program title and version, in
// the language in force.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(int language, Prompter& prompter, QWidget* parent = nullptr);

    static void ShowFor(int language, Prompter& prompter, QWidget* parent);

private:
    void ShowSystemInformation();

    Prompter& prompter_;
};
