#include "web_browser.h"

#include "install_paths.h"
#include "local_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
#include <QMimeDatabase>
#include <QPointer>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <functional>
#include <memory>
#include <vector>

namespace {

// Where the help pages are addressed: the folder the program is installed in,
// written with forward slashes for matching.
const QString kProgramFolder = QStringLiteral("C:/Archivos de programa/Vorbelia/");
const QString kHelpPath = QStringLiteral("/help/");
const QString kErrorTemplate = QStringLiteral(":/browser/error.htm");
// The most of a page, a text or a style sheet that is read and shown: far
// more than any help page, and still laid out in a few milliseconds.
constexpr qint64 kPageLimit = 64 * 1024;
// The longest paragraph laid out in one piece.
constexpr int kLongestParagraph = 1000;
// Pictures in pages: the largest file read, and the most pixels decoded.
constexpr qint64 kPictureLimit = 4 * 1024 * 1024;
constexpr qint64 kMostPicturePixels = 2048 * 2048;
// The first block of a file, where binary content shows by a NUL byte.
constexpr int kFirstBlock = 4096;

// What reading an address gave: its first bytes, or why there are none.
struct Fetched
{
    QByteArray data;
    QString failure;
    bool truncated = false;   // the file goes on past what was read
    QString path;             // the file read, for telling its type
};

Fetched readFile(const QString &path, qint64 limit)
{
    localfile::Contents contents = localfile::read(path, limit);
    switch (contents.outcome) {
    case localfile::Outcome::Read:
        break;
    case localfile::Outcome::Missing:
        return {{}, QStringLiteral("No se encuentra el archivo."), false, path};
    case localfile::Outcome::NotAFile:
        return {{}, QStringLiteral("La dirección no corresponde a un archivo."), false, path};
    case localfile::Outcome::Unreadable:
        return {{}, QStringLiteral("No se puede leer el archivo."), false, path};
    }
    return {std::move(contents.data), {}, contents.truncated, path};
}

// The file of a page of the program's folder, whose address is the resource
// path under kHelpPath: the page in the help folder installed with the
// program, found from the program's own folder wherever it is installed, or
// where there is no such folder, as for a program run from its build folder,
// the copy built into the program.
QString helpFile(const QString &resourcePath)
{
    const QDir installed(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                         + QLatin1String(app::installed::kHelpFolder));
    if (!installed.exists())
        return QLatin1Char(':') + resourcePath;
    return installed.filePath(resourcePath.mid(kHelpPath.size()));
}

Fetched fetch(const QUrl &url, qint64 limit)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("qrc")) {
        const QString path = url.adjusted(QUrl::NormalizePathSegments).path();
        return readFile(path.startsWith(kHelpPath) ? helpFile(path) : QLatin1Char(':') + path, limit);
    }
    if (url.isLocalFile())
        return readFile(url.toLocalFile(), limit);
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")
        || scheme == QLatin1String("ftp"))
        return {{}, QStringLiteral("Este programa no tiene acceso a Internet: las direcciones "
                                   "web no se pueden abrir desde su ayuda."), false, {}};
    return {{}, QStringLiteral("El explorador no sabe abrir direcciones de este tipo."), false, {}};
}

// Whether the bytes read from `path` are a text or a page, not a picture, a
// program or other binary content: no NUL byte in the first block, and a type
// (told by name and content) that is a kind of text.
bool isText(const QString &path, const QByteArray &data)
{
    const QByteArray firstBlock = data.left(kFirstBlock);
    if (firstBlock.contains('\0'))
        return false;
    if (data.isEmpty())
        return true;
    const QMimeDatabase types;
    const QMimeType text = types.mimeTypeForName(QStringLiteral("text/plain"));
    // Without a type database the NUL test alone decides.
    return !text.isValid() || types.mimeTypeForFileNameAndData(path, firstBlock).inherits(text.name());
}

// A page, a text or a style sheet: its bytes when it can be shown as text.
Fetched fetchText(const QUrl &url)
{
    Fetched fetched = fetch(url, kPageLimit);
    if (fetched.failure.isEmpty() && !isText(fetched.path, fetched.data))
        fetched = {{}, QStringLiteral("El archivo no es una página ni un texto, y el explorador "
                                      "no puede mostrarlo."), false, fetched.path};
    return fetched;
}

// A picture of a page; a null image for one that is missing, too large or unreadable.
QImage fetchPicture(const QUrl &url)
{
    Fetched fetched = fetch(url, kPictureLimit);
    if (!fetched.failure.isEmpty() || fetched.truncated)
        return {};
    QBuffer buffer(&fetched.data);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isEmpty() || qint64(size.width()) * size.height() > kMostPicturePixels)
        return {};
    return reader.read();
}

// The browser's own page for an address it cannot show.
QString errorPage(const QString &address, const QString &reason)
{
    QString page = QString::fromUtf8(readFile(kErrorTemplate, kPageLimit).data);
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

// Breaks every paragraph longer than kLongestParagraph characters into
// paragraphs of at most that length, at a blank where there is one. The view
// lays out a paragraph in one piece, and a long one without blanks takes it
// seconds.
void breakLongParagraphs(QTextDocument *document)
{
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (QTextBlock block = document->lastBlock(); block.isValid(); block = block.previous()) {
        if (block.length() <= kLongestParagraph)
            continue;
        const QString text = block.text();
        std::vector<int> cuts;
        for (int start = 0; text.size() - start > kLongestParagraph; start = cuts.back()) {
            int cut = int(text.lastIndexOf(QLatin1Char(' '), start + kLongestParagraph - 1)) + 1;
            if (cut <= start) {
                cut = start + kLongestParagraph;
                if (text.at(cut).isLowSurrogate())
                    --cut;
            }
            cuts.push_back(cut);
        }
        // From the last cut back, so that the earlier positions hold.
        for (auto cut = cuts.crbegin(); cut != cuts.crend(); ++cut) {
            cursor.setPosition(block.position() + *cut);
            cursor.insertBlock();
        }
    }
    cursor.endEditBlock();
}

// Puts the notice that a page is shown cut at its top.
void insertCutNotice(QTextDocument *document)
{
    QTextCursor cursor(document);
    cursor.insertBlock();
    cursor.movePosition(QTextCursor::Start);
    cursor.setBlockFormat(QTextBlockFormat());
    QTextCharFormat notice;
    notice.setFontWeight(QFont::Bold);
    notice.setForeground(QColor(0xa3, 0x23, 0x1d));
    cursor.insertText(WebBrowser::cutNotice(), notice);
}

} // namespace

// The browser's view. Its history is QTextBrowser's own: a move in it
// (setSource, backward, forward, reload) asks loadResource() for the page at
// the new place, unless it stays on the page shown. The page is built here as
// a document of its own, whole and trimmed before the view lays any of it
// out, and then shown in place of what the view made of the answer: the view
// would take a text for HTML, and lay a page out while reading it, which takes
// it seconds for a long paragraph. What a page refers to (pictures, style
// sheets) is read here too, bounded: the text widget's own loader would read
// a file to its end, however long.
class PageView : public QTextBrowser
{
public:
    explicit PageView(WebBrowser *browser)
        : QTextBrowser(browser), m_browser(browser)
    {
    }

    // The view's own history keys (Alt+Left, Alt+Right, Alt+Up) load through
    // the browser, as its buttons do.
    void backward() override { m_browser->goBack(); }
    void forward() override { m_browser->goForward(); }
    void home() override { m_browser->goHome(); }

    // The moves in the history that end a load, through go().
    void open(const QUrl &url)
    {
        // The page shown, asked for again, is read afresh: the view alone
        // would keep it as it is.
        if (url == source())
            reload();
        else
            setSource(url, QTextDocument::HtmlResource);
    }
    void stepBack() { QTextBrowser::backward(); }
    void stepForward() { QTextBrowser::forward(); }

    // Makes `move` and shows the page built for it, if it asked for one, at
    // the place its address names.
    void go(const std::function<void()> &move)
    {
        // Without a selection (a link clicked keeps one) for the history to
        // note on the page left and put back later: the page comes back as
        // a new document.
        QTextCursor cursor = textCursor();
        cursor.clearSelection();
        setTextCursor(cursor);
        move();
        if (!m_built)
            return;
        // The view deletes only the document it made itself; the pages are ours.
        const QPointer<QTextDocument> shown = document();
        setDocument(m_built.release());
        if (shown && shown->parent() == this)
            delete shown;
        if (source().hasFragment())
            scrollToAnchor(source().fragment());
    }

    QVariant loadResource(int type, const QUrl &name) override
    {
        // Data held in the address itself is the document's own affair.
        if (name.scheme() == QLatin1String("data"))
            return {};
        // Never an empty answer: the document would then read the file itself.
        switch (type) {
        case QTextDocument::HtmlResource: {
            m_built = buildPage(name);
            // The page built takes the place of what the view makes of the
            // answer, of which its history keeps the title.
            const QString title = m_built->metaInformation(QTextDocument::DocumentTitle);
            return QStringLiteral("<title>%1</title>").arg(title.toHtmlEscaped());
        }
        case QTextDocument::ImageResource:
            return fetchPicture(name);
        case QTextDocument::StyleSheetResource: {
            const Fetched fetched = fetchText(name);
            return fetched.failure.isEmpty() ? QString::fromUtf8(fetched.data) : QString();
        }
        default:
            return QByteArray();
        }
    }

private:
    // The page at `url`, or the browser's error page: a text shown as text,
    // long paragraphs broken, the notice on top of a page shown cut.
    std::unique_ptr<QTextDocument> buildPage(const QUrl &url)
    {
        const Fetched fetched = fetchText(url);
        const QString text = fetched.failure.isEmpty()
            ? QStringDecoder::decoderForHtml(fetched.data).decode(fetched.data)
            : errorPage(addressForUrl(url), fetched.failure);
        // A child of the view, so that what it refers to is read here.
        auto document = std::make_unique<QTextDocument>(this);
        document->setUndoRedoEnabled(false);
        document->setDefaultFont(font());
        // Pictures and style sheets of the page are found relative to it.
        document->setBaseUrl(url);
        if (Qt::mightBeRichText(text))
            document->setHtml(text);
        else
            document->setPlainText(text);
        breakLongParagraphs(document.get());
        if (fetched.truncated)
            insertCutNotice(document.get());
        return document;
    }

    WebBrowser *m_browser;
    std::unique_ptr<QTextDocument> m_built;
};

WebBrowser::WebBrowser(QWidget *parent)
    : QWidget(parent), m_view(new PageView(this))
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
    connect(m_view, &QTextBrowser::anchorClicked, this,
            [this](const QUrl &link) { startLoad([this, link] { m_view->open(link); }); });
}

QTextBrowser *WebBrowser::view() const
{
    return m_view;
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

QString WebBrowser::cutNotice()
{
    return QStringLiteral("Este archivo es demasiado largo para mostrarlo entero: "
                          "se muestran solo sus primeros %1 KB.").arg(kPageLimit / 1024);
}

bool WebBrowser::navigate(const QString &address)
{
    const QUrl url = urlForAddress(address);
    if (url.isEmpty())
        return false;
    startLoad([this, url] { m_view->open(url); });
    return true;
}

bool WebBrowser::goBack()
{
    if (!m_view->isBackwardAvailable())
        return false;
    startLoad([this] { m_view->stepBack(); });
    return true;
}

bool WebBrowser::goForward()
{
    if (!m_view->isForwardAvailable())
        return false;
    startLoad([this] { m_view->stepForward(); });
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
    if (m_view->source().isEmpty())
        return false;
    startLoad([this] { m_view->reload(); });
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
    return addressForUrl(m_view->source());
}

void WebBrowser::setLoadTime(int milliseconds)
{
    m_loadTimer.setInterval(milliseconds);
}

void WebBrowser::startLoad(std::function<void()> move)
{
    m_pendingMove = std::move(move);
    m_loadTimer.start();
}

void WebBrowser::finishLoad()
{
    m_view->go(m_pendingMove);
    emit downloadComplete();
}
