#include "shell/ScreenBuilder.h"

#include "shell/CommandButton.h"
#include "shell/FontSetup.h"
#include "shell/LineWidget.h"
#include "shell/PictureLoader.h"
#include "shell/Screen.h"
#include "shell/ScreenLayout.h"
#include "shell/TextBox.h"

#include <QLabel>

#include <algorithm>
#include <map>
#include <ranges>

namespace sostav {

namespace {

constexpr int px(int twips)
{
    return twips / TwipsPerPixel;
}

QColor toQColor(Colour c)
{
    return QColor(c.r, c.g, c.b);
}

QString qstr(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool inFrontLayer(WidgetKind kind)
{
    return kind == WidgetKind::CommandButton || kind == WidgetKind::TextBox;
}

void setColour(QWidget& w, QPalette::ColorRole role, Colour c)
{
    if (!c.given)
        return;
    QPalette palette = w.palette();
    palette.setColor(role, toQColor(c));
    w.setPalette(palette);
}

QWidget* makeLabel(QWidget& parent, const WidgetRow& row)
{
    auto* label = new QLabel(qstr(row.text), &parent);
    // Labels are opaque boxes in the desktop's button colours unless the row says otherwise.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    setColour(*label, QPalette::Window, row.back);
    setColour(*label, QPalette::WindowText, row.fore);
    label->setMargin(0);
    label->setIndent(0);
    label->setWordWrap(row.align == LabelAlign::TopLeft);
    label->setAlignment(row.align == LabelAlign::Centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

QWidget* makeImage(QWidget& parent, const WidgetRow& row)
{
    auto* image = new QLabel(&parent);
    const QPixmap picture = PictureLoader::load(row.text);
    image->setPixmap(picture);
    image->setMargin(0);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setFocusPolicy(Qt::NoFocus);
    // The widget is exactly as large as its picture, one picture pixel per logical pixel.
    image->setGeometry(QRect(QPoint(px(row.left), px(row.top)), picture.deviceIndependentSize().toSize()));
    return image;
}

} // namespace

QWidget* ScreenBuilder::makeWidget(Screen& screen, const WidgetRow& row)
{
    QWidget* w = nullptr;
    switch (row.kind) {
    case WidgetKind::CommandButton:
        w = new CommandButton(&screen);
        static_cast<CommandButton*>(w)->setText(qstr(row.text));
        break;
    case WidgetKind::TextBox:
        w = new TextBox(&screen);
        setColour(*w, QPalette::Base, row.back);
        break;
    case WidgetKind::Label:
        w = makeLabel(screen, row);
        break;
    case WidgetKind::Image:
        w = makeImage(screen, row);
        break;
    case WidgetKind::Line:
        w = new LineWidget(&screen, QLine(px(row.left), px(row.top), px(row.width), px(row.height)), row.lineWidth,
            toQColor(row.fore));
        break;
    }
    w->setObjectName(qstr(row.name));
    if (row.kind != WidgetKind::Image && row.kind != WidgetKind::Line)
        w->setGeometry(px(row.left), px(row.top), px(row.width), px(row.height));
    if (row.font.face != FontFace::None)
        w->setFont(FontSetup::font(row.font));
    if (!row.accessibleName.empty())
        w->setAccessibleName(qstr(row.accessibleName));
    w->setVisible(row.visible);
    return w;
}

void ScreenBuilder::build(Screen& screen, const ScreenLayout& layout)
{
    screen.setObjectName(qstr(layout.name));
    screen.setWindowTitle(qstr(layout.name));
    screen.setAutoFillBackground(true);
    setColour(screen, QPalette::Window, layout.background);
    const QRect client(px(layout.left), px(layout.top), px(layout.clientWidth), px(layout.clientHeight));
    if (layout.placement == Placement::StoredPosition)
        screen.setGeometry(client);
    else
        screen.resize(client.size());

    // Qt paints later siblings over earlier ones, so widgets are created back to front:
    // first the surface layer (labels, images, lines), then the front layer (buttons,
    // text boxes), each from the last row of the table to the first.
    std::map<int, QWidget*> tabOrder;
    for (bool front : {false, true}) {
        for (const WidgetRow& row : std::views::reverse(layout.widgets)) {
            if (inFrontLayer(row.kind) != front)
                continue;
            QWidget* w = makeWidget(screen, row);
            if (front && row.tabIndex != NoTabIndex)
                tabOrder.emplace(row.tabIndex, w);
        }
    }

    QWidget* previous = nullptr;
    for (const auto& [index, w] : tabOrder) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
    const auto first = std::ranges::find_if(
        tabOrder, [](const auto& entry) { return entry.second->isVisibleTo(entry.second->parentWidget()); });
    if (first != tabOrder.end())
        screen.setFirstFocus(first->second);
}

} // namespace sostav
