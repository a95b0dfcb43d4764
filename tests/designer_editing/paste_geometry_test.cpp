// The size of a pasted region: the copy has its source's design size, and
// what it holds keeps its geometry, whatever the zoom was at Cut or Copy
// and at Paste. Checked on the saved template.
#include <string>
#include <tuple>
#include <vector>

#include "designer/editing/scratch_pad_form.h"
#include "platform/ini/ini_file.h"
#include "tests/designer_editing/editing_support.h"

namespace tessel_test {
namespace {

enum class Kind { Fixed, Title, Repeat, Shape, Line, Image, RichText };
enum class Take { Cut, Copy };

const char* NameOf(Kind kind) {
  switch (kind) {
    case Kind::Fixed: return "Fixed";
    case Kind::Title: return "Title";
    case Kind::Repeat: return "Repeat";
    case Kind::Shape: return "Shape";
    case Kind::Line: return "Line";
    case Kind::Image: return "Image";
    case Kind::RichText: return "RichText";
  }
  return "";
}

// The level of the second paste: another level than the one of the cut.
int OtherLevel(int level) { return level == 0 ? 4 : -level; }

class PasteGeometry : public EditingTest, public ::testing::WithParamInterface<std::tuple<Kind, Take>> {
 protected:
  void SetUp() override {
    EditingTest::SetUp();
    form().SetZoom(0);
    outer_ = Region(form().REPORT, 10, 10, 780, 980);
  }

  // A source of the kind at level 0, with odd sizes; a container holds a
  // region and a label.
  platform::TControl* MakeSource(platform::TWinControl* home) {
    const auto [kind, take] = GetParam();
    platform::TControl* source = nullptr;
    switch (kind) {
      case Kind::Fixed: source = Region(home, 7, 11, 337, 263); break;
      case Kind::Title: source = Region(home, 7, 11, 337, 263, designer::kModeTitle); break;
      case Kind::Repeat: source = Region(home, 7, 11, 337, 263, designer::kModeRepeat); break;
      case Kind::Shape: {
        auto* shape = Place<designer::TShapeRegion>(home, designer::kModeShape, 7, 11);
        shape->SetShape(designer::kEllipse);
        shape->SetBounds(7, 11, 337, 263);
        source = shape;
        break;
      }
      case Kind::Line: {
        auto* line = Place<designer::TShapeRegion>(home, designer::kModeShape, 7, 11);
        line->SetShape(designer::kVerticalLine);
        line->SetHeight(263);
        source = line;
        break;
      }
      case Kind::Image: {
        source = Place<designer::TImageRegion>(home, designer::kModeImage, 7, 11);
        source->SetBounds(7, 11, 337, 263);
        break;
      }
      case Kind::RichText: {
        auto* richText = Place<designer::TRichTextRegion>(home, designer::kModeRichText, 7, 11);
        richText->FRichEdit->SetLines({"Dear customer,", "thank you."});
        richText->SetBounds(7, 11, 337, 263);
        source = richText;
        break;
      }
    }
    if (kind == Kind::Fixed || kind == Kind::Title || kind == Kind::Repeat || kind == Kind::Shape) {
      auto* container = static_cast<platform::TWinControl*>(source);
      Region(container, 5, 9, 101, 67);
      Text(container, 23, 131)->SetCaption("Held text");
    }
    return source;
  }

  struct Saved {
    platform::TBounds object;
    std::vector<platform::TBounds> held;
  };
  // The object's bounds and those of what it holds, as the template saved
  // under that name holds them.
  Saved SavedGeometry(const std::string& file, platform::TControl* object) {
    SaveAs(file);
    const std::map<std::string, std::string> sections = SavedSections(file);
    const platform::TIniFile template_(folder() + "/" + file);
    const auto bounds = [&](platform::TControl* control) {
      const auto found = sections.find(control->Name());
      EXPECT_NE(found, sections.end()) << control->Name() << " not saved";
      if (found == sections.end()) return platform::TBounds{};
      const std::string& section = found->second;
      return platform::TBounds{template_.ReadInteger(section, "LEFT", -1), template_.ReadInteger(section, "TOP", -1),
                               template_.ReadInteger(section, "WIDTH", -1),
                               template_.ReadInteger(section, "HEIGHT", -1)};
    };
    Saved saved{bounds(object), {}};
    // Image and rich-text regions hold no design objects, only their own
    // picture or text control.
    const bool holds = !dynamic_cast<designer::TImageRegion*>(object) && !dynamic_cast<designer::TRichTextRegion*>(object);
    auto* container = holds ? dynamic_cast<platform::TWinControl*>(object) : nullptr;
    const int first = dynamic_cast<designer::TShapeRegion*>(object) ? 2 : 1;
    for (int i = first; container && i < container->ControlCount(); ++i)
      saved.held.push_back(bounds(container->Controls(i)));
    return saved;
  }

  designer::TRegion* outer_ = nullptr;
};

TEST_P(PasteGeometry, TheSavedCopyHasTheSourcesSizeAtEveryZoomLevel) {
  const auto [kind, take] = GetParam();
  for (int level = -4; level <= 4; ++level) {
    SCOPED_TRACE("taken at level " + std::to_string(level));
    // Cancel/Refresh: placement makes new objects again.
    form().SpeedButton9Click(nullptr);
    form().SetZoom(0);
    designer::TRegion* home = Region(outer_, 5, 5, 500, 600);
    designer::TRegion* first = Region(outer_, 200, 300, 400, 500);
    designer::TRegion* second = Region(outer_, 300, 400, 400, 500);
    platform::TControl* source = MakeSource(home);
    const Saved original = SavedGeometry("before.qnf", source);
    const bool container = kind == Kind::Fixed || kind == Kind::Title || kind == Kind::Repeat || kind == Kind::Shape;
    ASSERT_EQ(original.held.size(), container ? 2u : 0u);

    form().SetZoom(level);
    if (take == Take::Cut) {
      CutObject(source);
      ASSERT_EQ(source->Parent(), program().ScratchPadForm) << "cut";
    } else {
      CopyObject(source);
    }
    ASSERT_EQ(form().FCopySource.Get(), source);
    std::vector<platform::TControl*> copies;
    for (const auto& [pasteLevel, target] : {std::pair{level, first}, std::pair{OtherLevel(level), second}}) {
      form().SetZoom(pasteLevel);
      platform::TControl* copy = PasteInto(target, 3, 5);
      ASSERT_NE(copy, nullptr) << "pasted at level " << pasteLevel;
      copies.push_back(copy);
    }
    for (platform::TControl* copy : copies) {
      SCOPED_TRACE(copy->Name());
      const Saved pasted = SavedGeometry("after.qnf", copy);
      EXPECT_EQ(pasted.object.Width, original.object.Width);
      EXPECT_EQ(pasted.object.Height, original.object.Height);
      EXPECT_EQ(pasted.held, original.held);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, PasteGeometry,
                         ::testing::Combine(::testing::Values(Kind::Fixed, Kind::Title, Kind::Repeat, Kind::Shape,
                                                              Kind::Line, Kind::Image, Kind::RichText),
                                            ::testing::Values(Take::Cut, Take::Copy)),
                         [](const ::testing::TestParamInfo<std::tuple<Kind, Take>>& param) {
                           return std::string(NameOf(std::get<0>(param.param))) +
                                  (std::get<1>(param.param) == Take::Cut ? "Cut" : "Copy");
                         });

}  // namespace
}  // namespace tessel_test
