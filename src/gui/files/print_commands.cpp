#include "gui/files/print_commands.h"

#include "core/base/file_writer.h"
#include "core/base/prompter.h"
#include "core/base/text_util.h"
#include "core/session/app_context.h"
#include "core/session/radio_host.h"
#include "gui/files/print_window.h"
#include "report/sheet_painter.h"

#include <QFileInfo>
#include <QLocale>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// Letter where the user's locale measures in inches, A4 elsewhere.
QPageSize::PageSizeId LocalPaper() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                      : QPageSize::A4;
}

void ExportPdf(RadioHost& host, const SheetContent& sheet) {
    const AppContext& ctx = host.context();
    const Catalogue& c = ctx.catalogue;
    const QString proposed =
        QFileInfo(ctx.model.CurrentFileName).completeBaseName() + QStringLiteral(".pdf");
    const QString path = host.prompter().saveFileName(
        proposed, c.Text(TextId::PrintPdfFile) + QStringLiteral(" (*.pdf)|*.pdf"));
    if (path.isEmpty())
        return;
    FileProblem problem;
    if (!WriteWholeFile(path, SheetPdf(sheet, LocalPaper()), &problem))
        host.prompter().tell(WithProblem(c.Text(TextId::FileError), c, problem),
                             PromptIcon::Critical);
}

} // namespace

void PrintSheet(RadioHost& host, PrintWay way, QWidget* parent) {
    // Values still being typed belong on the sheet.
    host.ValidateOpenEditors();
    const AppContext& ctx = host.context();
    PrintWindow window(ctx.model, ctx.catalogue, parent);
    if (window.exec() != QDialog::Accepted)
        return;
    const SheetContent sheet =
        ComposeSheet(ctx.model, window.choice(), ctx.catalogue, QDate::currentDate());
    if (way == PrintWay::Pdf) {
        ExportPdf(host, sheet);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(SheetPageLayout(LocalPaper()));
    printer.setDocName(sheet.title);
    if (way == PrintWay::Preview) {
        QPrintPreviewDialog preview(&printer, parent);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&sheet](QPrinter* shown) { PaintSheet(*shown, sheet); });
        preview.exec();
        return;
    }
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        PaintSheet(printer, sheet);
}
