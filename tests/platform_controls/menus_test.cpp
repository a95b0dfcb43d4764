// Menus: the item lists (Insert, Delete, Remove, MenuIndex), freeing, the
// click dispatch, check marks, shortcuts in the class library's spelling,
// the main menu in the form's menu bar and popups taken by the recorder.
#include <gtest/gtest.h>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <string>
#include <vector>

#include "platform/controls/exceptions.h"
#include "platform/controls/form.h"
#include "platform/controls/menus.h"
#include "platform/system/message_box.h"
#include "tests/platform_controls/controls_test_support.h"

namespace {

using platform::TMenuItem;
using platform::TObject;
using platform::TRef;

std::vector<std::string> ItemNames(const TMenuItem& item) {
  std::vector<std::string> names;
  for (int i = 0; i < item.Count(); ++i) names.push_back(item.Items(i)->Name());
  return names;
}

std::vector<std::string> QtActionNames(const QMenu* menu) {
  std::vector<std::string> names;
  if (!menu) return names;
  for (const QAction* action : menu->actions()) names.push_back(action->objectName().toStdString());
  return names;
}

class Menus : public controls_test::ControlsTest {
 protected:
  TMenuItem* Item(TMenuItem* parent, const std::string& name, const std::string& caption = "") {
    auto* item = new TMenuItem(&form_);
    item->SetName(name);
    item->SetCaption(caption.empty() ? name : caption);
    if (parent) parent->Add(item);
    return item;
  }

  platform::TForm form_{nullptr};
};

TEST_F(Menus, InsertRemoveAndMenuIndexKeepTheListAndTheQtMenuAlike) {
  auto* menu = new platform::TMainMenu(&form_);
  TMenuItem* file = Item(menu->Items(), "File1", "&File");
  TMenuItem* open = Item(file, "Open1");
  TMenuItem* save = Item(file, "Save1");
  TMenuItem* close = Item(nullptr, "Close1");
  file->Insert(1, close);
  EXPECT_EQ(ItemNames(*file), (std::vector<std::string>{"Open1", "Close1", "Save1"}));
  EXPECT_EQ(close->MenuIndex(), 1);
  EXPECT_EQ(close->Parent(), file);
  EXPECT_EQ(file->MenuIndex(), 0);
  EXPECT_EQ(QtActionNames(file->SubMenu()), (std::vector<std::string>{"Open1", "Close1", "Save1"}));

  file->Remove(open);
  EXPECT_EQ(open->MenuIndex(), -1);
  EXPECT_EQ(open->Parent(), nullptr);
  EXPECT_EQ(ItemNames(*file), (std::vector<std::string>{"Close1", "Save1"}));
  EXPECT_EQ(QtActionNames(file->SubMenu()), (std::vector<std::string>{"Close1", "Save1"}));
  // Out of range inserts go to the ends.
  file->Insert(99, open);
  file->Insert(-3, Item(nullptr, "New1"));
  EXPECT_EQ(ItemNames(*file), (std::vector<std::string>{"New1", "Close1", "Save1", "Open1"}));
  // An item inserted elsewhere leaves its old place.
  TMenuItem* edit = Item(menu->Items(), "Edit1");
  edit->Add(save);
  EXPECT_EQ(ItemNames(*file), (std::vector<std::string>{"New1", "Close1", "Open1"}));
  EXPECT_EQ(save->MenuIndex(), 0);
  EXPECT_EQ(edit->MenuIndex(), 1);
  EXPECT_EQ(file->IndexOf(save), -1);
}

TEST_F(Menus, DeleteFreesTheItemAndFreeingAnItemFreesItsSubItems) {
  TMenuItem* root = Item(nullptr, "Root");
  TMenuItem* styles = Item(root, "Styles1");
  TRef<TMenuItem> first = Item(styles, "Style0");
  TRef<TMenuItem> second = Item(styles, "Style1");
  TRef<TMenuItem> nested = Item(second, "Apply1");
  TRef<TMenuItem> other = Item(root, "Other1");
  const int before = form_.ComponentCount();
  styles->Delete(0);
  EXPECT_EQ(first.Get(), nullptr);
  EXPECT_EQ(ItemNames(*styles), std::vector<std::string>{"Style1"});
  EXPECT_EQ(form_.FindComponent("Style0"), nullptr);
  styles->Delete(5);  // nothing there
  delete styles;
  EXPECT_EQ(second.Get(), nullptr);
  EXPECT_EQ(nested.Get(), nullptr);
  EXPECT_EQ(ItemNames(*root), std::vector<std::string>{"Other1"});
  EXPECT_EQ(QtActionNames(root->SubMenu()), std::vector<std::string>{"Other1"});
  EXPECT_EQ(form_.ComponentCount(), before - 4);
  EXPECT_TRUE(other);
}

TEST_F(Menus, ClickRunsTheHandlerAndAnExceptionGoesToTheErrorBox) {
  TMenuItem* item = Item(nullptr, "Save1");
  std::vector<TObject*> senders;
  item->OnClick = [&](TObject* sender) { senders.push_back(sender); };
  item->Click();
  item->Action()->trigger();
  EXPECT_EQ(senders, (std::vector<TObject*>{item, item}));

  platform::ScopedMessageRecorder errors;
  item->OnClick = [](TObject*) { throw platform::EInOutError("File access denied"); };
  item->Click();
  EXPECT_EQ(errors.Texts(), std::vector<std::string>{"File access denied"});
  // No handler: nothing happens.
  item->OnClick = nullptr;
  item->Click();
}

TEST_F(Menus, ADisabledItemDoesNothingWhenClicked) {
  TMenuItem* item = Item(nullptr, "Paste1");
  int clicks = 0;
  item->OnClick = [&](TObject*) { ++clicks; };
  item->SetEnabled(false);
  item->Click();
  item->Action()->trigger();
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(item->Action()->isEnabled());
  item->SetEnabled(true);
  item->Click();
  EXPECT_EQ(clicks, 1);
}

TEST_F(Menus, CheckMarksCaptionsAndSeparators) {
  TMenuItem* borders = Item(nullptr, "ShowBorders1", "Show &Borders");
  EXPECT_FALSE(borders->Checked());
  borders->SetChecked(true);
  EXPECT_TRUE(borders->Checked());
  EXPECT_TRUE(borders->Action()->isChecked());
  borders->SetChecked(false);
  EXPECT_FALSE(borders->Action()->isChecked());
  EXPECT_EQ(borders->Action()->text(), QString("Show &Borders"));
  EXPECT_EQ(borders->Action()->objectName(), QString("ShowBorders1"));
  TMenuItem* line = Item(nullptr, "N1", "-");
  EXPECT_TRUE(line->Action()->isSeparator());
  borders->SetVisible(false);
  EXPECT_FALSE(borders->Action()->isVisible());
}

TEST_F(Menus, ShortcutsAreMappedFromTheLibrarysNames) {
  struct Case {
    const char* text;
    QKeySequence keys;
  };
  const Case cases[] = {{"Alt+BkSp", QKeySequence(Qt::ALT | Qt::Key_Backspace)},
                        {"Ctrl+S", QKeySequence(Qt::CTRL | Qt::Key_S)},
                        {"Ctrl+V", QKeySequence(Qt::CTRL | Qt::Key_V)},
                        {"F4", QKeySequence(Qt::Key_F4)},
                        {"Shift+Del", QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
                        {"Ctrl+Ins", QKeySequence(Qt::CTRL | Qt::Key_Insert)},
                        {"Esc", QKeySequence(Qt::Key_Escape)},
                        {"Ctrl+Enter", QKeySequence(Qt::CTRL | Qt::Key_Return)}};
  for (const Case& c : cases) {
    TMenuItem* item = Item(nullptr, "");
    item->SetShortCut(c.text);
    EXPECT_EQ(item->ShortCut(), c.text);
    EXPECT_EQ(item->Action()->shortcut(), c.keys) << c.text;
  }
}

TEST_F(Menus, TheMainMenuFillsTheFormsMenuBar) {
  auto* menu = new platform::TMainMenu(&form_);
  Item(menu->Items(), "File1", "&File");
  Item(menu->Items(), "Edit1", "&Edit");
  form_.SetMenu(menu);
  EXPECT_EQ(form_.Menu(), menu);
  std::vector<std::string> titles;
  for (const QAction* action : form_.MenuBar()->actions()) titles.push_back(action->text().toStdString());
  EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Edit"}));
  TRef<TMenuItem> file = static_cast<TMenuItem*>(form_.FindComponent("File1"));
  // Freeing the main menu frees its items.
  form_.SetMenu(nullptr);
  delete menu;
  EXPECT_EQ(file.Get(), nullptr);
  EXPECT_TRUE(form_.MenuBar()->actions().isEmpty());
}

std::vector<std::string> BarTitles(const platform::TForm& form) {
  std::vector<std::string> titles;
  for (const QAction* action : form.MenuBar()->actions()) titles.push_back(action->text().toStdString());
  return titles;
}

TEST_F(Menus, TheMenuBarFollowsTopLevelItemsAddedLater) {
  auto* menu = new platform::TMainMenu(&form_);
  Item(menu->Items(), "File1", "&File");
  form_.SetMenu(menu);
  TMenuItem* help = Item(menu->Items(), "Help1", "&Help");
  menu->Items()->Insert(1, Item(nullptr, "View1", "&View"));
  EXPECT_EQ(BarTitles(form_), (std::vector<std::string>{"&File", "&View", "&Help"}));
  delete help;
  EXPECT_EQ(BarTitles(form_), (std::vector<std::string>{"&File", "&View"}));

  // Once another menu is the form's, the first one no longer shows there.
  auto* other = new platform::TMainMenu(&form_);
  Item(other->Items(), "Style1", "&Style");
  form_.SetMenu(other);
  Item(menu->Items(), "Tools1", "&Tools");
  EXPECT_EQ(BarTitles(form_), std::vector<std::string>{"&Style"});
  delete other;
  EXPECT_EQ(form_.Menu(), nullptr);
  EXPECT_TRUE(BarTitles(form_).empty());
}

TEST_F(Menus, PopupsGoToTheRecorder) {
  auto* popup = new platform::TPopupMenu(&form_);
  Item(popup->Items(), "Delete1");
  std::vector<std::string> opened;
  {
    platform::ScopedPopupRecorder recorder([&](platform::TPopupMenu& menu, int x, int y) {
      opened.push_back(menu.Items()->Items(0)->Name() + " " + std::to_string(x) + " " + std::to_string(y));
    });
    popup->Popup(120, 340);
  }
  EXPECT_EQ(opened, std::vector<std::string>{"Delete1 120 340"});
  // Headless, without a recorder, a popup opens nothing and waits for no one.
  popup->Popup(1, 1);
  EXPECT_EQ(opened.size(), 1u);
}

}  // namespace
