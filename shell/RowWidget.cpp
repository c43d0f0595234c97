#include "shell/RowWidget.h"

#include "shell/Accessibility.h"
#include "shell/CommandButton.h"
#include "shell/Fonts.h"
#include "shell/Legibility.h"
#include "shell/LineWidget.h"
#include "shell/Pictures.h"
#include "shell/QtText.h"
#include "shell/TextBox.h"
#include "shell/Twips.h"
#include "shell/WidgetRow.h"

#include <QLabel>

#include <algorithm>
#include <cmath>

namespace sostav {

namespace {

QRect placeOf(const WidgetRow& row, double scale)
{
    return QRect(twipsToPixels(row.left, scale), twipsToPixels(row.top, scale), twipsToPixels(row.width, scale),
        twipsToPixels(row.height, scale));
}

QColor toQColor(Colour c)
{
    return QColor(c.r, c.g, c.b);
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
    const QSize designed(twipsToPixels(row.width), twipsToPixels(row.height));
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

} // namespace

void setColour(QWidget& w, QPalette::ColorRole role, Colour c)
{
    if (!c.given)
        return;
    QPalette palette = w.palette();
    palette.setColor(role, toQColor(c));
    w.setPalette(palette);
}

QWidget* makeRowWidget(QWidget& window, const WidgetRow& row)
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

void placeRowWidget(QWidget& w, const WidgetRow& row, double scale)
{
    switch (row.kind) {
    case WidgetKind::Image:
        placePicture(static_cast<QLabel&>(w), row, scale);
        return;
    case WidgetKind::Line:
        // Thinned with the screen, not just shortened: a shrunk diagram keeps its look.
        static_cast<LineWidget&>(w).setEnds(QLine(twipsToPixels(row.x1, scale), twipsToPixels(row.y1, scale),
                                                twipsToPixels(row.x2, scale), twipsToPixels(row.y2, scale)),
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

} // namespace sostav
