#pragma once

#include <QString>
#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QTimer;
class QToolBar;
class WebBrowser;

// The help browser: a toolbar, an address strip and a browser area showing the
// program's help pages. The caption shows the current page's title, or
// "Trabajando..." while the browser is busy. The window loads (Form_Load) the
// first time it is shown, so a caller may set StartingAddress before that.
class frmBrowser : public QWidget
{
    Q_OBJECT

public:
    // Design client size and control geometry, in twips.
    static constexpr double kClientWidth = 10620;
    static constexpr double kClientHeight = 7815;
    static constexpr double kBrowserLeft = 30;
    static constexpr double kBrowserTop = 825;
    static constexpr double kBrowserMargin = 100;

    // The maker's web site, where the "Inicio" button leads.
    static QString systemWebAddress();

    explicit frmBrowser(QWidget *parent = nullptr);

    QToolBar *tbToolBar;
    QWidget *picAddress;
    QLabel *lblAddress;
    QComboBox *cboAddress;
    WebBrowser *brwWebBrowser;
    QTimer *timTimer;

    QString StartingAddress;

    // The window's handlers, run by its controls' events.
    void Form_Load();
    void Form_Resize();
    void cboAddress_Click();
    void cboAddress_KeyPress(int keyAscii);
    void timTimer_Timer();
    void brwWebBrowser_DownloadComplete();
    void tbToolBar_ButtonClick(QAction *button);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolBar();
    void buildAddressStrip();
    void connectHandlers();
    void alignBars();
    void showAddress(const QString &address);

    bool m_loaded = false;
};
