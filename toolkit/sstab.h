#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

class Surface;
class SSTabStrip;

// A tabbed dialog panel in the classic look: the tabs stand in one or more
// rows of equal width across the top, raised, and the tab in front joins the
// page below it. With several rows, the row of the tab in front moves next to
// the page, as the platform's multi-row tab strips do.
//
// Each tab's page is a Surface as large as the whole panel, so the controls of
// a page are placed relative to the panel's own top-left corner (the tab strip
// occupies the top rows() x tabHeight twips of it); windowless items can sit
// on a page as on any surface. Only the page in front is shown.
class SSTab : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Tab READ Tab WRITE setTab NOTIFY currentChanged)
    Q_PROPERTY(int currentIndex READ Tab WRITE setTab NOTIFY currentChanged)

public:
    // One tab per caption, `tabsPerRow` to a row, the first caption top-left.
    SSTab(const QStringList &captions, int tabsPerRow, QWidget *parent = nullptr);

    int count() const { return int(m_pages.size()); }
    int tabsPerRow() const { return m_tabsPerRow; }
    int rows() const;

    // The tab in front, 0 .. count() - 1. Writing an index out of range does nothing.
    int Tab() const { return m_current; }
    void setTab(int index);

    Surface *page(int index) const;
    QString tabCaption(int index) const;

    // Height of one row of tabs, in twips.
    static constexpr double kTabHeight = 270;
    // Height of the whole tab strip in logical pixels.
    int stripHeight() const;

    // Where tab `index` is drawn, in logical pixels of this widget; the tab in
    // front is drawn a little larger than this rectangle.
    QRect tabRect(int index) const;
    // The tab under `position`, or -1.
    int tabAt(const QPoint &position) const;

signals:
    // The tab in front has changed (by a click, a key or from code).
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int visualRow(int row) const;

    QStringList m_captions;
    int m_tabsPerRow;
    int m_current = 0;
    std::vector<Surface *> m_pages;
    SSTabStrip *m_strip;
};
