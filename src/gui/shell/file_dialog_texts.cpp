#include "gui/shell/file_dialog_texts.h"

#include "core/text/catalogue.h"

#include <QFileSystemModel>
#include <QLocale>

namespace {

enum Column { kSizeColumn = 1, kTypeColumn = 2, kDateColumn = 3 };

} // namespace

QVariant FileDialogTexts::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files)
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const QLocale locale;
    switch (index.column()) {
    case kSizeColumn:
        return files->isDir(source) ? QString() : locale.formattedDataSize(files->size(source));
    case kTypeColumn:
        if (files->isDir(source))
            return Catalogue::TextIn(TextId::FolderType, locale.language() == QLocale::Chinese
                                                             ? Catalogue::kChinese
                                                             : Catalogue::kEnglish);
        break;
    case kDateColumn:
        return locale.toString(files->lastModified(source), QLocale::ShortFormat);
    default:
        break;
    }
    return QIdentityProxyModel::data(index, role);
}
