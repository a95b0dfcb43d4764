#pragma once
// A designer with scripted style dialogs: styles added through Add Text
// Style, the seven style submenus read side by side, and designs placed
// with the placement commands.
#include <string>
#include <vector>

#include "designer/dialogs/paragraph_form.h"
#include "designer/objects/labels.h"
#include "designer/objects/regions.h"
#include "designer/styles/style_form.h"
#include "tests/designer_support/designer_fixture.h"

namespace tessel_test {

class StylesTest : public DesignerTest {
 protected:
  // The seven submenus in the order their items are made.
  std::vector<platform::TMenuItem*> Submenus() {
    designer::TForm1& f = form();
    return {f.SelectStyle1, f.ModifyStyle1,     f.DeleteStyle1, f.VarMainStyle,
            f.VarHLStyle,   f.MakeStyleGlobal1, program().ParagraphForm->SelectStyle1};
  }
  static std::vector<std::string> Captions(const platform::TMenuItem* submenu) {
    std::vector<std::string> captions;
    for (int i = 0; i < submenu->Count(); ++i) captions.push_back(submenu->Items(i)->Caption());
    return captions;
  }
  // Every submenu holds exactly these captions.
  void ExpectMenus(const std::vector<std::string>& captions) {
    for (platform::TMenuItem* submenu : Submenus()) EXPECT_EQ(Captions(submenu), captions) << submenu->Name();
  }
  std::vector<std::string> StyleNames() {
    std::vector<std::string> names;
    for (int i = 0; i < form().FStyleCount; ++i) names.push_back(program().StyleList.at(i)->Name);
    return names;
  }

  static platform::DialogReply FontReply(const platform::TFont& font) {
    platform::DialogReply reply;
    reply.result = platform::mrOk;
    reply.font = font;
    return reply;
  }
  // Add Text Style with the name typed and the font chosen in the font
  // dialog, ended with OK; answers the message box that refuses the name
  // when one is expected.
  void AddStyle(const std::string& name, const platform::TFont& font, bool refused = false) {
    dialogs->Reply(FontReply(font));
    if (refused) dialogs->ReplyButton(platform::mrOk);
    modals->On("StyleForm", [name](platform::TForm& shown) {
      auto& dialog = static_cast<designer::TStyleForm&>(shown);
      dialog.Edit1->SetText(name);
      dialog.Button1->Click();
      dialog.BitBtn1->Click();
    });
    form().Text2->Click();
  }
  // Modify Style of style index, given a new font in the font dialog.
  void ModifyStyle(int index, const platform::TFont& font) {
    dialogs->Reply(FontReply(font));
    modals->On("StyleForm", [](platform::TForm& shown) {
      auto& dialog = static_cast<designer::TStyleForm&>(shown);
      dialog.Button1->Click();
      dialog.BitBtn1->Click();
    });
    form().ModifyStyle1->Items(index)->Click();
  }

  // A click in a placing mode at (x, y) of the container.
  platform::TControl* Place(platform::TControl* container, int mode, int x = 10, int y = 10) {
    form().SetMode(mode);
    form().FRegionGrabX = x;
    form().FRegionGrabY = y;
    return form().PlaceObject(container);
  }
  designer::TRegion* Region(platform::TControl* container, int mode = designer::kModeFixed) {
    return dynamic_cast<designer::TRegion*>(Place(container, mode));
  }
  designer::TStyledLabel* Label(platform::TControl* container) {
    return dynamic_cast<designer::TStyledLabel*>(Place(container, designer::kModeText));
  }
  designer::TVariableLabel* Variable(platform::TControl* container) {
    return dynamic_cast<designer::TVariableLabel*>(Place(container, designer::kModeVariable));
  }
};

}  // namespace tessel_test
