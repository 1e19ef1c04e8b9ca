#include "platform/TabPanel.h"

#include "platform/QtText.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabWidget>
#include <QWidget>

namespace {

class Tabs : public QTabWidget {
public:
    // The tab widget lays out its panels only once it is shown, and controls
    // are placed on them before; so the place is asked of the style, as the
    // tab widget itself will.
    QPoint contentsOrigin() const {
        QStyleOptionTabWidgetFrame option;
        initStyleOption(&option);
        return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).topLeft();
    }
};

Tabs* tabs(QWidget* widget) {
    return static_cast<Tabs*>(widget);
}

}  // namespace

TabPanel::TabPanel(std::string name) : Control(std::move(name), new Tabs) {
    QObject::connect(tabs(widget()), &QTabWidget::currentChanged, context(), [this] {
        if (Change)
            Change();
    });
}

void TabPanel::Append(std::string_view caption) {
    tabs(widget())->addTab(new QWidget, toQString(caption));
}

int TabPanel::PanelCount() const {
    return tabs(widget())->count();
}

std::string TabPanel::Caption(int panel) const {
    return tabs(widget())->tabText(panel).toStdString();
}

int TabPanel::Value() const {
    return tabs(widget())->currentIndex();
}

void TabPanel::SetValue(int panel) {
    if (panel >= 0 && panel < PanelCount())
        tabs(widget())->setCurrentIndex(panel);
}

QWidget* TabPanel::panel(int index) const {
    return tabs(widget())->widget(index);
}

QPoint TabPanel::panelOrigin() const {
    return tabs(widget())->contentsOrigin();
}
