#include "platform/system/desktop_services.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QString>
#include <QUrl>

#include <utility>

#include "platform/system/file_paths.h"
#include "platform/system/qt_application.h"
#include "platform/text/ansi_text.h"

namespace platform {
namespace {

DesktopRecorder& CurrentRecorder() {
  static DesktopRecorder recorder;
  return recorder;
}

bool IsSchemeCharacter(char c, bool first) {
  const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  if (first) return letter;
  return letter || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// A scheme is at least two characters, so that a drive letter ("C:\help")
// stays a path.
bool HasUrlScheme(const std::string& target) {
  const std::size_t colon = target.find(':');
  if (colon == std::string::npos || colon < 2) return false;
  for (std::size_t i = 0; i < colon; ++i)
    if (!IsSchemeCharacter(target[i], i == 0)) return false;
  return true;
}

QUrl AddressOf(const std::string& target) {
  if (HasUrlScheme(target)) return QUrl(QString::fromStdString(target), QUrl::TolerantMode);
  // The shell took "www." names as web addresses; help links rely on it.
  if (SameText(target.substr(0, 4), "www.")) return QUrl(QString::fromStdString("http://" + target), QUrl::TolerantMode);
  return QUrl::fromLocalFile(QString::fromStdString(NativeOfSystemPath(AbsoluteSystemPath(target))));
}

}  // namespace

void OpenWithDesktop(const std::string& target) {
  if (target.empty()) return;
  const QUrl address = AddressOf(target);
  // A copy, so that a recorder replacing itself while it runs stays alive.
  if (const DesktopRecorder recorder = CurrentRecorder()) {
    const QByteArray encoded = address.toEncoded();
    recorder(DesktopRequest{target, std::string(encoded.constData(), static_cast<std::size_t>(encoded.size()))});
    return;
  }
  EnsureApplication();
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  // Qt starts the handler detached (xdg-open or the desktop portal). Its
  // answer is not asked: a missing handler is nothing the author can mend
  // from here.
  QDesktopServices::openUrl(address);
}

void SetDesktopRecorder(DesktopRecorder recorder) { CurrentRecorder() = std::move(recorder); }

ScopedDesktopRecorder::ScopedDesktopRecorder() : previous_(CurrentRecorder()) {
  CurrentRecorder() = [this](const DesktopRequest& request) { requests_.push_back(request); };
}

ScopedDesktopRecorder::~ScopedDesktopRecorder() { CurrentRecorder() = std::move(previous_); }

}  // namespace platform
