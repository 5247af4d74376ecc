#include "ui/application.h"

#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QStringList>
#include <fontconfig/fontconfig.h>
#include <system_error>

// The pictures live in the static core library; their initialiser is only
// linked in when something calls it.
static void initResources() { Q_INIT_RESOURCE(korvel); }

namespace korvel {

FontConfigWarmUp::FontConfigWarmUp() {
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: the font library reads it when first asked.
    }
}

FontConfigWarmUp::~FontConfigWarmUp() { join(); }

void FontConfigWarmUp::join() {
    if (thread_.joinable()) thread_.join();
}

void setUpApplication() {
    initResources();
    const QStringList songs = {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                               QStringLiteral("AR PL UMing HK"), QStringLiteral("AR PL SungtiL GB"),
                               QStringLiteral("Noto Serif CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("宋体"), songs);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), songs);
    // The windows' icon, and the desktop entry the desktop matches them with.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvel.Korvel"));
    QSvgRenderer icon(QStringLiteral(":/icons/korvel.svg"));
    if (icon.isValid()) {
        QIcon windows;
        for (const int size : {16, 32, 48, 64, 128}) {
            QPixmap pixels(size, size);
            pixels.fill(Qt::transparent);
            QPainter painter(&pixels);
            icon.render(&painter);
            painter.end();
            windows.addPixmap(pixels);
        }
        QGuiApplication::setWindowIcon(windows);
    }
}

}  // namespace korvel
