#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

class PageView;
class QTextBrowser;

// The help window's embedded browser: shows HTML pages and plain texts in a
// QTextBrowser, with the operations a browser control offers (navigate, back,
// forward, home, search, stop, refresh, busy state, location). The history is
// the QTextBrowser's own, and lasts as long as the widget.
//
// Addresses are what a user types into an address box:
// - the program's installed folder, "C:\Archivos de programa\Vorbelia\", holds
//   the help pages: those installed with the program (share/vorbelia/help
//   beside its bin/ folder), or where there are none, as in the build folder,
//   the copy built into the program (resources under ":/help/");
// - absolute paths and file: addresses open local files of this machine;
// - links inside a page are relative to that page;
// - Internet addresses (http:, https:, or a bare host name) cannot be reached:
//   the program has no network access, so the browser shows its own error page,
//   as it does for a missing file, for what is not a regular file (a folder,
//   a device, a FIFO) and for content that is neither a text nor a page;
// - a page or text is read and shown up to a limit, with a notice at its top
//   when it is longer; pictures in pages are read with a limit too.
//
// A load takes a short moment (kLoadTime): busy() is true from a navigation
// until the page is shown, and downloadComplete() is emitted when a load ends,
// whether it showed the page, an error page, or was stopped.
class WebBrowser : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kLoadTime = 25; // ms from a navigation to the page shown

    explicit WebBrowser(QWidget *parent = nullptr);

    // The folder the program is installed in, as its pages are addressed.
    static QString programFolder();
    // The browser's home page: the start page of the help.
    static QString homePage();
    // The browser's search page: an index of the help's topics.
    static QString searchPage();
    // Title of the page shown when an address cannot be displayed.
    static QString errorPageTitle();
    // The line at the top of a page or text too long to show whole, which
    // is shown cut.
    static QString cutNotice();

    // Each returns false (and changes nothing) when there is nothing to do:
    // an empty address, no page behind or ahead, no page to reload.
    bool navigate(const QString &address);
    bool goBack();
    bool goForward();
    bool goHome();
    bool goSearch();
    bool refresh();
    // Abandons the load under way; the page shown stays.
    void stop();

    bool busy() const;
    // Title of the page shown (its address when it has no title).
    QString locationName() const;
    // Address of the page shown, as a user would type it.
    QString locationURL() const;

    // How long a load takes from navigation to the page shown (kLoadTime
    // unless set), e.g. to watch a slow load.
    void setLoadTime(int milliseconds);

    QTextBrowser *view() const;

signals:
    void downloadComplete();

private:
    // Makes `move` in the view's history once the load's time is up.
    void startLoad(std::function<void()> move);
    void finishLoad();

    PageView *m_view;
    QTimer m_loadTimer;
    std::function<void()> m_pendingMove;
};
