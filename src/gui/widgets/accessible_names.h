#pragma once

class QWidget;

// Screen readers read a control by its accessible name, and keyboard users
// reach it by a letter. Both are given as a window is shown.

// Lists are read by their names, with the entry chosen as their value.
void ReadListsByName();
// Every control under `root` that has no name of its own is named by the
// label that leads to it: the label whose buddy it is, the label before it in
// its layout, the title of a frame holding it alone, or its tip.
void NameControls(QWidget* root);
// Buttons under `root` without a keyboard mark get one, unique among them.
void GiveKeyboardMarks(QWidget* root);
