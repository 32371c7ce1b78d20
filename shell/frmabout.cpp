#include "frmabout.h"

#include "classic_frame.h"
#include "surface.h"
#include "twips.h"
#include "window_build.h"
#include "shared_icon.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPushButton>

using namespace winbuild;

namespace {

constexpr double kClientWidth = 5940;
constexpr double kClientHeight = 3555;
// The icon's box, in twips: a 32-pixel picture and a 2-pixel border around it.
constexpr double kIconBox = 540;

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    // A tool window stays out of the taskbar, but Qt does not count it among
    // the windows that keep the program running; this one counts like any
    // other, so the program ends only when its last window has closed.
    setAttribute(Qt::WA_QuitOnClose);
    setWindowTitle(QStringLiteral(" Acerca de MiApl"));
    setWindowIcon(sharedIcon(QStringLiteral(":/icons/app.svg")));
    setFont(windowFont());
    setFixedSize(twips::size(kClientWidth, kClientHeight));

    auto *client = new Surface(this);
    client->setObjectName(QStringLiteral("frmAboutClient"));
    client->setGeometry(rect());
    buildControls(client);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    Form_Load();
}

void frmAbout::buildControls(Surface *client)
{
    // A picture box sized to its 32-pixel icon: the icon within its sunken border.
    picIcon = addControl<Surface>(client, QStringLiteral("picIcon"), 240, 240, kIconBox, kIconBox);
    picIcon->setBorder(true);
    picIcon->setPictureFromSvg(QStringLiteral(":/icons/app.svg"));

    // Back to front: the engraved separator's light line, its dark line, the labels.
    Line1[0] = client->addLine(indexed("Line1", 0), 165, 2100, 5714, 2100);
    Line1[0]->setColor(classic::kHighlight);
    Line1[0]->setPenWidth(2);
    Line1[1] = client->addLine(indexed("Line1", 1), 135, 2085, 5699, 2085);
    Line1[1]->setColor(classic::kShadow);

    lblVersion = client->addLabel(QStringLiteral("lblVersion"), QStringLiteral("Versión"), 1050, 780, 3885, 225);
    lblVersion->setFont(windowFont());
    lblVersion->setTransparent(true);
    lblTitle = client->addLabel(QStringLiteral("lblTitle"), QStringLiteral("Título de la aplicación"), 1050, 240,
                                3885, 480);
    lblTitle->setFont(uiFont(16));
    lblTitle->setTransparent(true);

    // Tab order: "Aceptar" first, so it has the focus when the window opens.
    cmdOK = addCommandButton(client, QStringLiteral("cmdOK"), QStringLiteral("Aceptar"), 4320, 2625, 1500, 345);
    cmdOK->setDefault(true);
    cmdSysInfo = addCommandButton(client, QStringLiteral("cmdSysInfo"), QStringLiteral("&Info. del sistema..."), 4320,
                                  3075, 1485, 345);
    // A pixel smaller than the other captions, so that this long one keeps
    // clear of its button's edges.
    cmdSysInfo->setFont(condensedFont(10));
    cmdOK->setFocus();
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("Acerca de ") + QCoreApplication::applicationName());
    lblVersion->setCaption(QStringLiteral("Versión ") + QCoreApplication::applicationVersion());
    lblTitle->setCaption(QCoreApplication::applicationName());
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    sysinfo::StartSysInfo(m_services, this);
}

bool frmAbout::GetKeyValue(registry::HKEY KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                           QString &KeyVal)
{
    return sysinfo::GetKeyValue(*m_services.registry, KeyRoot, KeyName, SubKeyRef, KeyVal);
}

void frmAbout::setServices(sysinfo::Services services)
{
    m_services = std::move(services);
}
