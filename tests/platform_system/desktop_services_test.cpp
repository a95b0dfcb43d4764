#include "platform/system/desktop_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/system/qt_application.h"

namespace {

using platform::DesktopRequest;
using Requests = std::vector<DesktopRequest>;

TEST(DesktopServices, WebAddressesPassAsTheyAre) {
  platform::ScopedDesktopRecorder recorder;
  platform::OpenWithDesktop("https://example.com/help?topic=a b#top");
  platform::OpenWithDesktop("mailto:help@example.com");
  platform::OpenWithDesktop("WWW.example.com/café");
  platform::OpenWithDesktop("");
  EXPECT_EQ(recorder.Requests(),
            (Requests{{"https://example.com/help?topic=a b#top", "https://example.com/help?topic=a%20b#top"},
                      {"mailto:help@example.com", "mailto:help@example.com"},
                      {"WWW.example.com/café", "http://www.example.com/caf%C3%A9"}}));
}

TEST(DesktopServices, SystemPathsBecomeFileAddresses) {
  platform::ScopedDesktopRecorder recorder;
  platform::OpenWithDesktop("\\home\\a\\Справка Łódź\\café.html");
  platform::OpenWithDesktop("/home/a/r.pdf");
  platform::OpenWithDesktop("help\\index.html");
  std::string current = std::filesystem::current_path().string();
  std::string encoded;
  for (const char c : current) encoded += (c == ' ') ? std::string("%20") : std::string(1, c);
  EXPECT_EQ(recorder.Requests(),
            (Requests{{"\\home\\a\\Справка Łódź\\café.html", "file:///home/a/%D0%A1%D0%BF%D1%80%D0%B0%D0%B2%D0%BA%D0%B0%20%C5%81%C3%B3d%C5%BA/caf%C3%A9.html"},
                      {"/home/a/r.pdf", "file:///home/a/r.pdf"},
                      {"help\\index.html", "file://" + encoded + "/help/index.html"}}));
}

TEST(DesktopServices, WithoutADisplayNothingOpensAndNothingFails) {
  // With a display this would start a real browser.
  if (platform::HasDisplay()) GTEST_SKIP() << "a display is reachable";
  platform::OpenWithDesktop("http://example.invalid/");
  platform::OpenWithDesktop("\\no\\such\\file.html");
  SUCCEED();
}

}  // namespace
