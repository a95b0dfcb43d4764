// Reading the control tree: each entry is made by placement into the
// container its PARENT names, then given its stored bounds, name and
// properties; a container's own section is read right after it.
#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "designer/placement/object_names.h"
#include "designer/template_io/control_properties.h"
#include "designer/template_io/control_tree_io.h"
#include "platform/dialogs/dialog_service.h"
#include "platform/ini/ini_file.h"
#include "platform/text/ansi_text.h"

namespace designer {
namespace {

using platform::TIniFile;

// The engine refuses deeper templates, so the designer does not build them.
constexpr int kMaxNesting = 64;

int ModeOfWord(const std::string& word) {
  if (word == "FIXEDREGION") return kModeFixed;
  if (word == "TITLEREGION") return kModeTitle;
  if (word == "REPEATREGION") return kModeRepeat;
  if (word == "LABEL") return kModeText;
  if (word == "RICHTEXTREGION") return kModeRichText;
  if (word == "IMAGEREGION") return kModeImage;
  if (word == "VARIABLE") return kModeVariable;
  if (word == "SHAPEREGION") return kModeShape;
  return kModeNone;
}

bool IsContainerWord(const std::string& word) {
  return word == "FIXEDREGION" || word == "TITLEREGION" || word == "REPEATREGION" || word == "SHAPEREGION";
}

// Gives back what a read changes only for its own sake, also when it stops
// on an error: the zoom level, the tool mode and the copy source, which
// would make placement paste copies instead of making the objects read.
class ReadScope {
 public:
  explicit ReadScope(TForm1& form)
      : form_(form), zoom_(form.Program().ZoomLevel), mode_(form.FMode), copySource_(form.FCopySource) {
    form_.FCopySource = nullptr;
    form_.SetZoom(0);
  }
  ~ReadScope() {
    form_.FCopySource = copySource_.Get();
    form_.SetMode(mode_);
    form_.SetZoom(zoom_);
  }
  ReadScope(const ReadScope&) = delete;
  ReadScope& operator=(const ReadScope&) = delete;

 private:
  TForm1& form_;
  int zoom_;
  int mode_;
  platform::TRef<TControl> copySource_;
};

// Every section read takes its container off Stack1 at its end, also when
// the read stops on an error.
class StackTopRemoval {
 public:
  explicit StackTopRemoval(TStack& stack) : stack_(stack) {}
  ~StackTopRemoval() { stack_.Pop(); }
  StackTopRemoval(const StackTopRemoval&) = delete;
  StackTopRemoval& operator=(const StackTopRemoval&) = delete;

 private:
  TStack& stack_;
};

class ControlTreeReader {
 public:
  ControlTreeReader(TForm1& form, const TIniFile& file) : form_(form), file_(file) {}

  void ReadTree(const std::string& section) {
    std::unordered_set<std::string> walked;
    CollectStoredNames(section, 0, walked);
    ReadSection(section);
    TellMissingSections();
  }

 private:
  // The NAMEs of the regions and variables below a section: the names a
  // label read earlier must not take.
  void CollectStoredNames(const std::string& section, int depth, std::unordered_set<std::string>& walked) {
    if (depth > kMaxNesting || !walked.insert(platform::UpperCase(section)).second) return;
    for (const std::string& key : file_.ReadSection(section)) {
      const std::string word = file_.ReadString(section, key, "");
      if (ModeOfWord(word) == kModeNone || word == "LABEL") continue;
      const std::string name = file_.ReadString(key, "NAME", "");
      storedNames_.insert(platform::UpperCase(name));
      if (IsContainerWord(word)) CollectStoredNames(name, depth + 1, walked);
    }
  }

  void ReadSection(const std::string& section) {
    const StackTopRemoval removal(*form_.Stack1);
    for (const std::string& key : file_.ReadSection(section)) ReadEntry(section, key);
  }

  void ReadEntry(const std::string& section, const std::string& key) {
    const std::string parentName = file_.ReadString(key, "PARENT", "");
    const std::string word = file_.ReadString(section, key, "");
    const int mode = ModeOfWord(word);
    if (mode == kModeNone) return;

    // The writer gives every entry its PARENT: an entry without one is
    // where a file that was cut short ends.
    if (!file_.ValueExists(key, "PARENT")) {
      missingSections_.push_back(key);
      return;
    }
    const std::string storedName = file_.ReadString(key, "NAME", "");
    const std::string shownName = storedName.empty() ? key : storedName;
    TControl* named = ContainerNamed(parentName);
    if (!named) {
      Tell("\"" + shownName + "\" was left out: its container \"" + parentName + "\" is not in the template.");
      return;
    }
    if (const std::string refusal = RefusalOf(named, word); !refusal.empty()) {
      Tell("\"" + shownName + "\" was left out: \"" + named->Name() + "\" " + refusal);
      return;
    }
    auto* container = static_cast<TWinControl*>(named);

    form_.SetMode(mode);
    TControl* object = form_.PlaceObject(container);
    if (!object) return;
    if (mode == kModeFixed || mode == kModeTitle || mode == kModeRepeat) form_.SetMode(mode);
    object->SetBounds(Coordinate(key, "LEFT"), Coordinate(key, "TOP"), Coordinate(key, "WIDTH"),
                      Coordinate(key, "HEIGHT"));
    if (word == "LABEL") {
      KeepClearOfStoredNames(static_cast<TStyledLabel*>(object));
    } else {
      Rename(object, word, storedName);
    }
    ReadKindKeys(form_, file_, key, object, word);
    if (IsContainerWord(word)) ReadChildren(static_cast<TWinControl*>(object), storedName);
  }

  // What lies beyond the largest coordinate a control takes is taken as
  // lying there.
  int Coordinate(const std::string& section, const char* key) const {
    return std::clamp(file_.ReadInteger(section, key, 0), -platform::kLargestCoordinate, platform::kLargestCoordinate);
  }

  // "REPORT" is the container being read; any other name the control of
  // that name, those this read has made first.
  TControl* ContainerNamed(const std::string& parentName) const {
    if (parentName == "REPORT") return dynamic_cast<TControl*>(form_.Stack1->Peek());
    if (const auto made = made_.find(platform::UpperCase(parentName)); made != made_.end()) return made->second;
    if (parentName.empty()) return nullptr;
    return dynamic_cast<TControl*>(form_.REPORT->FindComponent(parentName));
  }

  // What placement would refuse, said after the container's name; empty
  // when placement makes the object there. Only what holds design
  // objects passes the first test, so the rest may take it as a container.
  std::string RefusalOf(TControl* named, const std::string& word) const {
    if (!HoldsDesignObjects(form_, named) || (named == form_.REPORT && word != "FIXEDREGION") ||
        (word == "TITLEREGION" && form_.ControlTypeName(named) == "TITLEREGION"))
      return "cannot hold a " + word + ".";
    auto* container = static_cast<TWinControl*>(named);
    if (word == "REPEATREGION" && form_.HasRepeatRegion(container)) return "holds a REPEATREGION already.";
    if (word == "TITLEREGION" && form_.HasTitleRegion(container)) return "holds a TITLEREGION already.";
    return {};
  }

  // Regions and variables take their stored name (or the one FReadName
  // gives); a refused name stops the read with the platform's error.
  void Rename(TControl* object, const std::string& word, const std::string& storedName) {
    if (!storedName.empty()) {
      object->SetName(form_.FReadName ? form_.FReadName(storedName) : storedName);
      made_.emplace(platform::UpperCase(storedName), object);
    }
    if (word == "VARIABLE") {
      static_cast<TVariableLabel*>(object)->SetCaption(object->Name());
    } else {
      object->SetHint(object->Name());
    }
  }

  // A label keeps the number placement gave it, unless a region or
  // variable of the file is called so: that one would then be refused.
  void KeepClearOfStoredNames(TStyledLabel* label) {
    while (storedNames_.contains(platform::UpperCase(label->Name())))
      label->SetName(NextCountedName(*form_.REPORT, "TEXT", form_.FTextCount, label));
  }

  void ReadChildren(TWinControl* container, const std::string& section) {
    if (depth_ + 1 >= kMaxNesting) {
      // Only what is there can be left out: the deepest region the
      // designer saves holds nothing, and opening it again says nothing.
      if (file_.ReadSection(section).empty()) return;
      Tell("The objects inside \"" + container->Name() + "\" were left out: regions are nested deeper than " +
           std::to_string(kMaxNesting) + " levels.");
      return;
    }
    form_.Stack1->Push(container);
    ++depth_;
    ReadSection(section);
    --depth_;
  }

  // One message for the whole file: a file cut short lists many entries
  // whose sections never came.
  void TellMissingSections() const {
    const std::size_t count = missingSections_.size();
    if (count == 0) return;
    constexpr std::size_t kNamed = 5;
    std::string names;
    for (std::size_t i = 0; i < count && i < kNamed; ++i) {
      if (i > 0) names += (i + 1 == count) ? " and " : ", ";
      names += "[" + missingSections_[i] + "]";
    }
    if (count > kNamed) names += " and " + std::to_string(count - kNamed) + " more";
    Tell(count == 1 ? "The template is cut short: the section " + names +
                          " is missing from it, so its object was left out."
                    : "The template is cut short: the sections " + names + " are missing from it, so their " +
                          std::to_string(count) + " objects were left out.");
  }

  static void Tell(const std::string& text) { platform::ShowMessage(text); }

  TForm1& form_;
  const TIniFile& file_;
  // Stored NAME (upper case) to the control this read made for it.
  std::unordered_map<std::string, platform::TRef<TControl>> made_;
  std::unordered_set<std::string> storedNames_;
  // Entries listed in a container whose own section is missing or has no
  // PARENT, in reading order.
  std::vector<std::string> missingSections_;
  int depth_ = 0;
};

}  // namespace

void TForm1::ReadControls(const std::string& section) {
  if (!FIniFile) {
    Stack1->Pop();
    return;
  }
  const ReadScope scope(*this);
  ControlTreeReader(*this, *FIniFile).ReadTree(section);
  RefreshBorders(REPORT);
}

}  // namespace designer
