#pragma once

#include "report/sheet_content.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>

class QPagedPaintDevice;

// The page every sheet uses: portrait, margins that printers keep.
QPageLayout SheetPageLayout(QPageSize::PageSizeId size);

// Lays the sheet out on the device's pages (its page layout as set) and
// paints it: the head, each section's heading and lines, tables whose header
// row is repeated on every page they run over and whose rows are never
// split, and "n / N" at the foot of each page. Returns the number of pages.
int PaintSheet(QPagedPaintDevice& device, const SheetContent& sheet);

// The sheet as a PDF document, its fonts embedded (Chinese included).
QByteArray SheetPdf(const SheetContent& sheet, QPageSize::PageSizeId size);
