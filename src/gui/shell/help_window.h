#pragma once

#include <QDialog>

class QTextBrowser;
class QTreeWidget;

// The user manual (`frmHelp`) in the language in force, shown beside the
// program's windows, with its contents to jump from; a window's Help button
// opens it at that window's section.
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
    void FillContents();
    // Shows the manual's block `number` at the top of the view.
    void ShowBlock(int number);

    QTextBrowser* text_;
    QTreeWidget* contents_;
};
