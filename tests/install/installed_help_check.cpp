#include "frmbrowser.h"
#include "install_paths.h"
#include "web_browser.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

// Run by check_install.cmake from the bin/ folder of an installed copy of the
// program, beside the installed program: the help browser must show the help
// pages installed with it, not the copy built into the program. Each page's
// title is marked in this installation first, so that only the installed file
// can show the marked title.
class InstalledHelpCheck : public QObject
{
    Q_OBJECT

private slots:
    void browserShowsTheInstalledPages();
};

namespace {

const QString kMark = QStringLiteral(" (instalada)");

// Marks the title of the page at `path`; gives the marked title.
QString markTitle(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return {};
    QString page = QString::fromUtf8(file.readAll());
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    const QRegularExpressionMatch found = title.match(page);
    if (!found.hasMatch())
        return {};
    const QString marked = found.captured(1) + kMark;
    page.replace(found.capturedStart(1), found.capturedLength(1), marked);
    file.resize(0);
    file.seek(0);
    file.write(page.toUtf8());
    return marked;
}

} // namespace

void InstalledHelpCheck::browserShowsTheInstalledPages()
{
    const QDir help(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                    + QLatin1String(app::installed::kHelpFolder));
    const QStringList pages = help.entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
    QVERIFY2(pages.contains(QStringLiteral("index.htm")), qPrintable(help.path()));

    QHash<QString, QString> titles;
    for (const QString &page : pages) {
        titles[page] = markTitle(help.filePath(page));
        QVERIFY2(!titles[page].isEmpty(), qPrintable(page));
    }

    // The window opens on its start page, as from the help menu.
    frmBrowser form;
    form.show();
    QTRY_COMPARE(form.windowTitle(), titles[QStringLiteral("index.htm")]);
    QCOMPARE(form.brwWebBrowser->locationURL(), WebBrowser::homePage());

    // Every page of the program's folder, named as on a case-blind file system.
    for (const QString &page : pages) {
        QVERIFY(form.brwWebBrowser->navigate(WebBrowser::programFolder() + page.toUpper()));
        QTRY_VERIFY(!form.brwWebBrowser->busy());
        QCOMPARE(form.brwWebBrowser->locationName(), titles[page]);
    }
}

QTEST_MAIN(InstalledHelpCheck)
#include "installed_help_check.moc"
