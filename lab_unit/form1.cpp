#include "form1.h"

#include "ianalogdisplayx.h"
#include "sstab.h"
#include "surface.h"
#include "twips.h"
#include "updown.h"
#include "window_build.h"

#include <QFrame>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>

using namespace winbuild;

namespace {

// Client area of the window in its design, twips.
constexpr double kClientWidth = 11400;
constexpr double kClientHeight = 8220;

// The menu tree: each menu with its items, captions with their access keys.
struct MenuItem
{
    QAction *Form1::*action;
    const char *name;
    const char *caption;
};

struct MenuDefinition
{
    QMenu *Form1::*menu;
    const char *name;
    const char *caption;
    std::initializer_list<MenuItem> items;
};

} // namespace

Form1::Form1(QWidget *parent)
    : QMainWindow(parent)
{
    buildFrame();
    buildMenus();
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setMinimumSize(twips::size(kClientWidth, kClientHeight));
    setCentralWidget(client);
    buildRegions(client);
    buildTimers();
    buildControlPanel();
    buildUnitScheme(Picture4, *this);
    buildTabs();
    connectHandlers();
    Form_Load();
}

void Form1::buildFrame()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("  Zelmora   T R A M B L O R"));
    setFont(windowFont());
}

void Form1::buildMenus()
{
    const MenuDefinition menus[] = {
        {&Form1::Ar, "Ar", "&Archivo",
         {{&Form1::imprimir, "imprimir", "&Imprimir pantalla"},
          {&Form1::re, "re", "&Reiniciar"},
          {&Form1::ce, "ce", "&Salir"}}},
        {&Form1::ver, "ver", "&Ver",
         {{&Form1::mficha, "mficha", "&Desplazar fichas"},
          {&Form1::enf, "enf", "Enfriadora de agua y Ud. Central"},
          {&Form1::proc, "proc", "&Procesos en un Tramblor"},
          {&Form1::unid, "unid", "&Unidad tramblora"}}},
        {&Form1::aa, "aa", "A&yuda",
         {{&Form1::ay, "ay", "A&cerca de Tramblor"},
          {&Form1::com, "com", "¿&Cómo...?"},
          {&Form1::acc, "acc", "Acceso &web"}}},
    };
    for (const MenuDefinition &definition : menus) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(definition.caption));
        menu->setObjectName(QString::fromLatin1(definition.name));
        this->*definition.menu = menu;
        for (const MenuItem &item : definition.items) {
            QAction *action = menu->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            this->*item.action = action;
        }
    }
    // "Reiniciar" has no command.
    re->setEnabled(false);
}

void Form1::buildRegions(QWidget *client)
{
    // Stacking, back to front: the scheme, the tab panel over its right edge
    // (wherever the panel is moved), the control panel over the scheme's foot,
    // the warning line in front of all.
    Picture4 = addControl<Surface>(client, QStringLiteral("Picture4"), 0, 0, 6360, 5070);

    SSTab1 = new SSTab({QStringLiteral("Datos"), QStringLiteral("Prácticas"), QStringLiteral("Teoría"),
                        QStringLiteral("Ciclo frigorifico"), QStringLiteral("Carta psicrom."),
                        QStringLiteral("Equipo")},
                       3, client);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(twips::rect(6195, 0, 4320, 6570));

    Frame3 = addControl<QFrame>(client, QStringLiteral("Frame3"), 30, 4995, 6165, 1575);
    Frame3->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame3->setCursor(Qt::PointingHandCursor);

    Text23 = addTextBox(client, QStringLiteral("Text23"), 30, 6570, 10485, 285);
    QPalette warning = Text23->palette();
    warning.setColor(QPalette::Base, QColor(0xc8, 0xc8, 0xc8));
    warning.setColor(QPalette::Text, QColor(255, 0, 0));
    Text23->setPalette(warning);

    Frame3->raise();
    Text23->raise();
}

void Form1::buildTimers()
{
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(100);
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(50);
    // Enabled in the design; the load stops them until the unit is switched on.
    Timer2->start();
    Timer3->start();
}

void Form1::connectHandlers()
{
    connectPanelHandlers();
    connectMenuHandlers();
    connectChartHandlers();
}

void Form1::Form_Load()
{
    for (int i = 8; i <= 11; ++i)
        Label11[size_t(i)]->setVisible(false);
    for (iAnalogDisplayX *display : itext1)
        display->setVisible(false);
    Shape5->setVisible(false);
    Shape6->setVisible(false);
    Timer2->stop();
    Timer3->stop();
    for (size_t i = 0; i < Line1.size(); ++i) {
        Line1[i]->setVisible(false);
        Label2[i]->setVisible(false);
    }
    for (QLineEdit *cell : Text7)
        cell->setText(QString());
    // Every outdoor thermometer shows the outdoor air of the boxes.
    showOutdoorDryBulb(UpDown2->Value());
    showOutdoorWetBulb(UpDown4->Value());
}
