#include "form1.h"

#include "form1_ui.h"
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
    QAction *Form1Ui::*action;
    const char *name;
    const char *caption;
};

struct MenuDefinition
{
    QMenu *Form1Ui::*menu;
    const char *name;
    const char *caption;
    std::initializer_list<MenuItem> items;
};

} // namespace

Form1::Form1(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Form1Ui>())
{
    ui->setupUi(this);
    connectHandlers();
    Form_Load();
}

Form1::~Form1() = default;

void Form1Ui::setupUi(QMainWindow *window)
{
    buildFrame(window);
    buildMenus(window);
    auto *client = new QWidget(window);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setMinimumSize(twips::size(kClientWidth, kClientHeight));
    window->setCentralWidget(client);
    buildRegions(client);
    buildTimers(window);
    buildControlPanel();
    buildUnitScheme(Picture4, *this);
    buildTabs(window);
}

void Form1Ui::buildFrame(QMainWindow *window)
{
    window->setObjectName(QStringLiteral("Form1"));
    window->setWindowTitle(QStringLiteral("  Zelmora   T R A M B L O R"));
    window->setFont(windowFont());
}

void Form1Ui::buildMenus(QMainWindow *window)
{
    const MenuDefinition menus[] = {
        {&Form1Ui::Ar, "Ar", "&Archivo",
         {{&Form1Ui::imprimir, "imprimir", "&Imprimir pantalla"},
          {&Form1Ui::re, "re", "&Reiniciar"},
          {&Form1Ui::ce, "ce", "&Salir"}}},
        {&Form1Ui::ver, "ver", "&Ver",
         {{&Form1Ui::mficha, "mficha", "&Desplazar fichas"},
          {&Form1Ui::enf, "enf", "Enfriadora de agua y Ud. Central"},
          {&Form1Ui::proc, "proc", "&Procesos en un Tramblor"},
          {&Form1Ui::unid, "unid", "&Unidad tramblora"}}},
        {&Form1Ui::aa, "aa", "A&yuda",
         {{&Form1Ui::ay, "ay", "A&cerca de Tramblor"},
          {&Form1Ui::com, "com", "¿&Cómo...?"},
          {&Form1Ui::acc, "acc", "Acceso &web"}}},
    };
    for (const MenuDefinition &definition : menus) {
        QMenu *menu = window->menuBar()->addMenu(QString::fromUtf8(definition.caption));
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

void Form1Ui::buildRegions(QWidget *client)
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

void Form1Ui::buildTimers(QObject *window)
{
    Timer2 = new QTimer(window);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(100);
    Timer3 = new QTimer(window);
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
        ui->Label11[size_t(i)]->setVisible(false);
    for (iAnalogDisplayX *display : ui->itext1)
        display->setVisible(false);
    ui->Shape5->setVisible(false);
    ui->Shape6->setVisible(false);
    ui->Timer2->stop();
    ui->Timer3->stop();
    for (size_t i = 0; i < ui->Line1.size(); ++i) {
        ui->Line1[i]->setVisible(false);
        ui->Label2[i]->setVisible(false);
    }
    for (QLineEdit *cell : ui->Text7)
        cell->setText(QString());
    // Every outdoor thermometer shows the outdoor air of the boxes.
    showOutdoorDryBulb(ui->UpDown2->Value());
    showOutdoorWetBulb(ui->UpDown4->Value());
}
