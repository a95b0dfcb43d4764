#include "platform/controls/lists.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "platform/text/win1252.h"

namespace platform {
namespace {

QString ToQString(const std::string& ansi) { return QString::fromStdString(Win1252ToUtf8(ansi)); }
std::string ToAnsi(const QString& text) { return Utf8ToWin1252(text.toStdString()); }

}  // namespace

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  auto* box = new QComboBox();
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  auto changed = [this] {
    Dispatch([&] {
      if (OnChange) OnChange(this);
    });
  };
  QObject::connect(box, &QComboBox::activated, changed);
  QObject::connect(box->lineEdit(), &QLineEdit::textEdited, changed);
  AttachWidget(box);
  SetColor(clWindow);
  SetBounds(0, 0, 145, 21);
}

std::vector<std::string> TComboBox::Items() const {
  auto* box = static_cast<QComboBox*>(Widget());
  std::vector<std::string> items;
  for (int i = 0; i < box->count(); ++i) items.push_back(ToAnsi(box->itemText(i)));
  return items;
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
  auto* box = static_cast<QComboBox*>(Widget());
  const QSignalBlocker block(box);
  box->clear();
  for (const std::string& item : items) box->addItem(ToQString(item));
  box->setCurrentIndex(-1);
  box->setEditText(QString());
}

int TComboBox::ItemIndex() const {
  auto* box = static_cast<QComboBox*>(Widget());
  const int index = box->currentIndex();
  // Typed text that no longer names the entry selects none.
  if (index >= 0 && box->itemText(index) != box->currentText()) return -1;
  return index;
}

void TComboBox::SetItemIndex(int index) {
  auto* box = static_cast<QComboBox*>(Widget());
  const QSignalBlocker block(box);
  box->setCurrentIndex(index);
  if (index < 0) box->setEditText(QString());
}

std::string TComboBox::Text() const { return ToAnsi(static_cast<QComboBox*>(Widget())->currentText()); }

void TComboBox::SetText(const std::string& text) {
  auto* box = static_cast<QComboBox*>(Widget());
  const QSignalBlocker block(box);
  box->setEditText(ToQString(text));
}

void TComboBox::SelectByUser(int index) {
  SetItemIndex(index);
  Dispatch([&] {
    if (OnChange) OnChange(this);
  });
}

TCheckListBox::TCheckListBox(TComponent* owner) : TWinControl(owner) {
  AttachWidget(new QListWidget());
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
}

int TCheckListBox::Count() const { return static_cast<QListWidget*>(Widget())->count(); }

std::string TCheckListBox::Item(int index) const {
  const QListWidgetItem* item = static_cast<QListWidget*>(Widget())->item(index);
  return item ? ToAnsi(item->text()) : std::string();
}

void TCheckListBox::Clear() { static_cast<QListWidget*>(Widget())->clear(); }

void TCheckListBox::Add(const std::string& text) {
  auto* item = new QListWidgetItem(ToQString(text), static_cast<QListWidget*>(Widget()));
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(Qt::Unchecked);
}

bool TCheckListBox::Checked(int index) const {
  const QListWidgetItem* item = static_cast<QListWidget*>(Widget())->item(index);
  return item && item->checkState() == Qt::Checked;
}

void TCheckListBox::SetChecked(int index, bool checked) {
  if (QListWidgetItem* item = static_cast<QListWidget*>(Widget())->item(index))
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

}  // namespace platform
