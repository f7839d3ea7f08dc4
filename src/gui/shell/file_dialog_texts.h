#pragma once

#include <QIdentityProxyModel>

// The file dialogs' view of the file system in the language of the program:
// Qt's own model writes sizes and dates in the system's format and calls a
// folder "Folder", so a Chinese program on an English system showed them in
// English. Sizes and dates follow the default locale, which follows the
// program's language.
class FileDialogTexts : public QIdentityProxyModel {
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override;
};
