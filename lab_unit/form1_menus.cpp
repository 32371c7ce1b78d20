#include "form1.h"

#include "form1_ui.h"
#include "sstab.h"
#include "twips.h"
#include "window_print.h"

#include <QAction>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// The two places of the tab panel, twips from the window's left edge.
constexpr float kTabPanelLeft = 6195;
constexpr float kTabPanelMovedLeft = 5580;

// Tells the user something went wrong without holding the program up: the box
// stays over the window until it is closed, while the program goes on.
void reportProblem(QWidget *window, const QString &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                                window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace

void Form1::connectMenuHandlers()
{
    connect(ui->imprimir, &QAction::triggered, this, &Form1::imprimir_Click);
    connect(ui->ce, &QAction::triggered, this, &Form1::ce_Click);
    connect(ui->com, &QAction::triggered, this, &Form1::com_Click);
    connect(ui->mficha, &QAction::triggered, this, &Form1::mficha_Click);
}

// Prints the picture of the window's client area on one page of the default printer.
void Form1::imprimir_Click()
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        reportProblem(this, QStringLiteral("No se puede imprimir la pantalla: no hay ninguna impresora "
                                           "instalada."));
        return;
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setDocName(windowTitle().simplified());
    if (!printWidgetImage(centralWidget(), printer))
        reportProblem(this, QStringLiteral("No se ha podido imprimir la pantalla en la impresora «%1»."
                                           " Compruebe que está conectada y preparada.")
                                .arg(defaultPrinter.printerName()));
}

// Ends the program at once: the event loop stops without closing any window,
// so no window is asked and nothing is saved.
void Form1::ce_Click()
{
    QCoreApplication::exit(0);
}

void Form1::com_Click()
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                    QStringLiteral(" Para indentificar cada elemento de la instalación, situe el puntero del "
                                   "mouse sobre el esquema y aparecerá el contenido de la ayuda."),
                    QMessageBox::Ok, this);
    box.exec();
}

// Moves the tab panel 615 twips further over the scheme, or back; it stays in front.
void Form1::mficha_Click()
{
    SSTab *panel = ui->SSTab1;
    const float left = float(twips::fromPixels(panel->x()));
    const float newLeft = left == kTabPanelLeft ? kTabPanelMovedLeft : kTabPanelLeft;
    panel->move(twips::toPixelsRounded(newLeft), panel->y());
}
