#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace korvel {
namespace {
double overrideDpi = 0.0;
}

double screenDpi() {
    if (overrideDpi > 0.0) return overrideDpi;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const double dpi = screen->logicalDotsPerInchX();
            if (dpi > 0.0) return dpi;
        }
    }
    return 96.0;
}

void setScreenDpi(double dpi) { overrideDpi = dpi; }

double twipsPerPixel() { return kTwipsPerInch / screenDpi(); }

int toPixels(double twips) { return static_cast<int>(std::lround(twips / twipsPerPixel())); }

double toTwips(double pixels) { return pixels * twipsPerPixel(); }

}  // namespace korvel
