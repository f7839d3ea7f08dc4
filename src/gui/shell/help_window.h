#pragma once

#include <QDialog>

class QTextBrowser;

// The user manual (`frmHelp`) in the language in force, shown beside the
// program's windows; a window's Help button opens it at that window's section.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(int language, QWidget* parent = nullptr);

    // Opens the manual (one window for all), at the section whose heading
    // names `title` when given.
    static HelpWindow* Open(int language, const QString& title, QWidget* parent);
    // The manual's Markdown text in that language, without its pictures.
    static QString ManualText(int language);

    void ShowSection(const QString& title);

private:
    QTextBrowser* text_;
};
