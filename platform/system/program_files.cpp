#include "platform/system/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/system/file_paths.h"

namespace platform {

std::string ProgramFilePath(std::string_view fileName) {
  if (!QCoreApplication::instance()) return {};
  const QString name = QString::fromStdString(std::string(fileName));
  const QDir programFolder(QCoreApplication::applicationDirPath());
  for (const QString& candidate : {programFolder.filePath(name), programFolder.filePath("../share/tessel/" + name)}) {
    const QFileInfo info(candidate);
    if (info.isFile()) return AbsoluteSystemPath(info.absoluteFilePath().toStdString());
  }
  return {};
}

}  // namespace platform
