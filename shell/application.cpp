#include "application.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "frmabout.h"
#include "frmbrowser.h"
#include "single_instance.h"
#include "version.h"

#include <QAction>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

void setNameAndVersion()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(project::kName));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(project::kMajor).arg(project::kMinor).arg(project::kRevision));
}

bool loadStandardTexts()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace app

namespace {

enum class Shown { Normal, Maximised };

// Makes the main window's menu item `name` open the single instance of window
// class W: created on first use (without a parent, so no window owns it),
// brought to the front while it is open, built afresh after it was closed.
template <typename W>
void opensWindow(const Form1 &form1, const char *name, Shown shown)
{
    QAction *item = form1.findChild<QAction *>(QLatin1String(name));
    Q_ASSERT(item);
    QObject::connect(item, &QAction::triggered, item, [shown] {
        static QPointer<W> instance;
        showSingleInstance(instance, [shown] {
            auto *window = new W;
            if (shown == Shown::Maximised)
                window->setWindowState(Qt::WindowMaximized);
            return window;
        });
    });
}

} // namespace

void connectWindowMenus(Form1 &form1)
{
    opensWindow<frmAbout>(form1, "ay", Shown::Normal);
    opensWindow<Form4>(form1, "unid", Shown::Maximised);
    opensWindow<frmBrowser>(form1, "acc", Shown::Maximised);
    opensWindow<Form3>(form1, "enf", Shown::Maximised);
    opensWindow<Form2>(form1, "proc", Shown::Normal);
}
