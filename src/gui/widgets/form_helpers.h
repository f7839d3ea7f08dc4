#pragma once

#include <QStringList>

class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;

// Pieces shared by the option and roger-beep windows.

// A grid whose caption labels stand right-aligned 100 twips left of their
// controls, however long the captions of the language in force are.
QGridLayout* NewCaptionGrid(QWidget* owner);
// Puts a caption at (row, column), right-aligned, and its control beside it.
void AddCaptioned(QGridLayout* grid, int row, int column, QLabel* caption, QWidget* control);

// A label named `name`, tied to `buddy` for keyboard access.
QLabel* NewCaption(const QString& name, QWidget* buddy, QWidget* parent);
// A drop-down list named `name`.
QComboBox* NewList(const QString& name, QWidget* parent);
// The texts of a list's entries, in order.
QStringList ListEntries(const QComboBox* list);
// Replaces a list's entries and selects `index` without announcing a choice.
void FillList(QComboBox* list, const QStringList& entries, int index);

// Closes an editor window together with the frame that holds it in the main window.
void CloseForm(QWidget* form);
