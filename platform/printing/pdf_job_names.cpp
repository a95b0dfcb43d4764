#include "platform/printing/pdf_job_names.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

namespace platform {
namespace {

// "out.pdf" -> "out-2.pdf"; a name without an extension (or one that only
// starts with a dot) gets the number at its end.
QString Numbered(const QString& absolutePath, int number) {
  const QFileInfo info(absolutePath);
  const QString name = info.fileName();
  const qsizetype dot = name.lastIndexOf('.');
  const QString suffix = QStringLiteral("-%1").arg(number);
  const QString numbered = dot > 0 ? name.left(dot) + suffix + name.mid(dot) : name + suffix;
  return info.dir().filePath(numbered);
}

}  // namespace

std::string PdfJobNames::Key(const std::string& printTo) const {
  if (printTo.empty()) return {};
  return QFileInfo(QString::fromStdString(printTo)).absoluteFilePath().toStdString();
}

std::string PdfJobNames::NextPath(const std::string& printTo) const {
  const std::string key = Key(printTo);
  const auto found = written_.find(key);
  const int number = (found == written_.end() ? 0 : found->second) + 1;
  if (key.empty()) {
    return QDir::current().absoluteFilePath(QStringLiteral("zbx_qn-%1.pdf").arg(number)).toStdString();
  }
  const QString target = QString::fromStdString(key);
  return (number == 1 ? target : Numbered(target, number)).toStdString();
}

void PdfJobNames::CountJob(const std::string& printTo) { ++written_[Key(printTo)]; }

}  // namespace platform
