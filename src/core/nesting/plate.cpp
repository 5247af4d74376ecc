#include "core/nesting/plate.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"

namespace korvel {

const std::vector<Plate>& platePresets() {
    static const std::vector<Plate> presets{{1250, 2500, 10, 8}, {1500, 3000, 10, 8}, {2000, 6000, 10, 8}};
    return presets;
}

std::string plateProblem(const Plate& plate) {
    if (!std::isfinite(plate.width) || !std::isfinite(plate.height) || plate.width <= 0 || plate.height <= 0)
        return "钢板尺寸必须是大于 0 的数：" + numberText(plate.width) + " × " + numberText(plate.height) + " mm";
    if (!std::isfinite(plate.margin) || plate.margin < 0) return "边距不能为负数：" + numberText(plate.margin) + " mm";
    if (!std::isfinite(plate.gap) || plate.gap < 0) return "间隙不能为负数：" + numberText(plate.gap) + " mm";
    if (plate.usableWidth() <= 0 || plate.usableHeight() <= 0)
        return "边距 " + numberText(plate.margin) + " mm 使 " + numberText(plate.width) + " × " +
               numberText(plate.height) + " mm 的钢板没有可用的地方";
    if (plate.gap >= std::min(plate.usableWidth(), plate.usableHeight()))
        return "间隙 " + numberText(plate.gap) + " mm 不小于钢板可用的宽度，放不下任何零件";
    return "";
}

}  // namespace korvel
