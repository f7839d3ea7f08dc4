#pragma once

#include <QPixmap>

// The picture at `path`; on a screen at 150 percent or more its "@2x" twin
// (drawn at twice the size) where there is one, so that it stays sharp.
QPixmap LoadPicture(const QString& path, qreal devicePixelRatio);
