#pragma once

#include "sysinfo_launcher.h"

#include <QDialog>

#include <array>

class QPushButton;
class Surface;
class SurfaceLabel;
class SurfaceLine;

// The About window: the application's title, icon and version, and a button
// that starts the system's System Information program. Not modal; it closes
// (and is deleted by whoever opened it with Qt::WA_DeleteOnClose) on
// "Aceptar", Enter, Esc or its close box.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    // The window's load: caption, version line and title. Runs once, from the constructor.
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    // Starts System Information, or says in a message box that it is not available.
    void StartSysInfo();
    // Reads a registry value as text; true when it was read (see sysinfo::GetKeyValue).
    bool GetKeyValue(registry::HKEY KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                     QString &KeyVal);

    // The system services the launcher uses (this computer's unless replaced).
    void setServices(sysinfo::Services services);

    // --- Controls ------------------------------------------------------------
    Surface *picIcon = nullptr;
    SurfaceLabel *lblTitle = nullptr;
    SurfaceLabel *lblVersion = nullptr;
    std::array<SurfaceLine *, 2> Line1{};
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;

private:
    void buildControls(Surface *client);

    sysinfo::Services m_services;
};
