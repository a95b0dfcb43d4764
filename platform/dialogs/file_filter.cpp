#include "platform/dialogs/file_filter.h"

#include <QStringList>

#include "platform/text/win1252.h"

namespace platform {

QString QtNameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(Win1252ToUtf8(filter)).split(QChar('|'));
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QChar(';'), QChar(' '));
    entries.push_back(parts[i] + " (" + patterns + ")");
  }
  return entries.join(";;");
}

}  // namespace platform
