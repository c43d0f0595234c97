#include "shell/DesktopFit.h"

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

double fittingScale(QSize client, QMargins frame, QSize available)
{
    if (client.isEmpty())
        return 1.0;
    const double across = double(available.width() - frame.left() - frame.right()) / client.width();
    const double down = double(available.height() - frame.top() - frame.bottom()) / client.height();
    // A desktop too small for anything legible still gets the whole screen, however small.
    return std::clamp(std::min(across, down), 0.1, 1.0);
}

} // namespace sostav
