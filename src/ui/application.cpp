#include "ui/application.h"

#include <QFont>
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
}

}  // namespace korvel
