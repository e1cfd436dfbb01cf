#include "ui/PresetMenus.h"

#include "ui/Pictures.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QWidgetAction>

#include <array>
#include <vector>

namespace
{

struct Preset {
    const char* name;
    const char* caption;
    int value;
    int column;
    int mark; // picture of the mark, -1 for none
};

constexpr std::array<Preset, 20> kWheelPresets = {{
    {"N700x20c1", "700x20c", 2086, 0, -1}, {"N700x23c1", "700x23c", 2096, 0, 0},
    {"N700x25c1", "700x25c", 2105, 0, -1}, {"N700x28c1", "700x28c", 2136, 0, -1},
    {"N700x32c1", "700x32c", 2155, 0, -1}, {"N700x35c1", "700x35c", 2168, 0, -1},
    {"N700x38c1", "700x38c", 2180, 0, -1}, {"N650x23c1", "650x23c", 1930, 1, -1},
    {"N26x151", "26x1.5", 2010, 1, -1},    {"N26x1901", "26x1.90", 2045, 1, 1},
    {"N26x1951", "26x1.95", 2050, 1, -1},  {"N26x201", "26x2.0", 2055, 1, -1},
    {"N26x211", "26x2.1", 2068, 1, -1},    {"N26x221", "26x2.2", 2075, 1, -1},
    {"N54x584", "27.5x2.10", 2174, 2, -1}, {"N57x584", "27.5x2.25", 2193, 2, -1},
    {"N60x584", "27.5x2.35", 2212, 2, -1}, {"N54x622", "29x2.10", 2293, 2, -1},
    {"N57x622", "29x2.25", 2312, 2, -1},   {"N60x622", "29x2.35", 2331, 2, -1},
}};
// The separator N4 stands in the third column before the 29-inch sizes.
constexpr int kSeparatorBeforeRow = 3;

struct OdometerEntry {
    const char* name;
    const char* caption;
    int tag;
};

constexpr std::array<OdometerEntry, 6> kOdometerEntries = {{{"N01", "0", 0},
                                                            {"N1001", "+100", 100},
                                                            {"N5001", "+500", 500},
                                                            {"N10001", "+1000", 1000},
                                                            {"N50001", "+5000", 5000},
                                                            {"N100001", "+10000", 10000}}};

// Moves the focus through the grid of entries with the arrow keys, as in a menu.
class GridNavigator : public QObject
{
public:
    GridNavigator(QObject* parent, std::vector<std::vector<QPushButton*>> columns)
        : QObject(parent), m_columns(std::move(columns))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (std::size_t c = 0; c < m_columns.size(); ++c) {
            for (std::size_t r = 0; r < m_columns[c].size(); ++r) {
                if (m_columns[c][r] != watched)
                    continue;
                QPushButton* target = neighbour(c, r, key);
                if (!target)
                    return false;
                target->setFocus(Qt::OtherFocusReason);
                return true;
            }
        }
        return false;
    }

private:
    QPushButton* neighbour(std::size_t c, std::size_t r, int key) const
    {
        const auto& column = m_columns[c];
        switch (key) {
        case Qt::Key_Down:
            return column[(r + 1) % column.size()];
        case Qt::Key_Up:
            return column[(r + column.size() - 1) % column.size()];
        case Qt::Key_Right:
        case Qt::Key_Left: {
            const std::size_t n = m_columns.size();
            const auto& other = m_columns[key == Qt::Key_Right ? (c + 1) % n : (c + n - 1) % n];
            return other[std::min(r, other.size() - 1)];
        }
        default:
            return nullptr;
        }
    }

    std::vector<std::vector<QPushButton*>> m_columns;
};

QFrame* line(QWidget* parent, QFrame::Shape shape)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(shape);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

} // namespace

QMenu* PresetMenus::createOdometerMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("mnuOdo"));
    for (const auto& entry : kOdometerEntries) {
        QAction* action = menu->addAction(QString::fromLatin1(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setData(entry.tag);
        if (entry.tag == 0)
            menu->addSeparator();
    }
    return menu;
}

QMenu* PresetMenus::createWheelMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("mnuWheel"));
    auto* grid = new QWidget(menu);
    grid->setObjectName(QStringLiteral("mnuWheelGrid"));
    grid->setStyleSheet(QStringLiteral(
        "QPushButton { text-align: left; padding: 3px 12px 3px 4px; border: none; background: transparent; }"
        "QPushButton:hover, QPushButton:focus { background: palette(highlight); color: "
        "palette(highlighted-text); }"));
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);

    std::vector<std::vector<QPushButton*>> columns(3);
    std::array<int, 3> rows{};
    for (const auto& preset : kWheelPresets) {
        auto* action = new QAction(QString::fromLatin1(preset.caption), menu);
        action->setObjectName(QString::fromLatin1(preset.name));
        action->setData(preset.value);
        if (preset.mark >= 0)
            action->setIcon(Pictures::wheelMark(preset.mark));
        QObject::connect(action, &QAction::triggered, menu, &QMenu::close);

        auto* button = new QPushButton(action->icon(), action->text(), grid);
        button->setIconSize(QSize(16, 16));
        button->setAccessibleName(action->text());
        QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);

        const int gridColumn = preset.column * 2;
        int& row = rows[static_cast<std::size_t>(preset.column)];
        if (preset.column == 2 && row == kSeparatorBeforeRow) {
            QFrame* separator = line(grid, QFrame::HLine);
            separator->setObjectName(QStringLiteral("N4"));
            layout->addWidget(separator, row++, gridColumn);
        }
        layout->addWidget(button, row++, gridColumn);
        columns[static_cast<std::size_t>(preset.column)].push_back(button);
    }
    layout->addWidget(line(grid, QFrame::VLine), 0, 1, rows[0], 1);
    layout->addWidget(line(grid, QFrame::VLine), 0, 3, rows[0], 1);
    layout->setRowStretch(std::max({rows[0], rows[1], rows[2]}), 1);

    auto* navigator = new GridNavigator(grid, columns);
    for (const auto& column : columns)
        for (QPushButton* button : column)
            button->installEventFilter(navigator);

    auto* host = new QWidgetAction(menu);
    host->setDefaultWidget(grid);
    menu->addAction(host);
    QObject::connect(menu, &QMenu::aboutToShow, grid, [columns] { columns[0][0]->setFocus(); });
    return menu;
}
