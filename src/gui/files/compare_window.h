#pragma once

#include <QDialog>
#include <QStringList>

class Catalogue;

// The differences between the data on screen (A) and a file or backup (B),
// one line each, to read and copy.
class CompareWindow : public QDialog {
    Q_OBJECT
public:
    CompareWindow(const Catalogue& catalogue, const QString& otherPath,
                  const QStringList& differences, QWidget* parent = nullptr);
};
