#include "quality_support.h"

#include "application.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "frmabout.h"
#include "frmbrowser.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

namespace quality {

std::unique_ptr<Form1> startProgram()
{
    auto form1 = std::make_unique<Form1>();
    connectWindowMenus(*form1);
    form1->showMaximized();
    QCoreApplication::processEvents();
    return form1;
}

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void closeOpenedWindows()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (qobject_cast<Form2 *>(top) || qobject_cast<Form3 *>(top) || qobject_cast<Form4 *>(top)
            || qobject_cast<frmAbout *>(top) || qobject_cast<frmBrowser *>(top))
            top->close();
    deleteClosedWindows();
}

ModalBoxAnswerer::ModalBoxAnswerer()
{
    qApp->installEventFilter(this);
}

ModalBoxAnswerer::~ModalBoxAnswerer()
{
    qApp->removeEventFilter(this);
}

bool ModalBoxAnswerer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto *box = static_cast<QWidget *>(watched);
    if (!box->isWindow() || !box->isModal())
        return false;
    QTimer::singleShot(0, box, [box] {
        if (auto *message = qobject_cast<QMessageBox *>(box)) {
            if (QAbstractButton *ok = message->button(QMessageBox::Ok)) {
                ok->click();
                return;
            }
        }
        box->close();
    });
    return false;
}

} // namespace quality
