#pragma once

class QPrinter;
class QWidget;

// Prints the picture of a widget (as it stands on the screen) on one page of
// the printer, as large as the page's printable area allows with its
// proportions kept. The widget is rendered at the resolution the page gives
// it (up to four device pixels per logical pixel), so the printout stays sharp.
// Returns false when the printer cannot be opened or reports an error.
bool printWidgetImage(QWidget *widget, QPrinter &printer);
