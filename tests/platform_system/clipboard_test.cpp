#include "platform/system/clipboard.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>

#include <string>

namespace {

constexpr char kObjects[] = "application/x-tessel-objects";

std::string BytesOf(const QByteArray& bytes) {
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

TEST(Clipboard, BothFormatsReadBack) {
  const std::string bytes("[RC1]\r\nNAME=Caf\xE9\r\n\0tail", 23);
  platform::PutOnClipboard(kObjects, bytes, "Caf\xE9 \x80");
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(BytesOf(data->data(kObjects)), bytes);
  EXPECT_EQ(data->text(), QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), data->text());
}

}  // namespace
