#include "shell/ScreenBuilder.h"

#include "shell/Accessibility.h"
#include "shell/CommandButton.h"
#include "shell/Fonts.h"
#include "shell/LayoutCheck.h"
#include "shell/Legibility.h"
#include "shell/LineWidget.h"
#include "shell/Pictures.h"
#include "shell/QtText.h"
#include "shell/ScreenLayout.h"
#include "shell/TextBox.h"

#include <QLabel>

#include <algorithm>
#include <cmath>
#include <map>
#include <ranges>

namespace sostav {

namespace {

// Twips to logical pixels, on a screen shrunk by `scale` where it cannot fit its desktop.
int px(int twips, double scale = 1.0)
{
    return int(std::lround(twips * scale / TwipsPerPixel));
}

QRect placeOf(const WidgetRow& row, double scale)
{
    return QRect(px(row.left, scale), px(row.top, scale), px(row.width, scale), px(row.height, scale));
}

QColor toQColor(Colour c)
{
    return QColor(c.r, c.g, c.b);
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

// What a child types stays legible on a box's fixed colour.
QPalette legibleTyping(QPalette palette)
{
    palette.setColor(QPalette::Text, textOn(palette.color(QPalette::Base), palette.color(QPalette::Text)));
    return palette;
}

QWidget* makeLabel(QWidget& parent, const WidgetRow& row)
{
    auto* label = new QLabel(toQString(row.text), &parent);
    // Labels are opaque boxes in the desktop's button colours unless the row says otherwise;
    // a colour the row fixes keeps the desktop's other colour only where that stays legible.
    QPalette palette = label->palette();
    const QColor desktopBack = palette.color(QPalette::Button);
    const QColor desktopFore = palette.color(QPalette::ButtonText);
    const QColor fore = row.fore.given ? toQColor(row.fore)
        : row.back.given               ? textOn(toQColor(row.back), desktopFore)
                                       : desktopFore;
    const QColor back = row.back.given ? toQColor(row.back)
        : row.fore.given               ? backgroundBehind(fore, desktopBack)
                                       : desktopBack;
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::WindowText, fore);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setMargin(0);
    label->setIndent(0);
    label->setWordWrap(row.align == LabelAlign::TopLeft);
    label->setAlignment(row.align == LabelAlign::Centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

// A word cannot be broken, and a desktop's font may draw it a hair wider than the face the
// screen was laid out for. Rather than cut its last letter, the label grows evenly on both
// sides, so the word stays centred where its row puts it.
void keepCaptionWhole(QLabel& label)
{
    const QString caption = label.text();
    if (caption.contains(QLatin1Char(' ')))
        return;
    const int needed = label.fontMetrics().boundingRect(caption).width();
    const int missing = needed - label.width();
    if (missing > 0)
        label.setGeometry(label.geometry().adjusted(-(missing + 1) / 2, 0, missing / 2, 0));
}

// The row gives the picture's natural size, one picture pixel per logical pixel; a picture
// redrawn at another size is a fault worth hearing about (the tests compare the two).
void checkPictureSize(const WidgetRow& row)
{
    const QSize designed(px(row.width), px(row.height));
    const QSize natural = loadPicture(row.text).deviceIndependentSize().toSize();
    if (natural != designed)
        qWarning("picture \"%s\" is %dx%d px, its row says %dx%d", row.text.data(), natural.width(), natural.height(),
            designed.width(), designed.height());
}

// A shrunk picture is smoothed down from the drawn one at the display's density, so a dense
// display keeps showing it sharper than a plain one.
void placePicture(QLabel& image, const WidgetRow& row, double scale)
{
    QPixmap picture = loadPicture(row.text);
    const QRect place = placeOf(row, scale);
    if (place.size() != picture.deviceIndependentSize().toSize()) {
        const qreal density = picture.devicePixelRatio();
        picture = picture.scaled(place.size() * density, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(density);
    }
    image.setPixmap(picture);
    image.setGeometry(place);
}

QWidget* makeWidget(QWidget& window, const WidgetRow& row)
{
    QWidget* w = nullptr;
    switch (row.kind) {
    case WidgetKind::CommandButton:
        w = new CommandButton(&window);
        static_cast<CommandButton*>(w)->setText(toQString(row.text));
        break;
    case WidgetKind::TextBox:
        w = new TextBox(&window);
        setColour(*w, QPalette::Base, row.back);
        if (row.back.given)
            w->setPalette(legibleTyping(w->palette()));
        break;
    case WidgetKind::Label:
        w = makeLabel(window, row);
        break;
    case WidgetKind::Image:
        w = new QLabel(&window);
        static_cast<QLabel*>(w)->setMargin(0);
        static_cast<QLabel*>(w)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        w->setFocusPolicy(Qt::NoFocus);
        checkPictureSize(row);
        break;
    case WidgetKind::Line:
        w = new LineWidget(&window, toQColor(row.fore));
        break;
    }
    w->setObjectName(toQString(row.name));
    const std::string_view name = row.accessibleName.empty() ? accessibleNameOf(row.role) : row.accessibleName;
    if (!name.empty())
        w->setAccessibleName(toQString(name));
    w->setVisible(row.visible);
    return w;
}

void place(QWidget& w, const WidgetRow& row, double scale)
{
    switch (row.kind) {
    case WidgetKind::Image:
        placePicture(static_cast<QLabel&>(w), row, scale);
        return;
    case WidgetKind::Line:
        // Thinned with the screen, not just shortened: a shrunk diagram keeps its look.
        static_cast<LineWidget&>(w).setEnds(
            QLine(px(row.x1, scale), px(row.y1, scale), px(row.x2, scale), px(row.y2, scale)),
            std::max(1.0, row.lineWidth * scale));
        return;
    default:
        break;
    }
    w.setGeometry(placeOf(row, scale));
    if (row.font.face != FontFace::None)
        w.setFont(fontFor(row.font, scale));
    if (row.kind == WidgetKind::Label)
        keepCaptionWhole(static_cast<QLabel&>(w));
}

void hand(RoleHandles& roles, const WidgetRow& row, QWidget* w)
{
    auto* button = qobject_cast<CommandButton*>(w);
    switch (row.role) {
    case Role::None:
        break;
    case Role::Answer:
        if (roles.answers.size() <= std::size_t(row.slot))
            roles.answers.resize(std::size_t(row.slot) + 1);
        roles.answers[std::size_t(row.slot)] = qobject_cast<TextBox*>(w);
        break;
    case Role::Check:
        roles.check = button;
        break;
    case Role::Reset:
        roles.reset = button;
        break;
    case Role::Back:
        roles.back = button;
        break;
    case Role::Exit:
        roles.exit = button;
        break;
    case Role::Open:
        roles.links.emplace_back(button, row.opens);
        break;
    case Role::RightVerdict:
        roles.rightVerdict = w;
        break;
    case Role::WrongVerdict:
        roles.wrongVerdict = w;
        break;
    }
}

} // namespace

QRect designedClient(const ScreenLayout& layout)
{
    return QRect(QPoint(px(layout.left), px(layout.top)), clientSizeAt(layout, 1.0));
}

QSize clientSizeAt(const ScreenLayout& layout, double scale)
{
    return QSize(px(layout.clientWidth, scale), px(layout.clientHeight, scale));
}

RoleHandles buildScreen(QWidget& window, const ScreenLayout& layout, double scale, std::vector<BuiltWidget>& built)
{
    // A broken table is a programming mistake that no child should meet as a half-working
    // screen; every screen is built by the tests, which stop here with what is wrong.
    if (const std::string problem = layoutProblem(layout); !problem.empty())
        qFatal("broken screen table, %s", problem.c_str());
    window.setObjectName(toQString(layout.name));
    window.setWindowTitle(toQString(layout.name));
    window.setAccessibleName(toQString(layout.accessibleName));
    window.setAutoFillBackground(true);
    setColour(window, QPalette::Window, layout.background);
    // Only the size shrinks: where the window opens is a place on the desktop.
    const QRect client(designedClient(layout).topLeft(), clientSizeAt(layout, scale));
    if (layout.placement == Placement::StoredPosition)
        window.setGeometry(client);
    else
        window.resize(client.size());

    // Qt paints later siblings over earlier ones, so widgets are created back to front:
    // first the surface layer (labels, images, lines), then the front layer (buttons,
    // text boxes), each from the last row of the table to the first.
    RoleHandles roles;
    std::map<int, QWidget*> tabOrder;
    for (bool front : {false, true}) {
        for (const WidgetRow& row : std::views::reverse(layout.widgets)) {
            if (inFrontLayer(row.kind) != front)
                continue;
            QWidget* w = makeWidget(window, row);
            place(*w, row, scale);
            built.push_back({&row, w});
            hand(roles, row, w);
            if (front)
                tabOrder.emplace(row.tabIndex, w);
        }
    }

    QWidget* previous = nullptr;
    for (const auto& [index, w] : tabOrder) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        if (!roles.firstFocus && w->isVisibleTo(&window))
            roles.firstFocus = w;
        previous = w;
    }
    exposeToAssistiveTechnology(window, roles);
    return roles;
}

void placeAtScale(std::span<const BuiltWidget> built, double scale)
{
    for (const auto& [row, widget] : built)
        place(*widget, *row, scale);
}

} // namespace sostav
