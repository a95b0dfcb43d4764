#include "platform/system/clipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>

#include "platform/system/qt_application.h"
#include "platform/text/win1252.h"

namespace platform {

void PutOnClipboard(const std::string& mimeType, const std::string& bytes, const std::string& plainText) {
  EnsureApplication();
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  // The clipboard takes the data over.
  auto* data = new QMimeData;
  data->setText(QString::fromStdString(Win1252ToUtf8(plainText)));
  data->setData(QString::fromStdString(mimeType), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace platform
