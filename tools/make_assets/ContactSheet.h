#pragma once
// A contact sheet: every generated picture with its name on a grey background, small ones
// enlarged, so a maintainer can look at all of them at once.
#include <QImage>
#include <QString>
#include <utility>
#include <vector>

namespace trelon::assets {

QImage contactSheet(const std::vector<std::pair<QString, QImage>>& pictures);

} // namespace trelon::assets
