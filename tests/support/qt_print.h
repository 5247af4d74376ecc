#pragma once
// Qt's strings as a test compares them, so that a failure prints their text.

#include <QStringList>
#include <string>

namespace korvel::testing {

// The strings one a line.
inline std::string lines(const QStringList& list) { return list.join(QLatin1Char('\n')).toStdString(); }

}  // namespace korvel::testing
