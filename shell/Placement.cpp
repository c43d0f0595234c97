#include "shell/Placement.h"

#include <algorithm>

namespace sostav {

QPoint fittedClientPosition(QRect client, QMargins frame, QRect available)
{
    const QRect outer = client.marginsAdded(frame);
    const auto fit
        = [](int start, int length, int low, int end) { return std::max(low, std::min(start, end - length)); };
    const QPoint corner(fit(outer.x(), outer.width(), available.x(), available.x() + available.width()),
        fit(outer.y(), outer.height(), available.y(), available.y() + available.height()));
    return client.topLeft() + (corner - outer.topLeft());
}

} // namespace sostav
