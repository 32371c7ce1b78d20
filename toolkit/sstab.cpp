#include "sstab.h"

#include "classic_frame.h"
#include "surface.h"
#include "twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Gap above the back row, room for the tab in front to stand taller.
constexpr int kLift = 2;

// The raised edges of a tab: a light bevel inside a grey outline on the left
// and top (with bevelled corners), a dark bevel on the right; the bottom stays
// open.
void drawTabEdges(QPainter &painter, const QRect &r, const QPalette &palette)
{
    const int l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
    painter.setPen(palette.color(QPalette::Mid));
    painter.drawLine(l, t + 2, l, b);
    painter.drawLine(l + 2, t, rt - 2, t);
    painter.drawPoint(l + 1, t + 1);
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(l + 1, t + 2, l + 1, b);
    painter.drawLine(l + 2, t + 1, rt - 2, t + 1);
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(rt - 1, t + 2, rt - 1, b);
    painter.setPen(palette.color(QPalette::Shadow));
    painter.drawLine(rt, t + 2, rt, b);
    painter.drawPoint(rt - 1, t + 1);
}

} // namespace

// The panel's chrome: the row(s) of tabs across the top and the raised edges
// of the page body. It lies over the pages, masked to the tab strip and the
// body's edges, so it paints those and takes the clicks on the tabs whatever
// a page holds, while everything else of a page stays open to the pointer.
class SSTabStrip : public QWidget
{
public:
    explicit SSTabStrip(SSTab *tab)
        : QWidget(tab)
        , m_tab(tab)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

    void updateMask()
    {
        const int w = width(), h = height();
        QRegion shape(0, 0, w, m_tab->stripHeight() + 2);
        shape += QRegion(0, 0, 2, h);
        shape += QRegion(w - 2, 0, 2, h);
        shape += QRegion(0, h - 2, w, 2);
        setMask(shape);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        paintBody(painter);
        for (int i = 0; i < m_tab->count(); ++i) {
            if (i != m_tab->Tab())
                drawTab(painter, i, m_tab->tabRect(i));
        }
        drawTab(painter, m_tab->Tab(), frontRect());
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        const int index = m_tab->tabAt(event->position().toPoint());
        if (index >= 0 && event->button() == Qt::LeftButton)
            m_tab->setTab(index);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Left:
            m_tab->setTab(m_tab->Tab() - 1);
            break;
        case Qt::Key_Right:
            m_tab->setTab(m_tab->Tab() + 1);
            break;
        default:
            QWidget::keyPressEvent(event);
        }
    }

    void focusInEvent(QFocusEvent *) override { update(); }
    void focusOutEvent(QFocusEvent *) override { update(); }

private:
    // The page body's raised edges, as the tabs': light top and left inside a
    // grey outline, dark bottom and right.
    void paintBody(QPainter &painter)
    {
        const QPalette &pal = palette();
        const QRect body(0, m_tab->stripHeight(), width(), height() - m_tab->stripHeight());
        paintClassicFrame(painter, body, pal.color(QPalette::Mid), pal.color(QPalette::Shadow));
        paintClassicFrame(painter, body.adjusted(1, 1, -1, -1), pal.color(QPalette::Light),
                          pal.color(QPalette::Dark));
    }

    // The tab in front: wider by two pixels each side, lifted by two, and
    // running down over the page's top edge so that it joins the page.
    QRect frontRect() const
    {
        const QRect r = m_tab->tabRect(m_tab->Tab());
        return QRect(QPoint(qMax(0, r.left() - 2), r.top() - kLift),
                     QPoint(qMin(width() - 1, r.right() + 2), m_tab->stripHeight() + 1));
    }

    void drawTab(QPainter &painter, int index, const QRect &r)
    {
        painter.fillRect(r, palette().color(QPalette::Window));
        drawTabEdges(painter, r, palette());
        const bool front = index == m_tab->Tab();
        const QRect textRect = r.adjusted(3, 1, -3, front ? -2 : 0);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, m_tab->tabCaption(index));
        if (front && hasFocus()) {
            const QRect box = painter.boundingRect(textRect, Qt::AlignCenter, m_tab->tabCaption(index));
            painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
            painter.drawRect(box.adjusted(-2, -1, 1, 0).intersected(r.adjusted(2, 2, -3, -1)));
        }
    }

    SSTab *m_tab;
};

SSTab::SSTab(const QStringList &captions, int tabsPerRow, QWidget *parent)
    : QWidget(parent)
    , m_captions(captions)
    , m_tabsPerRow(qMax(1, tabsPerRow))
{
    for (int i = 0; i < captions.size(); ++i) {
        auto *page = new Surface(this);
        page->setVisible(i == m_current);
        m_pages.push_back(page);
    }
    m_strip = new SSTabStrip(this);
    m_strip->raise();
    setFocusProxy(m_strip);
}

int SSTab::rows() const
{
    return (count() + m_tabsPerRow - 1) / m_tabsPerRow;
}

int SSTab::stripHeight() const
{
    return rows() * twips::toPixelsRounded(kTabHeight);
}

void SSTab::setTab(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    m_pages[size_t(index)]->show();
    m_pages[size_t(m_current)]->hide();
    m_current = index;
    m_strip->update();
    emit currentChanged(index);
}

Surface *SSTab::page(int index) const
{
    return index >= 0 && index < count() ? m_pages[size_t(index)] : nullptr;
}

QString SSTab::tabCaption(int index) const
{
    return m_captions.value(index);
}

int SSTab::visualRow(int row) const
{
    const int n = rows();
    const int frontRow = m_current / m_tabsPerRow;
    return ((row - frontRow + n - 1) % n + n) % n;
}

QRect SSTab::tabRect(int index) const
{
    if (index < 0 || index >= count())
        return {};
    const int rowHeight = twips::toPixelsRounded(kTabHeight);
    const int column = index % m_tabsPerRow;
    const int top = visualRow(index / m_tabsPerRow) * rowHeight + kLift;
    const int left = width() * column / m_tabsPerRow;
    const int right = width() * (column + 1) / m_tabsPerRow;
    // Tabs of the back rows reach down to the row in front of them.
    const int bottom = visualRow(index / m_tabsPerRow) == rows() - 1 ? stripHeight() - 1
                                                                        : top + rowHeight - 1;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom));
}

int SSTab::tabAt(const QPoint &position) const
{
    // The tab in front is drawn over its neighbours, so it is hit first.
    const QRect front = tabRect(m_current).adjusted(-2, -kLift, 2, 0);
    if (front.contains(position))
        return m_current;
    for (int i = 0; i < count(); ++i) {
        if (tabRect(i).contains(position))
            return i;
    }
    return -1;
}

void SSTab::resizeEvent(QResizeEvent *)
{
    for (Surface *page : m_pages)
        page->setGeometry(rect());
    m_strip->setGeometry(rect());
    m_strip->updateMask();
}
