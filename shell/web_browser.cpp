#include "web_browser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// Where the help pages are addressed: the folder the program is installed in,
// written with forward slashes for matching.
const QString kProgramFolder = QStringLiteral("C:/Archivos de programa/Vorbelia/");
const QString kHelpPath = QStringLiteral("/help/");
const QString kErrorTemplate = QStringLiteral(":/browser/error.htm");
// Larger files are not read: a help browser has no use for them.
constexpr qint64 kLargestFile = 16 * 1024 * 1024;

// What reading an address gave: the page's bytes, or why there are none.
struct Fetched
{
    QByteArray data;
    QString failure;
};

Fetched readFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, QStringLiteral("No se encuentra el archivo.")};
    if (!info.isFile())
        return {{}, QStringLiteral("La dirección no corresponde a un archivo.")};
    if (info.size() > kLargestFile)
        return {{}, QStringLiteral("El archivo es demasiado grande para mostrarlo.")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("No se puede leer el archivo.")};
    return {file.readAll(), {}};
}

Fetched fetch(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("qrc"))
        return readFile(QLatin1Char(':') + url.path());
    if (url.isLocalFile())
        return readFile(url.toLocalFile());
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")
        || scheme == QLatin1String("ftp"))
        return {{}, QStringLiteral("Este programa no tiene acceso a Internet: las direcciones "
                                   "web no se pueden abrir desde su ayuda.")};
    return {{}, QStringLiteral("El explorador no sabe abrir direcciones de este tipo.")};
}

// The browser's own page for an address it cannot show.
QString errorPage(const QString &address, const QString &reason)
{
    QString page = QString::fromUtf8(readFile(kErrorTemplate).data);
    page.replace(QLatin1String("{title}"), WebBrowser::errorPageTitle().toHtmlEscaped());
    page.replace(QLatin1String("{address}"), address.toHtmlEscaped());
    page.replace(QLatin1String("{reason}"), reason.toHtmlEscaped());
    return page;
}

QUrl urlForAddress(const QString &address)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return {};
    QString slashed = text;
    slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // The installed folder's pages, named as on a case-blind file system.
    if (slashed.startsWith(kProgramFolder, Qt::CaseInsensitive)) {
        QUrl url(QStringLiteral("qrc:") + kHelpPath + slashed.mid(kProgramFolder.size()));
        url.setPath(url.path().toLower());
        return url;
    }
    static const QRegularExpression drivePath(QStringLiteral("^[A-Za-z]:/"));
    if (drivePath.match(slashed).hasMatch() || QDir::isAbsolutePath(text))
        return QUrl::fromLocalFile(slashed);
    const QUrl url(text);
    if (url.isValid() && !url.scheme().isEmpty())
        return url;
    // A bare host name, as a browser completes it.
    return QUrl(QStringLiteral("http://") + text);
}

QString addressForUrl(const QUrl &url)
{
    const QString fragment = url.hasFragment() ? QLatin1Char('#') + url.fragment() : QString();
    if (url.scheme() == QLatin1String("qrc") && url.path().startsWith(kHelpPath))
        return WebBrowser::programFolder()
            + url.path().mid(kHelpPath.size()).replace(QLatin1Char('/'), QLatin1Char('\\'))
            + fragment;
    if (url.isLocalFile())
        return QDir::toNativeSeparators(url.toLocalFile()) + fragment;
    return url.toString();
}

} // namespace

WebBrowser::WebBrowser(QWidget *parent)
    : QWidget(parent), m_view(new QTextBrowser(this))
{
    m_view->setObjectName(QStringLiteral("page"));
    // Links are followed here, so that every address goes through navigation.
    m_view->setOpenLinks(false);
    setFocusProxy(m_view);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    m_loadTimer.setSingleShot(true);
    m_loadTimer.setInterval(kLoadTime);
    connect(&m_loadTimer, &QTimer::timeout, this, &WebBrowser::finishLoad);
    connect(m_view, &QTextBrowser::anchorClicked, this, &WebBrowser::followLink);
}

QString WebBrowser::programFolder()
{
    return QString(kProgramFolder).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QString WebBrowser::homePage()
{
    return programFolder() + QStringLiteral("index.htm");
}

QString WebBrowser::searchPage()
{
    return QStringLiteral("qrc:/browser/search.htm");
}

QString WebBrowser::errorPageTitle()
{
    return QStringLiteral("No se puede mostrar la página");
}

bool WebBrowser::navigate(const QString &address)
{
    const QUrl url = urlForAddress(address);
    if (url.isEmpty())
        return false;
    startLoad({url, Move::Forward});
    return true;
}

bool WebBrowser::goBack()
{
    if (m_historyIndex <= 0)
        return false;
    startLoad({m_history[m_historyIndex - 1], Move::History, m_historyIndex - 1});
    return true;
}

bool WebBrowser::goForward()
{
    if (m_historyIndex < 0 || m_historyIndex + 1 >= int(m_history.size()))
        return false;
    startLoad({m_history[m_historyIndex + 1], Move::History, m_historyIndex + 1});
    return true;
}

bool WebBrowser::goHome()
{
    return navigate(homePage());
}

bool WebBrowser::goSearch()
{
    return navigate(searchPage());
}

bool WebBrowser::refresh()
{
    if (m_historyIndex < 0)
        return false;
    startLoad({m_history[m_historyIndex], Move::Reload});
    return true;
}

void WebBrowser::stop()
{
    if (!busy())
        return;
    m_loadTimer.stop();
    emit downloadComplete();
}

bool WebBrowser::busy() const
{
    return m_loadTimer.isActive();
}

QString WebBrowser::locationName() const
{
    const QString title = m_view->documentTitle();
    return title.isEmpty() ? locationURL() : title;
}

QString WebBrowser::locationURL() const
{
    return m_historyIndex < 0 ? QString() : addressForUrl(m_history[m_historyIndex]);
}

void WebBrowser::setLoadTime(int milliseconds)
{
    m_loadTimer.setInterval(milliseconds);
}

void WebBrowser::startLoad(const Load &load)
{
    m_pending = load;
    m_loadTimer.start();
}

void WebBrowser::finishLoad()
{
    const Load load = m_pending;
    const Fetched fetched = fetch(load.url);
    const QString text = fetched.failure.isEmpty()
        ? QStringDecoder::decoderForHtml(fetched.data).decode(fetched.data)
        : errorPage(addressForUrl(load.url), fetched.failure);

    QTextDocument *document = m_view->document();
    document->clear();
    document->setMetaInformation(QTextDocument::DocumentTitle, QString());
    // Pictures and style sheets of the page are found relative to it.
    document->setBaseUrl(load.url);
    if (Qt::mightBeRichText(text))
        m_view->setHtml(text);
    else
        m_view->setPlainText(text);
    if (load.url.hasFragment())
        m_view->scrollToAnchor(load.url.fragment());

    switch (load.move) {
    case Move::Forward:
        m_history.resize(size_t(m_historyIndex + 1));
        m_history.push_back(load.url);
        m_historyIndex = int(m_history.size()) - 1;
        break;
    case Move::History:
        m_historyIndex = load.historyIndex;
        break;
    case Move::Reload:
        break;
    }
    emit downloadComplete();
}

void WebBrowser::followLink(const QUrl &link)
{
    const QUrl base = m_historyIndex < 0 ? QUrl() : m_history[m_historyIndex];
    startLoad({base.resolved(link), Move::Forward});
}
