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
  platform::OpenWithDesktop("WWW.example.com/caf\xE9");
  platform::OpenWithDesktop("");
  EXPECT_EQ(recorder.Requests(),
            (Requests{{"https://example.com/help?topic=a b#top", "https://example.com/help?topic=a%20b#top"},
                      {"mailto:help@example.com", "mailto:help@example.com"},
                      {"WWW.example.com/caf\xE9", "http://www.example.com/caf%C3%A9"}}));
}

TEST(DesktopServices, PathsInWindowsTextBecomeFileAddresses) {
  platform::ScopedDesktopRecorder recorder;
  platform::OpenWithDesktop("\\home\\a\\help files\\caf\xE9.html");
  platform::OpenWithDesktop("/home/a/r.pdf");
  platform::OpenWithDesktop("help\\index.html");
  std::string current = std::filesystem::current_path().string();
  std::string encoded;
  for (const char c : current) encoded += (c == ' ') ? std::string("%20") : std::string(1, c);
  EXPECT_EQ(recorder.Requests(),
            (Requests{{"\\home\\a\\help files\\caf\xE9.html", "file:///home/a/help%20files/caf%C3%A9.html"},
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
