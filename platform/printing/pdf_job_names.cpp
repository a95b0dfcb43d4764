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

QString DefaultPath(int number) {
  return QDir::current().absoluteFilePath(QStringLiteral("zbx_qn-%1.pdf").arg(number));
}

// The number of a zbx_qn-N.pdf path; 0 for any other.
int DefaultNumberOf(const std::string& path) {
  const QString name = QFileInfo(QString::fromStdString(path)).fileName();
  const QString prefix = QStringLiteral("zbx_qn-");
  const QString suffix = QStringLiteral(".pdf");
  if (!name.startsWith(prefix) || !name.endsWith(suffix)) return 0;
  bool isNumber = false;
  const int number = name.mid(prefix.size(), name.size() - prefix.size() - suffix.size()).toInt(&isNumber);
  return isNumber ? number : 0;
}

}  // namespace

std::string PdfJobNames::Key(const std::string& printTo) const {
  if (printTo.empty()) return {};
  return QFileInfo(QString::fromStdString(printTo)).absoluteFilePath().toStdString();
}

std::string PdfJobNames::NextPath(const std::string& printTo) const {
  const std::string key = Key(printTo);
  const auto found = written_.find(key);
  int number = (found == written_.end() ? 0 : found->second) + 1;
  if (key.empty()) {
    // Anything there, even a broken link, was not written by this job.
    while (QFileInfo(DefaultPath(number)).exists() || QFileInfo(DefaultPath(number)).isSymLink()) {
      ++number;
    }
    return DefaultPath(number).toStdString();
  }
  const QString target = QString::fromStdString(key);
  return (number == 1 ? target : Numbered(target, number)).toStdString();
}

void PdfJobNames::CountJob(const std::string& printTo, const std::string& writtenPath) {
  const std::string key = Key(printTo);
  if (key.empty()) {
    written_[key] = DefaultNumberOf(writtenPath);
  } else {
    ++written_[key];
  }
}

}  // namespace platform
